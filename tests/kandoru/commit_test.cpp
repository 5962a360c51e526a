#include "kandoru/commit.h"

#include <gtest/gtest.h>

#include "kandoru/calc/row_ops.h"
#include "support/fake_ui.h"

using common::CellColor;
using kandoru::Document;
using testing_support::FakeUi;

namespace {

void route(Document& doc, int r, const std::string& no, const std::string& count) {
    doc.fgrid1.setText(r, 1, no);
    doc.fgrid1.setText(r, 3, count);
}

// Split labels of rows first..last joined with "|".
std::string labels(const Document& doc, int first, int last) {
    std::string s;
    for (int r = first; r <= last; ++r) s += (r > first ? "|" : "") + doc.fgrid2.text(r, 1);
    return s;
}

}  // namespace

TEST(CommitRoute, FormatsNumbersAndKeepsTheSplitCountAtLeastOne) {
    Document doc;
    FakeUi ui;
    kandoru::commitRoute(doc, ui, 1, 2, "");
    kandoru::commitRoute(doc, ui, 1, 4, "12.5abc");
    EXPECT_EQ(doc.fgrid1.text(1, 2), "0.000");
    EXPECT_EQ(doc.fgrid1.text(1, 4), "12.500");
    EXPECT_EQ(doc.fgrid1.text(1, 3), "");  // no route number yet
    for (const char* typed : {"0", "-2", "", "x"}) {
        kandoru::commitRoute(doc, ui, 2, 3, typed);
        EXPECT_EQ(doc.fgrid1.text(2, 3), "1") << typed;
    }
    kandoru::commitRoute(doc, ui, 3, 1, "A1");
    EXPECT_EQ(doc.fgrid1.text(3, 3), "1");
    kandoru::commitRoute(doc, ui, 3, 3, "3");  // old count 1: no split rows exist yet
    EXPECT_EQ(doc.fgrid1.text(3, 3), "3");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CommitRoute, ChangingACountWhoseOldCellWasEmptyChangesOnlyTheCell) {
    Document doc;
    FakeUi ui;
    doc.fgrid1.setText(1, 1, "1");  // count cell left empty
    doc.fgrid2.setText(1, 1, "1");
    doc.fgrid2.setText(2, 1, "2");
    doc.reservedSplitRow = 5;
    kandoru::commitRoute(doc, ui, 1, 3, "3");
    EXPECT_EQ(doc.fgrid1.text(1, 3), "3");
    EXPECT_EQ(labels(doc, 1, 3), "1|2|");
    EXPECT_EQ(doc.reservedSplitRow, 5);  // no adjustment ran
}

TEST(CommitRoute, RouteNumberFillsTheReservedSplitRowOnce) {
    Document doc;
    FakeUi ui;
    doc.fgrid2.setText(1, 1, "1");
    doc.reservedSplitRow = 2;
    kandoru::commitRoute(doc, ui, 2, 1, "1A");
    EXPECT_EQ(doc.fgrid2.text(2, 1), "1A");
    EXPECT_FALSE(doc.reservedSplitRow);
    kandoru::commitRoute(doc, ui, 3, 1, "1B");
    EXPECT_EQ(doc.fgrid2.text(3, 1), "");
    // A reserved row that got a label meanwhile is left alone, the reservation still goes.
    doc.reservedSplitRow = 1;
    kandoru::commitRoute(doc, ui, 4, 1, "9");
    EXPECT_EQ(doc.fgrid2.text(1, 1), "1");
    EXPECT_FALSE(doc.reservedSplitRow);
}

TEST(CommitRoute, RaisingAndLoweringTheCountAdjustsTheRoutesSplitRows) {
    Document doc;
    FakeUi ui;
    route(doc, 1, "1", "1");
    route(doc, 2, "2", "2");
    route(doc, 3, "9", "1");
    for (auto [r, label] : {std::pair{1, "1"}, {2, "2"}, {3, "2-1"}, {4, "9"}})
        doc.fgrid2.setText(r, 1, label);
    doc.fgrid2.setText(3, 4, "VU200");
    doc.setEndMark(3, "10");
    doc.fgrid2.setColor(3, 7, CellColor::Purple);
    doc.reservedSplitRow = 7;
    doc.fgrid1.setCurrentRow(5);  // the click that ended the edit went elsewhere

    kandoru::commitRoute(doc, ui, 2, 3, "4");
    EXPECT_EQ(doc.fgrid1.text(2, 3), "4");
    EXPECT_EQ(labels(doc, 1, 7), "1|2|||2-1|9|");
    EXPECT_EQ(doc.endMark(5), "10");  // the marks and colours moved with their row
    EXPECT_EQ(doc.fgrid2.color(5, 7), CellColor::Purple);
    EXPECT_EQ(doc.fgrid2.text(5, 4), "VU200");
    EXPECT_EQ(doc.startMark(3), "0");  // inserted rows carry free marks, never blanks
    EXPECT_EQ(doc.fgrid2.text(3, kandoru::SplitCol::GroundMark), "0");
    EXPECT_FALSE(doc.reservedSplitRow);
    EXPECT_EQ(doc.fgrid2.currentRow(), 1000);

    doc.fgrid2.setText(2, 2, "30.000");
    kandoru::commitRoute(doc, ui, 2, 3, "2");
    EXPECT_EQ(labels(doc, 1, 4), "1|2|2-1|9");
    EXPECT_EQ(doc.fgrid2.text(2, 2), "0");
    EXPECT_EQ(doc.endMark(3), "10");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CommitRoute, LoweringNeverRemovesTheNextRoutesRows) {
    Document doc;
    FakeUi ui;
    route(doc, 1, "3", "4");  // the count says 4, but only 3 and 3-1 exist
    for (auto [r, label] : {std::pair{1, "3"}, {2, "3-1"}, {3, "5"}, {4, "5-1"}})
        doc.fgrid2.setText(r, 1, label);
    kandoru::commitRoute(doc, ui, 1, 3, "1");
    EXPECT_EQ(labels(doc, 1, 4), "3|5|5-1|");
}

TEST(CommitRoute, RaisingThatWouldPushDataOutOfTheSplitTableIsRefused) {
    Document doc;
    FakeUi ui;
    route(doc, 1, "1", "2");
    doc.fgrid2.setText(1, 1, "1");
    doc.fgrid2.setText(2, 1, "1-1");
    doc.fgrid2.setText(999, 4, "VU200");  // two rows from the end: raising by 2 would drop it
    doc.reservedSplitRow = 3;
    kandoru::commitRoute(doc, ui, 1, 3, "4");
    EXPECT_EQ(ui.onlyMessage(), (testing_support::ShownMessage{
                                    common::Icon::Exclamation, "行の挿入",
                                    "表の最終行にデータがあるため、行を挿入できません。"}));
    EXPECT_EQ(doc.fgrid1.text(1, 3), "2");
    EXPECT_EQ(labels(doc, 1, 3), "1|1-1|");
    EXPECT_EQ(doc.fgrid2.text(999, 4), "VU200");
    EXPECT_EQ(doc.reservedSplitRow, 3);
    kandoru::commitRoute(doc, ui, 1, 3, "3");  // one row still fits
    EXPECT_EQ(labels(doc, 1, 4), "1||1-1|");
    EXPECT_EQ(doc.fgrid2.text(1000, 4), "VU200");
}

TEST(CommitOtherTables, ChangePointsFormatTheirNumbersManholesKeepTheText) {
    Document doc;
    kandoru::commitChangePoint(doc, 1, 1, "3-1");
    kandoru::commitChangePoint(doc, 1, 2, "20");
    kandoru::commitChangePoint(doc, 1, 3, "");
    kandoru::commitChangePoint(doc, 1, 4, "1.2345");
    EXPECT_EQ(doc.fgrid4.row(1), (common::Table::Row{"1:", "3-1", "20.000", "0.000", "1.235"}));
    kandoru::commitManhole(doc, 2, 2, "No.1 ");
    kandoru::commitManhole(doc, 2, 5, "abc");
    EXPECT_EQ(doc.fgrid3.text(2, 2), "No.1 ");
    EXPECT_EQ(doc.fgrid3.text(2, 5), "abc");
}

TEST(CommitSplit, NumbersAreFormattedAndTextColumnsKeptAsTyped) {
    Document doc;
    kandoru::commitSplit(doc, 4, 2, "15");
    kandoru::commitSplit(doc, 4, 5, "x");
    kandoru::commitSplit(doc, 4, 4, "VU200");
    kandoru::commitSplit(doc, 4, 8, "1.2");
    EXPECT_EQ(doc.fgrid2.text(4, 2), "15.000");
    EXPECT_EQ(doc.fgrid2.text(4, 5), "0.000");
    EXPECT_EQ(doc.fgrid2.text(4, 4), "VU200");
    EXPECT_EQ(doc.fgrid2.text(4, 8), "1.2");
    kandoru::commitSplit(doc, 4, kandoru::SplitCol::StartMark, "abc");
    EXPECT_EQ(doc.startMark(4), "0");
}

TEST(CommitSplit, TypedGroundLevelIsFixedExceptOnARoutesFirstSplit) {
    Document doc;
    doc.fgrid1.setText(1, 1, "1");
    doc.fgrid1.setText(1, 4, "10.5");
    doc.fgrid2.setText(1, 1, "1");
    doc.fgrid2.setText(2, 1, "1-1");
    kandoru::commitSplit(doc, 2, 3, "11.2");
    EXPECT_EQ(doc.fgrid2.text(2, 3), "11.200");
    EXPECT_EQ(doc.fgrid2.color(2, 3), CellColor::Purple);
    EXPECT_EQ(doc.groundMark(2), 10);
    EXPECT_EQ(doc.fgrid2.text(2, kandoru::SplitCol::GroundMark), "10");
    kandoru::commitSplit(doc, 1, 3, "11.2");
    EXPECT_EQ(doc.fgrid2.text(1, 3), "10.500");
    EXPECT_EQ(doc.fgrid2.color(1, 3), CellColor::Black);
    EXPECT_EQ(doc.groundMark(1), 0);
    kandoru::releaseFixed(doc, 2, 3);
    EXPECT_EQ(doc.fgrid2.color(2, 3), CellColor::Black);
    EXPECT_EQ(doc.fgrid2.text(2, kandoru::SplitCol::GroundMark), "0");
    EXPECT_EQ(doc.fgrid2.text(2, 3), "11.200");
}

TEST(CommitSplit, FixingOneInvertReleasesTheOtherAndABlankReleasesItself) {
    Document doc;
    kandoru::commitSplit(doc, 3, 6, "8.5");
    EXPECT_EQ(doc.fgrid2.text(3, 6), "8.500");
    EXPECT_EQ(doc.fgrid2.color(3, 6), CellColor::Purple);
    EXPECT_EQ(doc.startMark(3), "10");
    EXPECT_EQ(doc.endMark(3), "0");
    kandoru::commitSplit(doc, 3, 7, "8.3");
    EXPECT_EQ(doc.fgrid2.color(3, 7), CellColor::Purple);
    EXPECT_EQ(doc.fgrid2.color(3, 6), CellColor::Black);
    EXPECT_EQ(doc.startMark(3), "0");
    EXPECT_EQ(doc.endMark(3), "10");
    kandoru::commitSplit(doc, 3, 7, "");
    EXPECT_EQ(doc.fgrid2.text(3, 7), "0.000");
    EXPECT_EQ(doc.fgrid2.color(3, 7), CellColor::Black);
    EXPECT_EQ(doc.endMark(3), "0");

    kandoru::commitSplit(doc, 4, 6, "7");
    kandoru::releaseFixed(doc, 4, 6);
    EXPECT_EQ(doc.startMark(4), "0");
    EXPECT_EQ(doc.fgrid2.color(4, 6), CellColor::Black);
    EXPECT_EQ(doc.fgrid2.text(4, 6), "7.000");
}
