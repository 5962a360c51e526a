#include <gtest/gtest.h>

#include "kandoru/files/format_intake.h"
#include "support/fake_ui.h"
#include "support/golden.h"

using common::Icon;
using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ShownMessage;
using testing_support::testData;

TEST(FormatIntake, ReadsTablesSettingsAndListsTheCodesUpToTheFirstBlank) {
    Document doc;
    FakeUi ui;
    ui.openFiles.push_back(testData("kandoru/format_twelve.osb"));
    EXPECT_TRUE(kandoru::formatIntake(doc, ui));
    EXPECT_EQ(ui.openTitles, (std::vector<std::string>{"書式ファイルを開く"}));
    EXPECT_EQ(ui.openPresets, (std::vector<std::string>{"ダブルクリックしてください"}));

    const auto& f = doc.format;
    EXPECT_EQ(f.circular.text(12, 1), "φ1000");
    EXPECT_EQ(f.circular.text(2, 3), "0.025");
    EXPECT_EQ(f.circular.text(14, 1), "φ1100");
    EXPECT_EQ(f.box.text(1, 5), "0.150");
    EXPECT_EQ(f.manholeTypes.text(2, 1), "2号");
    EXPECT_EQ(f.item(1), "1");
    EXPECT_EQ(f.item(12), "0");  // empty in the file
    EXPECT_EQ(f.item(49), "帯線ﾚｲﾔｰ");
    EXPECT_EQ(f.item(62), "#TRUE#");
    EXPECT_EQ(f.item(67), "1");
    EXPECT_EQ(f.item(72), "72");
    EXPECT_EQ(f.item(91), "dummy");

    for (int n = 1; n <= 12; ++n) EXPECT_EQ(doc.pipeCodes.text(n, 0), f.circular.text(n, 1));
    EXPECT_EQ(doc.pipeCodes.text(13, 0), "");
    EXPECT_EQ(doc.pipeCodes.text(14, 0), "");

    EXPECT_TRUE(doc.formatLoaded);
    EXPECT_EQ(doc.settings.formatField, "format_twelve.osb");
    EXPECT_EQ(doc.statusFormatFile, "format_twelve.osb");
    // Right after start the minimum cover is still empty.
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Exclamation, "最小土被りエラー", "最小土被りが未入力です。"}));
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSettings);
}

TEST(FormatIntake, CancelChangesNothing) {
    Document doc;
    doc.settings.formatField = "old.osb";
    FakeUi ui;
    ui.openFiles.push_back(std::nullopt);
    ui.openFiles.push_back(std::filesystem::path());
    EXPECT_FALSE(kandoru::formatIntake(doc, ui));
    EXPECT_FALSE(kandoru::formatIntake(doc, ui));
    EXPECT_EQ(ui.openPresets, (std::vector<std::string>{"old.osb", "old.osb"}));
    EXPECT_FALSE(doc.formatLoaded);
    EXPECT_EQ(doc.settings.formatField, "old.osb");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FormatIntake, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    Document doc;
    ASSERT_TRUE(kandoru::loadFormat(doc, testData("kandoru/format_twelve.osb")));
    FakeUi ui;
    const auto missing = testData("kandoru/no_such_file.osb");
    ui.openFiles.push_back(missing);
    EXPECT_FALSE(kandoru::formatIntake(doc, ui));
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Critical, "読み込みエラー",
                            "ファイルを開けませんでした。\r\n" + missing.string()}));
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ200");
    EXPECT_EQ(doc.settings.formatField, "format_twelve.osb");
}

TEST(FormatIntake, ShortOrGarbledFileLeavesRowsBlankAndKeepsUnreadSettings) {
    Document doc;
    ASSERT_TRUE(kandoru::loadFormat(doc, testData("kandoru/format_twelve.osb")));
    doc.pipeCodes.setText(20, 0, "stale");
    // Ends in the box table; line 3 has three bytes that are not Shift_JIS, line 4 names
    // row 150.
    common::ReadReport report;
    EXPECT_TRUE(kandoru::loadFormat(doc, testData("kandoru/format_short.osb"), &report));
    EXPECT_EQ(report.unreadableByteLines(), std::vector<int>{3});
    EXPECT_EQ(report.outsideRowLines(), std::vector<int>{4});
    EXPECT_NE(report.message("f.osb").find(" 行で終わっています（314 行"), std::string::npos);
    const auto& f = doc.format;
    EXPECT_EQ(f.circular.text(2, 1), "φ250");
    EXPECT_EQ(f.circular.text(3, 1), "？？？");
    EXPECT_EQ(f.circular.text(4, 1), "");
    EXPECT_EQ(f.circular.text(5, 1), "φ400");
    EXPECT_EQ(f.circular.text(14, 1), "φ1100");
    EXPECT_EQ(f.box.text(1, 1), "□1000");
    EXPECT_EQ(f.manholeTypes.text(1, 1), "");
    EXPECT_EQ(f.item(49), "帯線ﾚｲﾔｰ");  // the settings records are missing: values kept
    EXPECT_EQ(f.item(12), "0");
    EXPECT_EQ(doc.pipeCodes.text(2, 0), "φ250");
    EXPECT_EQ(doc.pipeCodes.text(3, 0), "？？？");
    EXPECT_EQ(doc.pipeCodes.text(4, 0), "");
    EXPECT_EQ(doc.pipeCodes.text(20, 0), "");

    Document fresh;
    EXPECT_FALSE(kandoru::loadFormat(fresh, testData("kandoru/no_such_file.osb")));
    EXPECT_TRUE(fresh.formatLoaded);
    EXPECT_EQ(fresh.format.item(30), "0");
    EXPECT_EQ(fresh.pipeCodes.text(1, 0), "");
}
