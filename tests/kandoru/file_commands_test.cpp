#include "kandoru/files/file_commands.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/textfile.h"
#include "kandoru/files/osa_file.h"
#include "support/fake_ui.h"
#include "support/golden.h"

using common::Icon;
using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ShownMessage;
using testing_support::TempDir;

namespace {

const ShownMessage kFormatWarning{Icon::Exclamation, "縦断図書式ファイル",
                                  "縦断図書式ファイルを読み込んでください。\r\n\r\n"
                                  "縦断図の書式の窓をダブルクリックしてください。"};

Document sample() {
    Document doc;
    doc.fgrid1.setText(1, 1, "1");
    doc.fgrid1.setText(1, 2, "30.000");
    doc.fgrid1.setText(2, 1, "2");
    doc.fgrid2.setText(1, 1, "1");
    doc.fgrid2.setText(2, 1, "1-1");
    doc.fgrid2.setText(3, 1, "2");
    doc.setStartMark(1, "10");
    doc.setGroundMark(2, 10);
    doc.setEndMark(5, "10");  // below the first empty label: stays black
    doc.fgrid4.setText(1, 1, "1");
    doc.settings.outletRoute = "2";
    return doc;
}

}  // namespace

TEST(OpenCommand, ReadsTheFileCalculatesRecoloursAndEndsOnTabZero) {
    TempDir dir;
    ASSERT_TRUE(kandoru::FileSave2(sample(), dir / "路線.osa"));
    Document doc;
    doc.fgrid3.setText(1, 2, "No.9");
    doc.fgrid7.setText(1, 1, "x");
    FakeUi ui;
    ui.openFiles.push_back(dir / "路線.osa");
    EXPECT_TRUE(kandoru::openCommand(doc, ui));
    EXPECT_EQ(ui.openTitles, std::vector<std::string>{"縦断データを開く"});
    EXPECT_EQ(ui.openPresets, std::vector<std::string>{""});
    EXPECT_EQ(doc.fgrid1.text(1, 2), "30.000");
    EXPECT_EQ(doc.fgrid3.text(1, 2), "");
    EXPECT_EQ(doc.fgrid7.text(1, 1), "");
    EXPECT_EQ(doc.filePath, dir / "路線.osa");
    EXPECT_EQ(doc.statusDataFile, "路線.osa");
    EXPECT_TRUE(doc.loadedFromFile);
    // Right after start no format file is loaded: the gate warns, then the recolouring
    // shows tab 2 and the command ends on tab 0.
    EXPECT_EQ(ui.onlyMessage(), kFormatWarning);
    EXPECT_EQ(ui.tabsShown, (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSettings);
    EXPECT_EQ(doc.fgrid2.color(1, 6), common::CellColor::Purple);
    EXPECT_EQ(doc.fgrid2.color(2, 3), common::CellColor::Purple);
    EXPECT_EQ(doc.fgrid2.color(1, 7), common::CellColor::Black);
    EXPECT_EQ(doc.fgrid2.color(5, 7), common::CellColor::Black);
}

// One byte that is not Shift_JIS in the project name costs that byte only: the outlet
// settings on its line survive, the open names the line, and a save writes "？" in its
// place and changes nothing else.
TEST(OpenCommand, ABadByteInTheProjectNameCostsOnlyThatByte) {
    const auto example = testing_support::examplesDir() / "three_routes.osa";
    const std::string original = common::readFileBytes(example).value();
    size_t at = 0;
    for (int i = 1; i < 3401; ++i) at = original.find("\r\n", at) + 2;
    ASSERT_EQ(original[at], '"');
    ++at;  // inside the project name's quotes
    std::string damaged = original;
    damaged.insert(at, "\xA0");
    TempDir dir;
    ASSERT_TRUE(common::writeFileAtomic(dir / "damaged.osa", damaged));

    Document clean;
    ASSERT_TRUE(kandoru::loadProfile(clean, example));
    Document doc;
    FakeUi ui;
    ui.openFiles.push_back(dir / "damaged.osa");
    ASSERT_TRUE(kandoru::openCommand(doc, ui));
    EXPECT_EQ(doc.settings.projectName, "？" + clean.settings.projectName);
    EXPECT_EQ(doc.settings.outletRoute, "4");
    EXPECT_EQ(doc.settings.outletGround, "14.050");
    EXPECT_EQ(doc.settings.outletManholeType, clean.settings.outletManholeType);
    EXPECT_EQ(doc.settings.formatField, "standard.osb");
    ASSERT_EQ(ui.messages.size(), 2u);  // the read, then the missing format file
    EXPECT_EQ(ui.messages[0].icon, Icon::Exclamation);
    EXPECT_NE(ui.messages[0].text.find("「damaged.osa」"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("「？」にした行：3401\r\n"), std::string::npos)
        << ui.messages[0].text;
    EXPECT_EQ(ui.messages[1], kFormatWarning);

    EXPECT_TRUE(kandoru::saveCommand(doc, ui));
    std::string expected = original;
    expected.insert(at, "\x81\x48");  // "？"
    EXPECT_EQ(common::readFileBytes(dir / "damaged.osa"), expected);
}

TEST(OpenCommand, CancelledDialogChangesNothing) {
    Document doc = sample();
    doc.fgrid3.setText(1, 2, "No.1");
    doc.fgrid5.setText(1, 1, "1");
    FakeUi ui;
    ui.openFiles.push_back(std::nullopt);
    ui.openFiles.push_back(std::filesystem::path());
    EXPECT_FALSE(kandoru::openCommand(doc, ui));
    EXPECT_FALSE(kandoru::openCommand(doc, ui));
    EXPECT_EQ(doc.fgrid3.text(1, 2), "No.1");
    EXPECT_EQ(doc.fgrid5.text(1, 1), "1");
    EXPECT_EQ(doc.fgrid4.text(1, 1), "1");
    EXPECT_FALSE(doc.loadedFromFile);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(OpenCommand, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    TempDir dir;
    Document doc = sample();
    doc.fgrid3.setText(1, 2, "No.1");
    FakeUi ui;
    ui.openFiles.push_back(dir / "gone.osa");
    ui.openFiles.push_back(dir.path());  // a folder cannot be read as a file either
    EXPECT_FALSE(kandoru::openCommand(doc, ui));
    EXPECT_FALSE(kandoru::openCommand(doc, ui));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0],
              (ShownMessage{Icon::Critical, "読み込みエラー",
                            "ファイルを開けませんでした。\r\n" + (dir / "gone.osa").string()}));
    EXPECT_EQ(doc.fgrid1.text(1, 1), "1");
    EXPECT_EQ(doc.fgrid3.text(1, 2), "No.1");
    EXPECT_TRUE(doc.filePath.empty());
    EXPECT_FALSE(doc.loadedFromFile);
}

TEST(SaveCommands, SaveAsAsksBeforeOverwritingAndSaveDoesNot) {
    TempDir dir;
    const auto target = dir / "a.osa";
    { std::ofstream(target) << "old"; }
    Document doc = sample();
    FakeUi ui;
    // No current path: the save command opens the save-as dialog; the declined overwrite
    // writes nothing and leaves no current path behind.
    ui.saveFiles.push_back(target);
    ui.answers.push_back(false);
    EXPECT_FALSE(kandoru::saveCommand(doc, ui));
    EXPECT_EQ(ui.saveTitles, std::vector<std::string>{"縦断データの保存"});
    EXPECT_EQ(ui.questions.back(), (ShownMessage{Icon::None, "注意！", "上書きしますか？"}));
    EXPECT_EQ(common::readFileBytes(target), "old");
    EXPECT_TRUE(doc.filePath.empty());
    EXPECT_FALSE(doc.savedOnce);

    ui.saveFiles.push_back(target);
    ui.answers.push_back(true);
    EXPECT_TRUE(kandoru::saveAsCommand(doc, ui));
    EXPECT_EQ(common::readFileBytes(target), kandoru::osaBytes(doc));
    EXPECT_EQ(doc.filePath, target);
    EXPECT_EQ(doc.statusDataFile, "a.osa");
    EXPECT_TRUE(doc.savedOnce);

    doc.fgrid1.setText(3, 1, "3");
    EXPECT_TRUE(kandoru::saveCommand(doc, ui));  // no dialog, no question
    EXPECT_EQ(common::readFileBytes(target), kandoru::osaBytes(doc));
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.saveTitles.size(), 2u);

    // A new name needs no question.
    ui.saveFiles.push_back(dir / "b.osa");
    EXPECT_TRUE(kandoru::saveAsCommand(doc, ui));
    EXPECT_EQ(ui.questions.size(), 2u);
    ui.saveFiles.push_back(std::nullopt);
    EXPECT_FALSE(kandoru::saveAsCommand(doc, ui));
    EXPECT_EQ(doc.filePath, dir / "b.osa");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SaveCommands, AReadOnlyFileIsNotReplacedAndTheMessageSaysWhy) {
    TempDir dir;
    Document doc = sample();
    doc.filePath = dir / "読み取り専用.osa";
    ASSERT_TRUE(common::writeFileAtomic(doc.filePath, "previous"));
    namespace fs = std::filesystem;
    fs::permissions(doc.filePath, fs::perms::owner_read | fs::perms::group_read);
    FakeUi ui;
    EXPECT_FALSE(kandoru::saveCommand(doc, ui));
    EXPECT_EQ(ui.onlyMessage(), (ShownMessage{Icon::Critical, "保存エラー",
                                              "ファイルを保存できませんでした。\r\n" +
                                                  kandoru::pathText(doc.filePath) +
                                                  "\r\n読み取り専用のファイルです。"
                                                  "上書きしていません。"}));
    EXPECT_FALSE(doc.savedOnce);
    EXPECT_EQ(common::readFileBytes(doc.filePath), "previous");
    // Still read-only (Windows keeps only that one bit of the permissions).
    EXPECT_EQ(fs::status(doc.filePath).permissions() & fs::perms::owner_write, fs::perms::none);
    fs::permissions(doc.filePath, fs::perms::owner_write, fs::perm_options::add);  // clean-up
}

TEST(SaveCommands, FailedWriteIsReportedSetsNoFlagAndKeepsTheOldFile) {
    TempDir dir;
    Document doc = sample();
    FakeUi ui;
    { std::ofstream(dir / "file") << "x"; }
    doc.filePath = dir / "file" / "sub.osa";  // a folder that is a file
    EXPECT_FALSE(kandoru::saveCommand(doc, ui));
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Critical, "保存エラー",
                            "ファイルを保存できませんでした。\r\n" +
                                kandoru::pathText(doc.filePath) + "\r\nフォルダー「" +
                                kandoru::pathText(dir / "file") + "」がありません。"}));
    EXPECT_FALSE(doc.savedOnce);

    doc.filePath = dir / "keep.osa";
    ASSERT_TRUE(kandoru::saveCommand(doc, ui));
    const auto before = common::readFileBytes(doc.filePath);
    doc.savedOnce = false;
    // No Shift_JIS form: each is named with its setting or cell, invisible ones by code.
    doc.settings.projectName = "🙂";
    doc.settings.outletManholeType = "1号\u00A0人孔\u00A0";
    doc.fgrid1.setText(3, 1, "A\u200B3");
    doc.fgrid2.setText(2, 4, "\uFEFFVU200");
    EXPECT_FALSE(kandoru::saveCommand(doc, ui));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages.back().text,
              "ファイルを保存できませんでした。\r\n" + kandoru::pathText(doc.filePath) +
                  "\r\n\r\nShift_JIS で保存できない文字が含まれています。次の文字を書き換えて"
                  "から保存してください。"
                  "\r\n・「🙂」（U+1F642）：プロジェクト名"
                  "\r\n・U+00A0（見えない文字）：流末人孔種別"
                  "\r\n・U+200B（見えない文字）：路線基本データ 3 行目「路線番号」"
                  "\r\n・U+FEFF（見えない文字）：分割データ 2 行目「管記号」");
    EXPECT_EQ(common::readFileBytes(doc.filePath), before);
    EXPECT_FALSE(doc.savedOnce);
}

TEST(ExitCommand, AsksUnlessSavedAndUnchangedAndStaysWhenTheSaveIsCancelled) {
    TempDir dir;
    Document doc = sample();
    FakeUi ui;
    const ShownMessage question{Icon::Question, "終了の前に！", "データを保存しますか。"};

    ui.answers.push_back(false);
    EXPECT_TRUE(kandoru::exitCommand(doc, ui));  // never saved: asks, No closes
    EXPECT_EQ(ui.questions.back(), question);

    ui.answers.push_back(true);
    ui.saveFiles.push_back(std::nullopt);
    EXPECT_FALSE(kandoru::exitCommand(doc, ui));  // Yes, then cancelled: back to the window

    doc.filePath = dir / "a.osa";
    ASSERT_TRUE(kandoru::saveCommand(doc, ui));
    EXPECT_TRUE(kandoru::exitCommand(doc, ui));  // saved and unchanged: no question
    EXPECT_EQ(ui.questions.size(), 2u);

    doc.fgrid2.setText(4, 5, "3.000");  // changed after the save
    ui.answers.push_back(true);
    ui.saveFiles.push_back(dir / "a.osa");
    ui.answers.push_back(true);                  // overwrite
    EXPECT_TRUE(kandoru::exitCommand(doc, ui));  // the dialog, even with a current path
    EXPECT_EQ(ui.saveTitles.size(), 2u);
    EXPECT_EQ(common::readFileBytes(dir / "a.osa"), kandoru::osaBytes(doc));

    // Opened only, never saved: asks.
    Document opened;
    kandoru::loadProfile(opened, dir / "a.osa");
    ui.answers.push_back(false);
    EXPECT_TRUE(kandoru::exitCommand(opened, ui));
    EXPECT_EQ(ui.questions.size(), 5u);
}
