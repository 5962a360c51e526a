// A table view bound to a core Table: it shows the table through a TableModel and keeps
// the view's current cell and the table's current cell the same.
#pragma once

#include <QTableView>

#include "common/gui/table_model.h"

namespace gui {

// Twips of the grid geometry to pixels (15 twips a pixel at 96 dpi).
inline int twips(int t) { return (t + 7) / 15; }

class GridView : public QTableView {
public:
    GridView(common::Table& table, const QString& objectName, QWidget* parent = nullptr,
             bool labelsAsData = false);

    TableModel* tableModel() const { return model_; }
    common::Table& table() const { return model_->table(); }

    // Column widths in twips, column 0 (the labels) first.
    void setColumnWidthsTwips(const std::vector<int>& widths);
    void setRowHeightTwips(int height);

    // Repaints changed cells and moves the view to the table's current cell.
    void refresh();

    // Rectangle of table cell (r, c) in viewport coordinates.
    QRect cellRect(int r, int c) const;
    bool isCellVisible(int r, int c) const;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyboardSearch(const QString&) override {}

private:
    TableModel* model_;
    bool syncing_ = false;
};

}  // namespace gui
