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

// Routes of 40 m in one split each at the given ground levels, into the outlet 9 at
// outletGround; every split with the pipe and gradient given.
Document profile(const std::vector<std::string>& grounds, const std::vector<std::string>& pipes,
                 const std::string& outletGround = "10.000",
                 const std::string& gradient = "5.000") {
    Document doc;
    calc_testing::loadSections(doc);
    calc_testing::outletAndSettings(doc);
    doc.settings.outletGround = outletGround;
    for (size_t i = 0; i < grounds.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        fill(doc.fgrid1, {{std::to_string(r), "40.000", "1", grounds[i]}}, r);
        fill(doc.fgrid2, {{std::to_string(r), "", "", pipes[i], gradient}}, r);
    }
    return doc;
}

// Start invert, end invert, start cover, end cover of split row r.
Cells inverts(const Document& doc, int r) { return rowCells(doc.fgrid2, r, 6, 9); }
// Drop, upper and lower excavation depth, manhole depth of manhole row r.
Cells manhole(const Document& doc, int r) { return rowCells(doc.fgrid3, r, 5, 8); }

void calculate(Document& doc, FakeUi& ui) { kandoru::runCalculation(doc, ui); }

}  // namespace

TEST(Judancalc, LevelGroundIsDesignedFromTheUpstreamEnd) {
    Document doc = profile({"10.000"}, {"250"});
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    // 10.000 - 1.200 - 0.250 - 0.025 = 8.525; 8.525 - 40 x 5 / 1000 = 8.325
    EXPECT_EQ(inverts(doc, 1), (Cells{"8.525", "8.325", "1.200", "1.400"}));
    // No hinterland: manhole 1 has no drop. Excavation to 8.525 - 0.025 - 0.100.
    EXPECT_EQ(manhole(doc, 1), (Cells{"", "1.600", "1.800", "1.475"}));
    EXPECT_EQ(doc.fgrid3.text(1, 1), "1");
    EXPECT_EQ(doc.fgrid3.text(2, 1), "9");
    EXPECT_EQ(doc.fgrid3.text(2, 8), "");  // the outlet's start invert is never computed
}

TEST(Judancalc, FallingGroundIsDesignedFromTheDownstreamEnd) {
    Document doc = profile({"12.000"}, {"250"});
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_EQ(inverts(doc, 1), (Cells{"8.725", "8.525", "3.000", "1.200"}));
    // Hinterland below the designed start lowers it and the end follows.
    doc.settings.hinterland = "8.6";
    calculate(doc, ui);
    EXPECT_EQ(inverts(doc, 1), (Cells{"8.600", "8.400", "3.120", "1.330"}));
    EXPECT_EQ(doc.fgrid3.text(1, 5), "0.000");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Judancalc, HinterlandOnAndOffUpstreamGoverned) {
    Document doc = profile({"10.000"}, {"250"});
    doc.settings.hinterland = "8.4";
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_EQ(inverts(doc, 1), (Cells{"8.400", "8.200", "1.330", "1.530"}));
    EXPECT_EQ(doc.fgrid3.text(1, 5), "0.000");
    doc.settings.hinterland = "9";  // above the designed start: no effect but the drop
    calculate(doc, ui);
    EXPECT_EQ(inverts(doc, 1), (Cells{"8.525", "8.325", "1.200", "1.400"}));
    EXPECT_EQ(doc.fgrid3.text(1, 5), "0.475");
    doc.settings.hinterland = "";  // the gate makes it 0: the drop of manhole 1 stays
    calculate(doc, ui);
    EXPECT_EQ(doc.settings.hinterland, "0");
    EXPECT_EQ(doc.fgrid3.text(1, 5), "0.475");
}

TEST(Judancalc, FollowingSplitDropsInTheManholeAndJoinsCrownsOnASizeIncrease) {
    {
        Document doc = profile({"10.000", "10.000"}, {"250", "250"});
        FakeUi ui;
        calculate(doc, ui);
        EXPECT_EQ(inverts(doc, 2), (Cells{"8.305", "8.105", "1.420", "1.620"}));
        EXPECT_EQ(manhole(doc, 2), (Cells{"0.020", "1.820", "2.020", "1.695"}));
    }
    {  // 300 after 250, its start 8.320 below the previous end 8.325: crowns level at 8.575.
        Document doc = profile({"10.000", "9.850"}, {"250", "300"});
        FakeUi ui;
        calculate(doc, ui);
        EXPECT_EQ(inverts(doc, 2), (Cells{"8.275", "8.075", "1.250", "1.600"}));
        EXPECT_EQ(doc.fgrid3.text(2, 5), "0.050");
    }
    {  // Downstream-governed: 9.700 - 1.530 + 0.200 = 8.370 lies above the previous end
        // 8.325, so it drops to 8.305 and the crowns are joined at 8.275.
        Document doc = profile({"10.000", "10.000"}, {"250", "300"}, "9.700");
        FakeUi ui;
        calculate(doc, ui);
        EXPECT_EQ(rowCells(doc.fgrid2, 2, 6, 7), (Cells{"8.275", "8.075"}));
    }
}

TEST(Judancalc, TypedInvertsStandAndTheOtherEndFollows) {
    Document doc = profile({"10.000", "10.000"}, {"250", "250"});
    fill(doc.fgrid2, {{"1", "", "", "250", "5.000", "8.000"}});
    doc.setStartMark(1, "10");
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_EQ(inverts(doc, 1), (Cells{"8.000", "7.800", "1.730", "1.920"}));
    EXPECT_EQ(inverts(doc, 2).at(0), "7.780");  // the next split drops from the typed line
    EXPECT_EQ(doc.fgrid3.text(2, 5), "0.020");

    doc.setStartMark(1, "0");
    doc.setEndMark(1, "10");
    doc.fgrid2.setText(1, 7, "8.100");
    calculate(doc, ui);
    EXPECT_EQ(inverts(doc, 1), (Cells{"8.300", "8.100", "1.420", "1.620"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Judancalc, BoxCulvertCodesAreValidSymbols) {
    Document doc = profile({"10.000"}, {"B1"});
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    // D 1.000 and top slab 0.200; excavation to start - 0.250 - 0.150.
    EXPECT_EQ(inverts(doc, 1), (Cells{"7.600", "7.400", "1.200", "1.400"}));
    EXPECT_EQ(manhole(doc, 1), (Cells{"", "2.800", "3.000", "2.400"}));
}

TEST(Judancalc, UnknownSymbolStopsBeforeAnyRowChanges) {
    Document doc = profile({"10.000", "10.000", "10.000"}, {"250", "250", "X"});
    for (int r = 1; r <= 3; ++r) doc.fgrid2.setText(r, 6, "old");
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Critical, "管記号エラー",
                            "管記号の　3　行目のコード名は登録されていません。"}));
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(doc.fgrid2.text(r, 6), "old");
    EXPECT_EQ(doc.fgrid3.text(1, 1), "");
}

TEST(Judancalc, StopsSilentlyAtASplitWithoutGradient) {
    Document doc = profile({"10.000", "10.000", "10.000"}, {"250", "250", "250"});
    doc.fgrid2.setText(2, 5, "");
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc.fgrid2.text(1, 6), "8.525");
    EXPECT_EQ(doc.fgrid2.text(2, 6), "");
    EXPECT_EQ(doc.fgrid3.text(2, 1), "2");
    EXPECT_EQ(doc.fgrid3.text(3, 1), "");  // the depths stop at the first blank start
}

TEST(Judancalc, ValueTooLargeStopsInsteadOfWritingInfinity) {
    Document doc = profile({"10.000", "10.000"}, {"250", "250"});
    doc.fgrid2.setText(2, 5, "1e39");
    FakeUi ui;
    calculate(doc, ui);
    EXPECT_EQ(ui.onlyMessage(), (ShownMessage{Icon::Critical, "データエラー",
                                              "数値が大きすぎます（分割データ　2行　5列）。"}));
    for (const auto* t : {&doc.fgrid2, &doc.fgrid3})
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= t->dataCols(); ++c) {
                EXPECT_EQ(t->text(r, c).find("inf"), std::string::npos);
                EXPECT_EQ(t->text(r, c).find("nan"), std::string::npos);
            }
    // A format value the same way.
    Document box = profile({"10.000"}, {"250"});
    box.format.circular.setText(2, 2, "1e40");
    FakeUi ui2;
    calculate(box, ui2);
    EXPECT_EQ(ui2.onlyMessage().text, "数値が大きすぎます（円形断面　2行　2列）。");
}
