#include <gtest/gtest.h>

#include "kandoru/calc/calculation.h"
#include "kandoru/document.h"
#include "support/fake_ui.h"

using kandoru::Document;
using testing_support::FakeUi;

TEST(Document, StartsWithHeadingsMarksAndSettings) {
    Document doc;
    EXPECT_EQ(doc.fgrid1.text(0, 2), "路線長m");
    EXPECT_EQ(doc.fgrid2.text(0, 5), "勾配 ‰");
    EXPECT_EQ(doc.fgrid2.text(0, 10), "");
    EXPECT_EQ(doc.fgrid3.text(0, 8), "人孔深");
    EXPECT_EQ(doc.fgrid8.text(0, 5), "勾　配");
    EXPECT_EQ(doc.pipeCodes.text(0, 0), "管記号");
    EXPECT_EQ(doc.pipeCodes.text(1, 0), "");
    EXPECT_EQ(doc.fgrid2.text(1000, 0), "1000:");
    for (int r : {1, 500, 1000}) {
        EXPECT_EQ(doc.groundMark(r), 0);
        EXPECT_EQ(doc.startMark(r), "0");
        EXPECT_EQ(doc.fgrid2.text(r, kandoru::SplitCol::EndMark), "0");
    }
    EXPECT_EQ(doc.settings.formatField, "ダブルクリックしてください");
    EXPECT_EQ(doc.settings.manholeDrop, "0");
    EXPECT_EQ(doc.settings.hinterland, "0");
    EXPECT_EQ(doc.settings.minCover, "");
    EXPECT_EQ(doc.settings.digits, (std::array<std::string, 6>{"3", "2", "2", "2", "3", "2"}));
    EXPECT_TRUE(doc.moveRight);
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSettings);
}

TEST(Document, HeadingRoutinesClearAllButTheRouteAndSplitTables) {
    Document doc;
    doc.fgrid1.setText(1, 1, "1");
    doc.fgrid2.setText(1, 1, "1");
    doc.fgrid3.setText(1, 1, "1");
    doc.fgrid7.setText(1, 1, "1");
    kandoru::allMidasi(doc);
    EXPECT_EQ(doc.fgrid1.text(1, 1), "1");
    EXPECT_EQ(doc.fgrid2.text(1, 1), "1");
    EXPECT_EQ(doc.fgrid3.text(1, 1), "");
    EXPECT_EQ(doc.fgrid7.text(1, 1), "");
    EXPECT_EQ(doc.fgrid7.text(0, 3), "追加距離");
    EXPECT_EQ(doc.fgrid7.text(3, 0), "3:");
}

TEST(TabSwitch, RenamesTheOutletRouteOnceAboveTheFirstEmptyRow) {
    Document doc;
    FakeUi ui;
    doc.settings.outletRoute = "9";
    doc.setCurrentTab(kandoru::kTabRoutes, ui);  // remembers 9
    for (int r : {1, 2, 4}) doc.fgrid1.setText(r, 1, "9");
    doc.fgrid1.setText(2, 1, "5");
    doc.fgrid1.setText(1, 1, "9");
    // row 3 empty: row 4 is below the first empty route number
    doc.settings.outletRoute = "10";
    doc.setCurrentTab(kandoru::kTabSplit, ui);
    EXPECT_EQ(doc.fgrid1.text(1, 1), "10");
    EXPECT_EQ(doc.fgrid1.text(2, 1), "5");
    EXPECT_EQ(doc.fgrid1.text(4, 1), "9");
    doc.fgrid1.setText(2, 1, "9");
    doc.setCurrentTab(kandoru::kTabRoutes, ui);  // no change of the field: nothing renamed
    EXPECT_EQ(doc.fgrid1.text(2, 1), "9");
    EXPECT_EQ(ui.tabsShown, (std::vector<int>{1, 2, 1}));
}

TEST(TabSwitch, RewritesEveryGroundLevelThatCarriedTheOldOutletLevel) {
    Document doc;
    FakeUi ui;
    doc.settings.outletGround = "12.5";
    doc.setCurrentTab(kandoru::kTabRoutes, ui);
    doc.fgrid1.setText(1, 4, "12.500");
    doc.fgrid1.setText(2, 4, "11.000");
    doc.fgrid1.setText(3, 4, "12.500");
    doc.settings.outletGround = "13";
    doc.setCurrentTab(kandoru::kTabSettings, ui);
    EXPECT_EQ(doc.fgrid1.text(1, 4), "13.000");
    EXPECT_EQ(doc.fgrid1.text(2, 4), "11.000");
    EXPECT_EQ(doc.fgrid1.text(3, 4), "13.000");
    EXPECT_EQ(doc.rememberedOutletGround, "13");
}

TEST(TabSwitch, AFirstOutletLevelDoesNotOverwriteRoutesAtZero) {
    Document doc;
    FakeUi ui;
    doc.fgrid1.setText(1, 4, "0.000");
    doc.settings.outletGround = "12.5";
    doc.setCurrentTab(kandoru::kTabRoutes, ui);
    EXPECT_EQ(doc.fgrid1.text(1, 4), "0.000");
}

// A blank outlet level is not a level: nothing becomes 0.000, and the next real value
// reaches the rows that carried the last one.
TEST(TabSwitch, ABlankOutletLevelRewritesNothing) {
    struct Case {
        std::vector<std::string> typed;  // outlet level at each tab switch
        std::string outletRow;
    };
    const Case cases[] = {
        {{"10.8", "", "10.8"}, "10.800"},
        {{"10.8", "", "11"}, "11.000"},
        {{"10.8", "  ", "", "11"}, "11.000"},
        {{"10.8", "11"}, "11.000"},
        {{"10.8", ""}, "10.800"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        Document doc;
        FakeUi ui;
        doc.fgrid1.setText(1, 4, "9.000");
        doc.fgrid1.setText(2, 4, "10.800");  // the outlet row, as the split calculation wrote it
        int tab = kandoru::kTabSettings;
        for (const auto& level : c.typed) {
            doc.settings.outletGround = level;
            tab = tab == kandoru::kTabSettings ? kandoru::kTabRoutes : kandoru::kTabSettings;
            doc.setCurrentTab(tab, ui);
        }
        EXPECT_EQ(doc.fgrid1.text(1, 4), "9.000");
        EXPECT_EQ(doc.fgrid1.text(2, 4), c.outletRow);
    }
}

TEST(TabSwitch, SameTabRunsNoRulesButIsShown) {
    Document doc;
    FakeUi ui;
    doc.settings.outletRoute = "9";
    doc.setCurrentTab(kandoru::kTabSettings, ui);
    EXPECT_EQ(doc.rememberedOutletRoute, "");
    EXPECT_EQ(ui.tabsShown, (std::vector<int>{0}));
}

TEST(CalculationGate, ChecksFormatThenCoverThenDropAndLandsOnTabZero) {
    Document doc;
    FakeUi ui;
    doc.setCurrentTab(kandoru::kTabSplit, ui);
    doc.settings.minCover = "1.2";
    kandoru::runCalculation(doc, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "縦断図書式ファイル");
    EXPECT_EQ(ui.messages[0].text,
              "縦断図書式ファイルを読み込んでください。\r\n\r\n"
              "縦断図の書式の窓をダブルクリックしてください。");
    EXPECT_EQ(ui.messages[0].icon, common::Icon::Exclamation);
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSettings);

    doc.formatLoaded = true;
    doc.settings.minCover = "";
    doc.setCurrentTab(kandoru::kTabSplit, ui);
    kandoru::runCalculation(doc, ui);
    EXPECT_EQ(ui.messages.back().title, "最小土被りエラー");
    EXPECT_EQ(ui.messages.back().text, "最小土被りが未入力です。");
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSettings);

    doc.settings.minCover = "1.2";
    doc.settings.manholeDrop = "";
    kandoru::runCalculation(doc, ui);
    EXPECT_EQ(ui.messages.back().title, "人孔内の落差エラー");
    EXPECT_EQ(ui.messages.back().text, "人孔内の落差が未入力です。");
    EXPECT_EQ(ui.messages.size(), 3u);

    doc.settings.manholeDrop = "20";
    doc.settings.hinterland = "";
    kandoru::runCalculation(doc, ui);
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(doc.settings.hinterland, "0");
}
