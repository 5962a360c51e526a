// Table view that mirrors a core table.
#include "common/gui/grid_view.h"

#include <QHeaderView>

namespace gui {

GridView::GridView(common::Table& table, const QString& objectName, QWidget* parent,
                   bool labelsAsData)
    : QTableView(parent), model_(new TableModel(table, this, labelsAsData)) {
    setObjectName(objectName);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(twips(300));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsMovable(false);
    if (labelsAsData) verticalHeader()->hide();
    refresh();
}

void GridView::setColumnWidthsTwips(const std::vector<int>& widths) {
    for (size_t i = 0; i < widths.size(); ++i) {
        if (i == 0) {
            if (model_->columnCount() == 1 && table().cols() == 1)
                setColumnWidth(0, twips(widths[0]));
            else
                verticalHeader()->setFixedWidth(twips(widths[0]));
        } else {
            setColumnWidth(static_cast<int>(i) - 1, twips(widths[i]));
        }
    }
}

void GridView::setRowHeightTwips(int height) {
    verticalHeader()->setDefaultSectionSize(twips(height));
}

void GridView::refresh() {
    model_->refresh();
    const auto& t = table();
    QModelIndex want = model_->indexOf(t.currentRow(), t.currentCol());
    if (want.isValid() && currentIndex() != want) {
        // The document moved the current cell (a row operation parks it on the last row):
        // the view stays where the user left it, now and when it is next shown.
        const bool autoScrolling = hasAutoScroll();
        setAutoScroll(false);
        syncing_ = true;
        setCurrentIndex(want);
        syncing_ = false;
        setAutoScroll(autoScrolling);
    }
}

QRect GridView::cellRect(int r, int c) const { return visualRect(model_->indexOf(r, c)); }

bool GridView::isCellVisible(int r, int c) const {
    QRect rect = cellRect(r, c);
    return rect.isValid() && viewport()->rect().contains(rect);
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!syncing_ && current.isValid())
        table().setCurrent(model_->tableRow(current), model_->tableCol(current));
}

}  // namespace gui
