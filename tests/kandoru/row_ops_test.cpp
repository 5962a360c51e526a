#include "kandoru/calc/row_ops.h"

#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "kandoru/calc/split.h"
#include "kandoru/commit.h"
#include "support/fake_ui.h"

using common::Icon;
using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ShownMessage;

namespace {

const ShownMessage kDeleteSelect{Icon::Exclamation, "行の選択", "削除する行を選択して下さい    "};
const ShownMessage kInsertSelect{Icon::Exclamation, "行の選択",
                                 "追加する直後の行を選択して下さい    "};
const ShownMessage kRefused{Icon::Exclamation, "行の挿入",
                            "表の最終行にデータがあるため、行を挿入できません。"};

std::string column(const common::Table& t, int col, int first, int last) {
    std::string s;
    for (int r = first; r <= last; ++r) s += (r > first ? "|" : "") + t.text(r, col);
    return s;
}

// Routes 1, 2, 3 (two splits) and the outlet 9, with their split rows.
Document chain() {
    Document doc;
    const char* routes[][2] = {{"1", "1"}, {"2", "1"}, {"3", "2"}, {"9", "1"}};
    for (int r = 0; r < 4; ++r) {
        doc.fgrid1.setText(r + 1, 1, routes[r][0]);
        doc.fgrid1.setText(r + 1, 3, routes[r][1]);
    }
    const char* labels[] = {"1", "2", "3", "3-1", "9"};
    for (int r = 0; r < 5; ++r) doc.fgrid2.setText(r + 1, 1, labels[r]);
    doc.setEndMark(5, "10");
    doc.settings.outletRoute = "9";
    return doc;
}

}  // namespace

TEST(RouteRowDelete, RemovesTheRoutesSplitRowsLoadedOrNot) {
    for (bool loaded : {true, false}) {
        Document doc = chain();
        doc.loadedFromFile = loaded;
        FakeUi ui;
        doc.fgrid1.setCurrentRow(3);
        ui.answers.push_back(true);
        kandoru::routeRowDelete(doc, ui);
        EXPECT_EQ(ui.questions.at(0),
                  (ShownMessage{Icon::Question, "データの消去",
                                "選択された 3 行目を 消去してもよろしいですか\r\n\r\n"
                                "消去すると元に戻すことは出来ません    "}));
        EXPECT_EQ(column(doc.fgrid1, 1, 1, 4), "1|2|9|");
        EXPECT_EQ(doc.fgrid1.currentRow(), 200);
        EXPECT_EQ(column(doc.fgrid2, 1, 1, 5), "1|2|9||");
        EXPECT_EQ(doc.endMark(3), "10");  // the outlet's mark moved up with its row
        EXPECT_EQ(doc.fgrid2.text(1000, kandoru::SplitCol::StartMark), "0");
        EXPECT_EQ(doc.fgrid2.currentRow(), 1000);
        kandoru::routeRowDelete(doc, ui);  // row 200 is current now: nothing selected
        EXPECT_EQ(ui.onlyMessage(), kDeleteSelect);
        EXPECT_EQ(column(doc.fgrid1, 1, 1, 3), "1|2|9");
    }
}

// After a delete the next split calculation gives each remaining route its own rows and
// lengths and the outlet one row, whether or not the document came from a file.
TEST(RouteRowDelete, TheNextSplitCalculationKeepsRoutesAndLengthsTogether) {
    for (bool loaded : {false, true}) {
        SCOPED_TRACE(loaded ? "opened from a file" : "typed in");
        Document doc;
        calc_testing::outletAndSettings(doc);
        calc_testing::fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"},
                                        {"2", "20.000", "2", "10.100"},
                                        {"3", "40.000", "1", "10.200"}});
        doc.loadedFromFile = loaded;
        FakeUi ui;
        ASSERT_EQ(kandoru::splitCalculation(doc, ui, kandoru::SplitButton::Split),
                  kandoru::SplitOutcome::Completed);
        ASSERT_EQ(column(doc.fgrid2, 1, 1, 6), "1|2|2-1|3|9|");
        doc.fgrid2.setText(2, 2, "12.000");  // lengths typed for route 2's splits
        doc.fgrid2.setText(3, 2, "8.000");
        doc.fgrid1.setCurrentRow(2);
        ui.answers = {true, true};  // delete; split again
        kandoru::routeRowDelete(doc, ui);
        ASSERT_EQ(kandoru::splitCalculation(doc, ui, kandoru::SplitButton::Split),
                  kandoru::SplitOutcome::Completed);
        EXPECT_EQ(column(doc.fgrid2, 1, 1, 6), "1|3|9|||");
        EXPECT_EQ(column(doc.fgrid2, 2, 1, 4), "30.000|40.000||");
        EXPECT_EQ(column(doc.fgrid2, 3, 1, 3), "10.000|10.200|10.500");
    }
}

TEST(RouteRowDelete, ALargerCountThanRowsRemovesOnlyTheRoutesRowsAndNoKeepsAll) {
    Document doc = chain();
    doc.loadedFromFile = true;
    doc.fgrid1.setText(3, 3, "5");
    doc.fgrid1.setCurrentRow(3);
    FakeUi ui;
    ui.answers = {false, true};
    kandoru::routeRowDelete(doc, ui);
    EXPECT_EQ(column(doc.fgrid1, 1, 1, 4), "1|2|3|9");
    EXPECT_EQ(doc.fgrid1.currentRow(), 3);
    kandoru::routeRowDelete(doc, ui);
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 4), "1|2|9|");
}

TEST(RouteRowDelete, AReservedSplitRowBelowMovesUpWithItsRows) {
    Document doc = chain();
    doc.loadedFromFile = true;
    FakeUi ui;
    ui.answers = {true, true};
    doc.fgrid1.setCurrentRow(4);  // a new route before the outlet 9
    kandoru::routeRowInsert(doc, ui);
    ASSERT_EQ(doc.reservedSplitRow, 5);
    doc.fgrid1.setCurrentRow(3);  // route 3 and its two split rows go
    kandoru::routeRowDelete(doc, ui);
    EXPECT_EQ(doc.reservedSplitRow, 3);
    kandoru::commitRoute(doc, ui, 3, 1, "8");
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 5), "1|2|8|9|");
}

TEST(RouteRowInsert, ReservesAnEmptySplitRowForTheNewRoute) {
    Document doc = chain();
    FakeUi ui;
    doc.reservedSplitRow = 40;
    doc.fgrid1.setCurrentRow(2);
    ui.answers.push_back(true);
    kandoru::routeRowInsert(doc, ui);
    EXPECT_EQ(ui.questions.at(0),
              (ShownMessage{Icon::Question, "データの挿入",
                            "選択された 2 行目 の直前に新しい行を挿入してもよろしいですか"}));
    EXPECT_EQ(column(doc.fgrid1, 1, 1, 3), "1||2");
    EXPECT_EQ(doc.fgrid1.text(2, 3), "1");
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 3), "1||2");
    EXPECT_EQ(doc.reservedSplitRow, 2);
    EXPECT_EQ(doc.startMark(2), "0");
    EXPECT_EQ(doc.endMark(6), "10");
    EXPECT_EQ(doc.fgrid1.currentRow(), 200);
    EXPECT_EQ(doc.fgrid2.currentRow(), 1000);
    kandoru::commitRoute(doc, ui, 2, 1, "1A");
    EXPECT_EQ(doc.fgrid2.text(2, 1), "1A");

    // Before a route without split rows: no split row, no reservation, no label written.
    doc.fgrid1.setText(5, 1, "8");
    doc.fgrid1.setCurrentRow(5);
    ui.answers.push_back(true);
    kandoru::routeRowInsert(doc, ui);
    EXPECT_FALSE(doc.reservedSplitRow);
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 7), "1|1A|2|3|3-1|9|");
    kandoru::commitRoute(doc, ui, 5, 1, "7");
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 7), "1|1A|2|3|3-1|9|");
    EXPECT_TRUE(ui.messages.empty());

    kandoru::routeRowInsert(doc, ui);
    EXPECT_EQ(ui.onlyMessage(), kInsertSelect);
}

TEST(RouteRowInsert, RefusesToPushDataOutOfEitherTable) {
    Document doc = chain();
    FakeUi ui;
    doc.fgrid1.setCurrentRow(2);
    doc.fgrid2.setText(1000, 5, "3.000");
    kandoru::routeRowInsert(doc, ui);
    doc.fgrid2.setText(1000, 5, "");
    doc.fgrid1.setText(200, 4, "1.000");
    kandoru::routeRowInsert(doc, ui);
    EXPECT_EQ(ui.messages, (std::vector<ShownMessage>{kRefused, kRefused}));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(column(doc.fgrid1, 1, 1, 3), "1|2|3");
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 3), "1|2|3");
    EXPECT_EQ(doc.fgrid1.currentRow(), 2);
}

TEST(ChangePointRows, DeleteAndInsertWithTheirQuestionsAndRefusals) {
    Document doc;
    FakeUi ui;
    for (int r = 1; r <= 3; ++r) doc.fgrid4.setText(r, 1, std::to_string(r));
    doc.fgrid4.setCurrentRow(2);
    ui.answers = {true};
    kandoru::changePointRowDelete(doc, ui);
    EXPECT_EQ(
        ui.questions.back(),
        (ShownMessage{
            Icon::Question, "データの消去",
            "選択行を消去してもよろしいですか\r\n\r\n消去すると元に戻すことは出来ません    "}));
    EXPECT_EQ(column(doc.fgrid4, 1, 1, 3), "1|3|");
    kandoru::changePointRowDelete(doc, ui);
    kandoru::changePointRowInsert(doc, ui);
    EXPECT_EQ(ui.messages, (std::vector<ShownMessage>{kDeleteSelect, kInsertSelect}));

    doc.fgrid4.setCurrentRow(1);
    ui.answers = {false, true};
    kandoru::changePointRowInsert(doc, ui);
    EXPECT_EQ(doc.fgrid4.currentRow(), 1);
    kandoru::changePointRowInsert(doc, ui);
    EXPECT_EQ(ui.questions.back(),
              (ShownMessage{Icon::Question, "データの挿入",
                            "選択行の直前に新しい行を挿入してもよろしいですか"}));
    EXPECT_EQ(column(doc.fgrid4, 1, 1, 3), "|1|3");
    EXPECT_EQ(doc.fgrid4.currentRow(), 200);

    doc.fgrid4.setText(200, 2, "5.000");
    doc.fgrid4.setCurrentRow(1);
    kandoru::changePointRowInsert(doc, ui);
    EXPECT_EQ(ui.messages.back(), kRefused);
    EXPECT_EQ(column(doc.fgrid4, 1, 1, 3), "|1|3");
}

TEST(CopyPipeAndGradient, FillsEmptyCellsDownToTheOutletOnly) {
    Document doc = chain();
    doc.fgrid2.setText(1, 5, "5.000");  // row 1 has a gradient but no pipe code
    doc.fgrid2.setText(2, 4, "VU200");
    doc.fgrid2.setText(4, 5, "3.000");  // filled cells stay
    kandoru::copyPipeAndGradient(doc);
    EXPECT_EQ(column(doc.fgrid2, 4, 1, 5), "|VU200|VU200|VU200|");
    EXPECT_EQ(column(doc.fgrid2, 5, 1, 5), "5.000|5.000|5.000|3.000|");

    // Without the outlet among the labels the copy ends at the first empty label.
    Document open;
    open.fgrid2.setText(1, 1, "1");
    open.fgrid2.setText(2, 1, "1-1");
    open.fgrid2.setText(1, 4, "VU250");
    open.settings.outletRoute = "9";
    kandoru::copyPipeAndGradient(open);
    EXPECT_EQ(column(open.fgrid2, 4, 1, 3), "VU250|VU250|");
    EXPECT_EQ(open.fgrid2.text(1000, 4), "");
}

TEST(NumberManholes, ByLabelAscendingAndDescending) {
    Document doc = chain();
    kandoru::numberManholes(doc, kandoru::ManholeNumbering::Descending);
    EXPECT_EQ(column(doc.fgrid3, 2, 1, 6), "No.5|No.4|No.3|No.2|No.1|");
    kandoru::numberManholes(doc, kandoru::ManholeNumbering::Ascending);
    EXPECT_EQ(column(doc.fgrid3, 2, 1, 5), "No.1|No.2|No.3|No.4|No.5");
    kandoru::numberManholes(doc, kandoru::ManholeNumbering::ByLabel);
    EXPECT_EQ(column(doc.fgrid3, 2, 1, 5), "No.1|No.2|No.3|No.3-1|No.9");
}

namespace {

// Split rows 1..n with length, gradient and the given pipe codes; manholes labelled alike.
Document withPipes(const std::vector<std::string>& codes) {
    Document doc;
    doc.formatLoaded = true;
    for (size_t i = 0; i < codes.size(); ++i) {
        int r = static_cast<int>(i) + 1;
        doc.fgrid2.setText(r, 1, "R" + std::to_string(r));
        doc.fgrid2.setText(r, 2, "10.000");
        doc.fgrid2.setText(r, 4, codes[i]);
        doc.fgrid2.setText(r, 5, "5.000");
        doc.fgrid3.setText(r, 1, "R" + std::to_string(r));
    }
    auto circ = [&](int r, const char* code, const char* d) {
        doc.format.circular.setText(r, 1, code);
        doc.format.circular.setText(r, 2, d);
    };
    circ(1, "P600", "0.600");
    circ(2, "P601", "0.601");
    circ(3, "P900", "0.900");
    circ(4, "P1300", "1.300");
    circ(5, "B", "0.300");
    doc.format.box.setText(1, 1, "B");
    doc.format.box.setText(1, 2, "1.000");  // a box height overrides the circular entry
    const char* types[][2] = {{"1号", "600"}, {"2号", "900"}, {"3号", "1200"}};
    for (int k = 0; k < 3; ++k) {
        doc.format.manholeTypes.setText(k + 1, 1, types[k][0]);
        doc.format.manholeTypes.setText(k + 1, 2, types[k][1]);
    }
    return doc;
}

}  // namespace

TEST(ManholeTypes, RangesAtTheirBoundariesAndTheOutletType) {
    Document doc = withPipes({"P600", "P601", "P900", "B", "P1300", "XX"});
    doc.fgrid3.setText(5, 3, "old");
    doc.fgrid3.setText(6, 3, "old");
    doc.fgrid3.setText(8, 1, "R9");
    doc.settings.outletRoute = "R9";
    doc.settings.outletManholeType = "特殊";
    FakeUi ui;
    kandoru::assignManholeTypes(doc, ui);
    EXPECT_EQ(column(doc.fgrid3, 3, 1, 8), "1号|2号|2号|3号|old|old||特殊");
    EXPECT_TRUE(ui.messages.empty());

    doc.format.manholeTypes.setText(2, 2, "大");
    kandoru::assignManholeTypes(doc, ui);
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Exclamation, "人孔種別",
                            "数値でないデータがあるため、処理しなかった行があります。"}));

    Document noFormat;
    FakeUi ui2;
    kandoru::assignManholeTypes(noFormat, ui2);
    EXPECT_EQ(ui2.onlyMessage().title, "縦断図書式ファイル");
    EXPECT_EQ(ui2.lastTab(), 0);
}

TEST(DropPipes, PlacedFromAManholeDropOf06ByTheDiameterLimits) {
    Document doc = withPipes({"P600", "P600", "P601", "P900", "P1300", "P600", "P600"});
    for (int n = 1; n <= 7; ++n) doc.format.setItem(n, std::to_string(n * 100));
    doc.format.setItem(1, "600");  // L1 600, L3 900 (item 3), L5 1200 (item 5)
    doc.format.setItem(3, "900");
    doc.format.setItem(5, "1200");
    const char* drops[] = {"0.6", "0.59", "1.000", "0.800", "2", "", "abc"};
    for (int r = 0; r < 7; ++r) doc.fgrid3.setText(r + 1, 5, drops[r]);
    doc.fgrid3.setText(2, 4, "keep");
    FakeUi ui;
    kandoru::setDropPipes(doc, ui, /*checked=*/true);
    EXPECT_EQ(column(doc.fgrid3, 4, 1, 7), "200|keep|400|400|700||");
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Exclamation, "副管",
                            "数値でないデータがあるため、処理しなかった行があります。"}));
    EXPECT_TRUE(doc.dropPipeChecked);

    kandoru::setDropPipes(doc, ui, /*checked=*/false);
    EXPECT_EQ(column(doc.fgrid3, 4, 1, 7), "||||||");
    EXPECT_FALSE(doc.dropPipeChecked);
}
