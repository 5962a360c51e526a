// Model adapter between a core Table and Qt's item views.
#include "common/gui/table_model.h"

#include <QBrush>
#include <QColor>

#include "common/gui/qtext.h"

namespace gui {

TableModel::TableModel(common::Table& table, QObject* parent, bool labelsAsData)
    : QAbstractTableModel(parent),
      table_(table),
      labelsAsData_(labelsAsData),
      align_(static_cast<size_t>(table.cols()), Qt::AlignLeft | Qt::AlignVCenter),
      seen_(table.revision()) {}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.dataRows();
}

int TableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return labelsAsData_ ? 1 : table_.dataCols();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    int r = tableRow(index), c = tableCol(index);
    switch (role) {
        case Qt::DisplayRole:
            return qs(table_.text(r, c));
        case Qt::ForegroundRole:
            if (table_.color(r, c) == common::CellColor::Purple)
                return QBrush(QColor(common::kPurple.r, common::kPurple.g, common::kPurple.b));
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(align_[static_cast<size_t>(c)]);
        default:
            return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return qs(table_.text(0, labelsAsData_ ? 0 : section + 1));
    if (labelsAsData_) return {};
    return qs(table_.text(section + 1, 0));
}

void TableModel::setAlignment(int c, Qt::Alignment a) {
    if (c >= 0 && c < static_cast<int>(align_.size())) align_[static_cast<size_t>(c)] = a;
}

QModelIndex TableModel::indexOf(int r, int c) const {
    return index(r - 1, labelsAsData_ ? 0 : c - 1);
}

void TableModel::refresh() {
    if (table_.revision() == seen_) return;
    seen_ = table_.revision();
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

}  // namespace gui
