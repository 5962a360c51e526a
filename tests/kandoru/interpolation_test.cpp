#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "kandoru/calc/split.h"
#include "support/fake_ui.h"

using calc_testing::Cells;
using calc_testing::column;
using calc_testing::fill;
using common::Icon;
using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ShownMessage;

namespace {

// Route 1 of 30 m at ground 10.000 split 15 + 15, into the outlet 9 at 10.500.
Document twoSplits() {
    Document doc;
    calc_testing::outletAndSettings(doc);
    fill(doc.fgrid1, {{"1", "30.000", "2", "10.000"}});
    fill(doc.fgrid2, {{"1", "15.000", ""}, {"1-1", "15.000", ""}});
    return doc;
}

void ground(Document& doc, FakeUi& ui) {
    EXPECT_EQ(kandoru::splitCalculation(doc, ui, kandoru::SplitButton::Ground),
              kandoru::SplitOutcome::Completed);
}

}  // namespace

TEST(Hokan, InterpolatesWithTheRoundedGradient) {
    Document doc = twoSplits();
    FakeUi ui;
    ground(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc.fgrid8.text(2, 5), "1.667");
    // 10.000 + 1.667 x 15 / 100 = 10.25005
    EXPECT_EQ(column(doc.fgrid2, 3, 1, 3), (Cells{"10.000", "10.250", "10.500"}));
    // FGrid5 is rebuilt after the write-back: the drawing sees the interpolated level.
    EXPECT_EQ(column(doc.fgrid5, 3, 1, 3), (Cells{"10.000", "10.250", "10.500"}));

    doc.settings.digits[kandoru::kDigitGradient] = "1";  // read afresh by every run
    ground(doc, ui);
    EXPECT_EQ(doc.fgrid8.text(2, 5), "1.700");
    EXPECT_EQ(doc.fgrid2.text(2, 3), "10.300");  // 10.255 with one decimal as well
}

TEST(Hokan, ChangePointBendsTheGroundLine) {
    Document doc = twoSplits();
    fill(doc.fgrid4, {{"1", "20.000", "12.000", "1.000"}});
    FakeUi ui;
    ground(doc, ui);
    EXPECT_EQ(column(doc.fgrid8, 5, 2, 3), (Cells{"10.000", "-15.000"}));
    EXPECT_EQ(column(doc.fgrid2, 3, 1, 3), (Cells{"10.000", "11.500", "10.500"}));
    EXPECT_EQ(column(doc.fgrid5, 1, 1, 4), (Cells{"1", "1-1", "1変", "9"}));
    EXPECT_EQ(column(doc.fgrid5, 3, 1, 4), (Cells{"10.000", "11.500", "12.000", "10.500"}));
}

TEST(Hokan, SplitPointOnAChangePointKeepsItsOrderAndTakesItsLevel) {
    Document doc = twoSplits();
    fill(doc.fgrid4, {{"1", "15.000", "12.000", "1.000"}});
    FakeUi ui;
    ground(doc, ui);
    EXPECT_EQ(column(doc.fgrid5, 1, 1, 4), (Cells{"1", "1-1", "1変", "9"}));
    EXPECT_EQ(column(doc.fgrid5, 2, 2, 3), (Cells{"15.000", "15.000"}));
    EXPECT_EQ(doc.fgrid2.text(2, 3), "12.000");
}

TEST(Hokan, TypedLevelsStandAndZeroLengthSplitsHaveNone) {
    Document doc;
    calc_testing::outletAndSettings(doc);
    fill(doc.fgrid1, {{"1", "30.000", "3", "10.000"}});
    fill(doc.fgrid2, {{"1", "15.000", ""}, {"1-1", "15.000", "10.400"}, {"1-2", "0.000", "9.000"}});
    doc.setGroundMark(2, 10);
    doc.setGroundMark(3, 10);
    FakeUi ui;
    ground(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(column(doc.fgrid2, 3, 1, 4), (Cells{"10.000", "10.400", "0.000", "10.500"}));
    ground(doc, ui);  // and again
    EXPECT_EQ(column(doc.fgrid2, 3, 1, 4), (Cells{"10.000", "10.400", "0.000", "10.500"}));
}

TEST(Hokan, LengthsAddUpToTheMillimetre) {
    Document doc;
    calc_testing::outletAndSettings(doc);
    // 3 x 10.100 is 30.300001 in single precision, 30.300 is 30.299999.
    fill(doc.fgrid1, {{"1", "30.300", "3", "10.000"},
                      {"2", "20.000", "2", "9.000"},
                      {"3", "5.000", "2", "9.000"}});
    fill(doc.fgrid2, {{"1", "10.100", ""},
                      {"1-1", "10.100", ""},
                      {"1-2", "10.100", ""},
                      {"2", "10.000", ""},
                      {"2-1", "10.001", "8.000"},
                      {"3", "5.000", "7.000"},
                      {"3-1", "1.000", "6.000"}});
    FakeUi ui;
    ground(doc, ui);
    // Every route that does not add up is named; the levels stay as they were.
    EXPECT_EQ(ui.messages, (std::vector<ShownMessage>{
                               {Icon::Critical, "路線距離エラー",
                                "路線番号 2 の路線合計が、路線ﾃﾞｰﾀの路線長と合致しません。"},
                               {Icon::Critical, "路線距離エラー",
                                "路線番号 3 の路線合計が、路線ﾃﾞｰﾀの路線長と合致しません。"}}));
    EXPECT_EQ(column(doc.fgrid2, 3, 5, 7), (Cells{"8.000", "7.000", "6.000"}));
}
