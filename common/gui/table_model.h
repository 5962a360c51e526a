// Qt model over a core Table: the views show the document's cells, never a copy.
// Row 0 of the table is the horizontal header, column 0 the vertical header.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "common/table.h"

namespace gui {

class TableModel : public QAbstractTableModel {
public:
    // labelsAsData: show column 0 as the only data column (a list whose entries are its
    // labels), with row 0 as its heading and no vertical header texts.
    explicit TableModel(common::Table& table, QObject* parent = nullptr, bool labelsAsData = false);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Alignment of the data cells of table column c (headings are always centred).
    void setAlignment(int c, Qt::Alignment a);

    common::Table& table() { return table_; }
    int tableRow(const QModelIndex& i) const { return i.row() + 1; }
    int tableCol(const QModelIndex& i) const { return labelsAsData_ ? 0 : i.column() + 1; }
    QModelIndex indexOf(int r, int c) const;

    // Tells the views that cells changed, when the table's revision moved.
    void refresh();

private:
    common::Table& table_;
    bool labelsAsData_;
    std::vector<Qt::Alignment> align_;
    std::uint64_t seen_ = 0;
};

}  // namespace gui
