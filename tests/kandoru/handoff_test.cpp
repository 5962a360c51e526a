#include <gtest/gtest.h>

#include "common/rendezvous.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "kandoru/files/handoff.h"
#include "support/fake_ui.h"
#include "support/golden.h"

using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ScopedHome;
using testing_support::TempDir;

namespace {

void fillRow(common::Table& t, int r, const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) t.setText(r, static_cast<int>(c) + 1, cells[c]);
}

// Two routes and the outlet after a calculation, with a small format.
Document smallDocument() {
    Document doc;
    fillRow(doc.fgrid1, 1, {"1", "50.000", "2", "12.500"});
    fillRow(doc.fgrid1, 2, {"2", "30.000", "1", "11.800"});
    fillRow(doc.fgrid1, 3, {"3", "0.000", "1", "11.200"});
    fillRow(doc.fgrid2, 1, {"1", "25.000", "12.500", "VU200", "5.0", "11.300", "11.175", "1.200", "0.975"});
    fillRow(doc.fgrid2, 2, {"1-1", "25.000", "12.150", "VU200", "5.0", "11.145", "11.020", "1.005", "0.780"});
    fillRow(doc.fgrid2, 3, {"2", "30.000", "11.800", "VU250", "4.0", "10.990", "10.870", "0.810", "0.330"});
    fillRow(doc.fgrid2, 4, {"3", "", "11.200", "", "", "", "", "", ""});
    fillRow(doc.fgrid4, 1, {"1", "10.000", "12.400", ""});
    fillRow(doc.fgrid3, 1, {"1", "No.1", "1号", "", "", "1.520", "1.520", "1.620"});
    fillRow(doc.fgrid3, 2, {"1-1", "No.2", "1号", "150", "0.600", "1.425", "1.455", "1.555"});
    fillRow(doc.fgrid3, 3, {"2", "No.3", "1号", "", "", "1.130", "1.260", "1.360"});
    fillRow(doc.fgrid3, 4, {"3", "No.4", "2号", "", "", "0.650", "", "0.750"});
    fillRow(doc.fgrid7, 1, {"1", "25.000", "0.000", "12.500"});
    fillRow(doc.fgrid7, 2, {"1-1", "25.000", "25.000", "12.150"});
    fillRow(doc.fgrid7, 3, {"2", "30.000", "50.000", "11.800"});
    fillRow(doc.fgrid7, 4, {"3", "", "80.000", "11.200"});
    fillRow(doc.fgrid8, 1, {"1", "10.000", "0.000", "12.500", "5.0", "11.300", "1.200"});
    fillRow(doc.fgrid8, 2, {"1変", "40.000", "10.000", "12.400", "5.0", "11.250", "1.150"});
    fillRow(doc.fgrid5, 1, {"1", "0.000", "12.500"});
    fillRow(doc.fgrid5, 2, {"1変", "10.000", "12.400"});
    fillRow(doc.format.circular, 1, {"VU200", "0.200", "0.011", "0.150"});
    fillRow(doc.format.circular, 2, {"VU250", "0.250", "0.013", "0.150"});
    fillRow(doc.format.box, 1, {"□1000", "1.000", "0.150", "0.150", "0.200"});
    fillRow(doc.format.manholeTypes, 1, {"1号", "600"});
    fillRow(doc.format.manholeTypes, 2, {"2号", "900"});
    for (int n = 1; n <= 91; ++n) doc.format.setItem(n, std::to_string(n * 10));
    doc.format.setItem(62, "#TRUE#");
    doc.format.setItem(63, "#FALSE#");
    doc.format.setItem(67, "1");
    doc.format.setItem(70, "");  // left empty by a faulty intake: still written "0"
    doc.format.setItem(73, "下水\"本管\"");
    doc.formatLoaded = true;
    doc.settings.projectName = "○○地区 汚水管渠";
    doc.settings.formatField = "標準.osb";
    doc.settings.outletRoute = "3";
    doc.settings.outletGround = "11.200";
    doc.settings.outletManholeType = "2号";
    doc.settings.minCover = "1.2";
    doc.settings.manholeDrop = "20";
    doc.settings.kutter = true;
    doc.settings.crownJoint = false;
    doc.settings.digits = {"1", "2", "3", "2", "3", "2"};
    return doc;
}

}  // namespace

TEST(TempSave, EmptyDocumentHasEveryLineInPlace) {
    Document doc;
    auto lines = kandoru::handoffLines(doc);
    ASSERT_EQ(lines.size(), 6519u);
    auto at = [&](int n) { return lines[static_cast<size_t>(n - 1)]; };
    EXPECT_EQ(at(1), R"(1,"","","","")");
    EXPECT_EQ(at(200), R"(200,"","","","")");
    EXPECT_EQ(at(201), R"(1,"","","","","","","","","","","","","")");
    EXPECT_EQ(at(1200), R"(1000,"","","","","","","","","","","","","")");
    EXPECT_EQ(at(1201), R"(1,"","","","")");
    EXPECT_EQ(at(1401), R"(1,"","","","","","","","")");
    EXPECT_EQ(at(2401), R"(1,"","","","")");
    EXPECT_EQ(at(3401), R"(1,"","","","","","","")");
    EXPECT_EQ(at(4401), R"(1,"","","")");
    EXPECT_EQ(at(5400), R"(1000,"","","")");
    for (int n : {5401, 5800, 5801, 6300, 6301, 6500}) EXPECT_EQ(at(n), R"("")") << n;
    EXPECT_EQ(at(6501), R"("","ダブルクリックしてください","","","","0")");
    EXPECT_EQ(at(6502), R"("","0")");
    EXPECT_EQ(at(6503), "#TRUE#,#FALSE#,#TRUE#,#TRUE#");
    EXPECT_EQ(at(6504), R"("3","2","2","2","3","2")");
    EXPECT_EQ(at(6505), R"("dammy","dammy","dammy","mirai")");
    // Empty format settings go over as "0", 3, 3, 2, 7, ... texts per line.
    EXPECT_EQ(at(6506), R"("0","0","0")");
    EXPECT_EQ(at(6508), R"("0","0")");
    EXPECT_EQ(at(6519), R"("0","0","0","0","0","0","0","0","0","0")");
}

TEST(TempSave, SmallDocumentByteForByte) {
    TempDir dir;
    ASSERT_TRUE(kandoru::TempSave(smallDocument(), dir / "XTemp.txt"));
    auto bytes = common::readFileBytes(dir / "XTemp.txt");
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(testing_support::matchesGolden("kandoru/handoff_small.txt", *bytes));
}

TEST(TempSave, FormatSettingsLinesCarryEveryItemQuotedAsRead) {
    auto lines = kandoru::handoffLines(smallDocument());
    EXPECT_EQ(lines[6505], R"("10","20","30")");
    EXPECT_EQ(lines[6515], R"("#TRUE#","#FALSE#","640","650","660")");
    EXPECT_EQ(lines[6516], R"("1","680","690","0","710")");
    // A double quote cannot stand inside a quoted text: it goes over full width.
    EXPECT_TRUE(lines[6517].starts_with(R"("720","下水＂本管＂","740",)")) << lines[6517];
}

TEST(DrawingHandoff, RefusesWithoutFormatData) {
    TempDir dir;
    ScopedHome home(dir.path());
    Document doc = smallDocument();
    doc.formatLoaded = false;
    FakeUi before, ui;
    doc.setCurrentTab(kandoru::kTabSplit, before);
    kandoru::drawingHandoff(doc, ui);
    EXPECT_EQ(ui.onlyMessage(),
              (testing_support::ShownMessage{common::Icon::Exclamation, "縦断図書式ファイル",
                                             "縦断図書式ファイルを読み込んでください。\r\n\r\n"
                                             "縦断図の書式の窓をダブルクリックしてください。"}));
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSettings);
    EXPECT_FALSE(std::filesystem::exists(dir / "XTemp.txt"));
    EXPECT_TRUE(ui.programsStarted.empty());
}

TEST(DrawingHandoff, WritesTheFileOnTab3AndStartsTheDrawingProgram) {
    TempDir dir;
    ScopedHome home(dir.path());
    Document doc = smallDocument();
    FakeUi ui;
    kandoru::drawingHandoff(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc.currentTab(), kandoru::kTabCad);
    EXPECT_EQ(ui.lastTab(), kandoru::kTabCad);
    EXPECT_EQ(ui.programsStarted, std::vector<std::string>{"Zumenko"});
    auto bytes = common::readFileBytes(dir / "XTemp.txt");
    ASSERT_TRUE(bytes);
    auto expected = common::encodeCp932Lines(kandoru::handoffLines(doc));
    EXPECT_EQ(*bytes, *expected);
}

TEST(DrawingHandoff, ReportsAFileThatCannotBeWrittenAndStartsNothing) {
    TempDir dir;
    ScopedHome home(dir / "gone");  // the rendezvous folder does not exist
    Document doc = smallDocument();
    FakeUi ui;
    kandoru::drawingHandoff(doc, ui);
    const auto& m = ui.onlyMessage();
    EXPECT_EQ(m.icon, common::Icon::Critical);
    EXPECT_EQ(m.text, "作図データを書き込めませんでした。\r\n" + (dir / "gone" / "XTemp.txt").string());
    EXPECT_TRUE(ui.programsStarted.empty());
}

TEST(DrawingHandoff, ReportsADrawingProgramThatDoesNotStart) {
    TempDir dir;
    ScopedHome home(dir.path());
    Document doc = smallDocument();
    FakeUi ui;
    ui.startSucceeds = false;
    kandoru::drawingHandoff(doc, ui);
    EXPECT_EQ(ui.onlyMessage(), (testing_support::ShownMessage{common::Icon::Critical, "作図レイアウト",
                                                               "「Zumenko」を起動できませんでした。"}));
    EXPECT_TRUE(std::filesystem::exists(dir / "XTemp.txt"));
}
