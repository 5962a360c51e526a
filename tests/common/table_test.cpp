#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "common/table.h"
#include "common/ui.h"

using common::Table;

namespace {
Table filled(int rows, int cols) {
    Table t(rows, cols);
    for (int r = 1; r <= rows; ++r) t.setText(r, 1, "r" + std::to_string(r));
    return t;
}
}  // namespace

TEST(Table, SizeLabelsAndOutOfRangeCells) {
    Table t(200, 4);
    EXPECT_EQ(t.rows(), 201);
    EXPECT_EQ(t.cols(), 5);
    EXPECT_EQ(t.text(1, 0), "1:");
    EXPECT_EQ(t.text(200, 0), "200:");
    EXPECT_EQ(t.text(201, 1), "");
    EXPECT_EQ(t.text(-1, 1), "");
    t.setText(500, 1, "x");  // ignored
    t.setText(1, 9, "x");
    EXPECT_FALSE(t.rowHasText(1));
}

TEST(Table, RemoveRowShiftsUpAndAppendsAnEmptyRow) {
    Table t = filled(7, 2);
    t.setColor(6, 1, common::CellColor::Purple);
    t.removeRow(5);
    EXPECT_EQ(t.text(5, 1), "r6");
    EXPECT_EQ(t.color(5, 1), common::CellColor::Purple);
    EXPECT_EQ(t.text(6, 1), "r7");
    EXPECT_EQ(t.text(7, 1), "");
    EXPECT_EQ(t.text(7, 0), "7:");
    EXPECT_EQ(t.rows(), 8);
}

TEST(Table, InsertRowShiftsDownAndDropsTheLast) {
    Table t = filled(5, 1);
    EXPECT_FALSE(t.lastRowEmpty());
    t.insertRowBefore(3);
    EXPECT_EQ(t.text(3, 1), "");
    EXPECT_EQ(t.text(4, 1), "r3");
    EXPECT_EQ(t.text(5, 1), "r4");
    EXPECT_EQ(t.text(5, 0), "5:");
    EXPECT_EQ(t.rows(), 6);
    EXPECT_TRUE(t.lastRowEmpty() == false);
}

TEST(Table, SortIsStableAndRelabels) {
    Table t(5, 2);
    const char* labels[] = {"", "a", "b", "c", "d", "e"};
    const char* keys[] = {"", "3", "1", "3", "1", "2"};
    for (int r = 1; r <= 5; ++r) {
        t.setText(r, 1, labels[r]);
        t.setText(r, 2, keys[r]);
    }
    t.sortRows(1, 5, [](const Table::Row& a, const Table::Row& b) { return a[2] < b[2]; });
    std::string order;
    for (int r = 1; r <= 5; ++r) order += t.text(r, 1);
    EXPECT_EQ(order, "bdeac");
    EXPECT_EQ(t.text(3, 0), "3:");
}

// Colours travel with their rows through every row operation; a row that comes in is black.
TEST(Table, ColoursFollowTheirRows) {
    using Cells = std::set<std::pair<int, int>>;
    const auto byLabel = [](bool descending) {
        return [descending](const Table::Row& a, const Table::Row& b) {
            return descending ? a[1] > b[1] : a[1] < b[1];
        };
    };
    struct Case {
        const char* name;
        std::function<void(Table&)> op;
        Cells purple;
    };
    const Case cases[] = {
        {"remove a middle row", [](Table& t) { t.removeRow(3); }, {{1, 1}, {5, 3}}},
        {"remove the last row", [](Table& t) { t.removeRow(6); }, {{1, 1}, {3, 2}}},
        {"insert before the first", [](Table& t) { t.insertRowBefore(1); }, {{2, 1}, {4, 2}}},
        {"insert before the last", [](Table& t) { t.insertRowBefore(6); }, {{1, 1}, {3, 2}}},
        {"sort all rows",
         [&](Table& t) { t.sortRows(1, 6, byLabel(true)); },
         {{6, 1}, {4, 2}, {1, 3}}},
        {"sort part of the rows",
         [&](Table& t) { t.sortRows(3, 6, byLabel(true)); },
         {{1, 1}, {6, 2}, {3, 3}}},
    };
    for (const auto& c : cases) {
        Table t = filled(6, 3);
        for (auto [r, col] : Cells{{1, 1}, {3, 2}, {6, 3}})
            t.setColor(r, col, common::CellColor::Purple);
        c.op(t);
        Cells purple;
        for (int r = 0; r < t.rows(); ++r)
            for (int col = 0; col < t.cols(); ++col)
                if (t.color(r, col) == common::CellColor::Purple) purple.insert({r, col});
        EXPECT_EQ(purple, c.purple) << c.name;
    }
}

TEST(Table, RevisionMovesOnlyOnRealChanges) {
    Table t(3, 2);
    auto r0 = t.revision();
    t.setText(1, 1, "");
    EXPECT_EQ(t.revision(), r0);
    t.setText(1, 1, "x");
    EXPECT_GT(t.revision(), r0);
}

TEST(Table, CurrentCellStaysInTheDataArea) {
    Table t(200, 4);
    t.setCurrent(0, 0);
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_EQ(t.currentCol(), 1);
    t.setCurrent(999, 9);
    EXPECT_EQ(t.currentRow(), 200);
    EXPECT_EQ(t.currentCol(), 4);
    Table list(100, 0);
    list.setCurrent(5, 3);
    EXPECT_EQ(list.currentCol(), 0);
}

TEST(Ui, OneLineTurnsEachLineBreakIntoOneBlank) {
    EXPECT_EQ(common::oneLine("a\r\n\r\nb"), "a  b");
    EXPECT_EQ(common::oneLine("a\r\rb\nc"), "a  b c");
}
