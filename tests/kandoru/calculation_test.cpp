#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "kandoru/calc/calculation.h"
#include "support/fake_ui.h"

using calc_testing::Cells;
using calc_testing::fill;
using calc_testing::rowCells;
using common::Icon;
using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ShownMessage;

namespace {

Document ready() {
    Document doc;
    calc_testing::loadSections(doc);
    calc_testing::outletAndSettings(doc);
    doc.settings.outletGround = "10.000";
    fill(doc.fgrid1, {{"1", "40.000", "2", "10.000"}});
    fill(doc.fgrid2, {{"1", "20.000", "", "250", "5.000"}, {"1-1", "20.000", "", "250", "5.000"}});
    return doc;
}

}  // namespace

TEST(CalculationGate, ChecksFormatCoverAndDropInThatOrder) {
    Document doc = ready();
    doc.formatLoaded = false;
    doc.settings.minCover = "";
    doc.settings.manholeDrop = "";
    doc.settings.hinterland = "";
    const std::vector<ShownMessage> expected = {
        {Icon::Exclamation, "縦断図書式ファイル",
         "縦断図書式ファイルを読み込んでください。\r\n\r\n縦断図の書式の窓をダブルクリックしてくだ"
         "さい。"},
        {Icon::Exclamation, "最小土被りエラー", "最小土被りが未入力です。"},
        {Icon::Exclamation, "人孔内の落差エラー", "人孔内の落差が未入力です。"}};
    for (int step = 0; step < 3; ++step) {
        FakeUi ui;
        doc.setCurrentTab(kandoru::kTabSplit, ui);
        kandoru::runCalculation(doc, ui);
        EXPECT_EQ(ui.onlyMessage(), expected[static_cast<size_t>(step)]);
        EXPECT_EQ(doc.currentTab(), kandoru::kTabSettings);
        EXPECT_EQ(doc.fgrid2.text(1, 6), "");
        EXPECT_EQ(doc.settings.hinterland, "");
        if (step == 0) doc.formatLoaded = true;
        if (step == 1) doc.settings.minCover = "1.2";
    }
    doc.settings.manholeDrop = "20";
    FakeUi ui;
    kandoru::runCalculation(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc.settings.hinterland, "0");
    EXPECT_EQ(rowCells(doc.fgrid2, 1, 6, 7), (Cells{"8.525", "8.425"}));
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSplit);
}

TEST(CalculationGate, NothingHappensWhenTheFirstSplitIsTheOutlet) {
    Document doc = ready();
    fill(doc.fgrid2, {{"9", "", "", "250", "5.000"}});
    Document before = doc;
    FakeUi ui;
    kandoru::runCalculation(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.tabsShown.empty());
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(rowCells(doc.fgrid2, r, 1, 9), rowCells(before.fgrid2, r, 1, 9));
}

TEST(Calculation, SplitPathNeverAsksAndTheMainPassRunsAfterItsMessages) {
    Document doc = ready();
    doc.splitDataMark = true;
    doc.fgrid2.setText(2, 2, "25.000");  // 45 m of splits on a 40 m route
    doc.fgrid2.setText(1, 3, "10.000");
    doc.fgrid2.setText(2, 3, "9.950");
    FakeUi ui;
    kandoru::runCalculation(doc, ui);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(ui.onlyMessage().title, "路線距離エラー");
    // The ground levels stay as they were, the inverts are designed on them.
    EXPECT_EQ(doc.fgrid2.text(2, 3), "9.950");
    EXPECT_EQ(rowCells(doc.fgrid2, 1, 6, 7), (Cells{"8.525", "8.425"}));
}
