#include <gtest/gtest.h>

#include "common/rendezvous.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "kandoru/files/handoff.h"
#include "support/fake_ui.h"
#include "support/golden.h"
#include "support/profile_fixture.h"

using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ScopedHome;
using testing_support::TempDir;

namespace {

// The small calculated profile with every format item set, some in awkward forms.
Document smallDocument() {
    Document doc;
    testing_support::fillCalculatedProfile(doc);
    for (int n = 1; n <= 91; ++n) doc.format.setItem(n, std::to_string(n * 10));
    doc.format.setItem(62, "#TRUE#");
    doc.format.setItem(63, "#FALSE#");
    doc.format.setItem(67, "1");
    doc.format.setItem(70, "");  // left empty by a faulty intake: still written "0"
    doc.format.setItem(73, "下水\"本管\"");
    doc.formatLoaded = true;
    doc.settings.projectName = "○○地区 汚水管渠";
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
    EXPECT_EQ(m.text, "作図データを書き込めませんでした。\r\n" +
                          (dir / "gone" / "XTemp.txt").string() + "\r\nフォルダー「" +
                          (dir / "gone").string() + "」がありません。");
    EXPECT_TRUE(ui.programsStarted.empty());
}

TEST(DrawingHandoff, ReportsADrawingProgramThatDoesNotStart) {
    TempDir dir;
    ScopedHome home(dir.path());
    Document doc = smallDocument();
    FakeUi ui;
    ui.startSucceeds = false;
    kandoru::drawingHandoff(doc, ui);
    EXPECT_EQ(ui.onlyMessage(),
              (testing_support::ShownMessage{common::Icon::Critical, "作図レイアウト",
                                             "「Zumenko」を起動できませんでした。"}));
    EXPECT_TRUE(std::filesystem::exists(dir / "XTemp.txt"));
}
