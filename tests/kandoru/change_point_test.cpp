#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/calc/profile.h"
#include "support/fake_ui.h"

using calc_testing::Cells;
using calc_testing::column;
using calc_testing::fill;
using calc_testing::rowCells;
using kandoru::Document;
using testing_support::FakeUi;

namespace {

// Two level routes of 40 m at 10.000 into the outlet 9 at 10.000, 250 mm pipes at 5 ‰.
Document twoRoutes() {
    Document doc;
    calc_testing::loadSections(doc);
    calc_testing::outletAndSettings(doc);
    doc.settings.outletGround = "10.000";
    fill(doc.fgrid1, {{"1", "40.000", "1", "10.000"}, {"2", "40.000", "1", "10.000"}});
    fill(doc.fgrid2, {{"1", "", "", "250", "5.000"}, {"2", "", "", "250", "5.000"}});
    return doc;
}

}  // namespace

TEST(Judanhenka, ChangePointWithoutCoverLowersTheSplitAndTheNextFollows) {
    Document doc = twoRoutes();
    fill(doc.fgrid4, {{"1", "20.000", "9.400", "1.000"}});
    FakeUi ui;
    kandoru::runCalculation(doc, ui);
    EXPECT_TRUE(ui.messages.empty());

    const auto& w = doc.fgrid6;
    EXPECT_EQ(column(w, 1, 1, 5), (Cells{"1", "1変", "2", "9", ""}));
    EXPECT_EQ(column(w, 2, 1, 4), (Cells{"20.000", "20.000", "40.000", ""}));
    EXPECT_EQ(column(w, 3, 1, 4), (Cells{"0.000", "20.000", "40.000", "80.000"}));
    EXPECT_EQ(rowCells(w, 2, 4, 11),
              (Cells{"9.400", "250", "5.000", "8.125", "", "", "", "1.000"}));
    // The pipe at the change point, 8.425, leaves 0.700 of cover: lowered to 8.125.
    EXPECT_EQ(rowCells(w, 1, 7, 10), (Cells{"8.225", "8.025", "1.500", "1.700"}));
    // The next split drops from the lowered end.
    EXPECT_EQ(rowCells(w, 3, 7, 10), (Cells{"8.005", "7.805", "1.720", "1.920"}));

    // Put back into the split table, FGrid8 and the manhole results.
    EXPECT_EQ(rowCells(doc.fgrid2, 1, 6, 9), (Cells{"8.225", "8.025", "1.500", "1.700"}));
    EXPECT_EQ(rowCells(doc.fgrid2, 2, 6, 9), (Cells{"8.005", "7.805", "1.720", "1.920"}));
    EXPECT_EQ(column(doc.fgrid8, 6, 1, 4), (Cells{"8.225", "8.125", "8.005", ""}));
    EXPECT_EQ(rowCells(doc.fgrid3, 1, 5, 8), (Cells{"", "1.900", "2.100", "1.775"}));
    EXPECT_EQ(rowCells(doc.fgrid3, 2, 5, 8), (Cells{"0.020", "2.120", "2.320", "1.995"}));
}

TEST(Judanhenka, SufficientCoverAndTypedInvertsLeaveTheSplit) {
    {
        Document doc = twoRoutes();
        fill(doc.fgrid4, {{"1", "20.000", "9.900", "1.000"}});
        FakeUi ui;
        kandoru::runCalculation(doc, ui);
        EXPECT_EQ(doc.fgrid6.text(2, 7), "8.425");
        EXPECT_EQ(rowCells(doc.fgrid2, 1, 6, 7), (Cells{"8.525", "8.325"}));
    }
    {  // A typed start stands; the change point gets its invert from that line.
        Document doc = twoRoutes();
        fill(doc.fgrid4, {{"1", "20.000", "9.400", "1.000"}});
        doc.fgrid2.setText(1, 6, "8.525");
        doc.setStartMark(1, "10");
        FakeUi ui;
        kandoru::runCalculation(doc, ui);
        EXPECT_EQ(rowCells(doc.fgrid2, 1, 6, 7), (Cells{"8.525", "8.325"}));
        EXPECT_EQ(doc.fgrid6.text(2, 7), "8.425");
        EXPECT_EQ(doc.fgrid2.text(2, 6), "8.305");
    }
}

TEST(Judanhenka, TwoChangePointsOfOneRoutePairInOrder) {
    Document doc = twoRoutes();
    fill(doc.fgrid4, {{"1", "30.000", "10.000", "1.000"}, {"1", "10.000", "9.400", "1.000"}});
    FakeUi ui;
    kandoru::runCalculation(doc, ui);
    EXPECT_EQ(column(doc.fgrid6, 1, 1, 4), (Cells{"1", "1変", "1変", "2"}));
    EXPECT_EQ(column(doc.fgrid8, 1, 1, 4), (Cells{"1", "1変", "1変", "2"}));
    // The change point at 10 m (9.400) governs: 8.125 there, the split from 8.175.
    EXPECT_EQ(column(doc.fgrid6, 7, 1, 3), (Cells{"8.175", "8.125", "8.025"}));
    EXPECT_EQ(column(doc.fgrid8, 6, 1, 3), (Cells{"8.175", "8.125", "8.025"}));
    EXPECT_EQ(doc.fgrid2.text(1, 7), "7.975");
}

TEST(Judanhenka, RunsWheneverAChangePointRowHasARoute) {
    Document doc = twoRoutes();
    FakeUi ui;
    kandoru::runCalculation(doc, ui);
    EXPECT_EQ(doc.fgrid6.text(1, 1), "");  // no change points: no pass
    doc.fgrid4.setText(3, 1, "1");         // below a blank row: no change point, but a pass
    kandoru::runCalculation(doc, ui);
    EXPECT_EQ(column(doc.fgrid6, 1, 1, 4), (Cells{"1", "2", "9", ""}));
    EXPECT_EQ(rowCells(doc.fgrid2, 2, 6, 7), (Cells{"8.305", "8.105"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Judanhenka, SingleSplitRowEndsAfterTheWorkTable) {
    Document doc;
    calc_testing::loadSections(doc);
    calc_testing::outletAndSettings(doc);
    fill(doc.fgrid2, {{"1", "40.000", "10.000", "250", "5.000"}});
    fill(doc.fgrid4, {{"1", "20.000", "9.400", "1.000"}});
    FakeUi ui;
    EXPECT_TRUE(kandoru::Judancalc(doc, ui));
    EXPECT_EQ(column(doc.fgrid6, 1, 1, 3), (Cells{"1", "1変", ""}));
    EXPECT_EQ(doc.fgrid6.text(2, 7), "");
}
