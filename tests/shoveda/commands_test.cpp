#include "shoveda/format/commands.h"

#include <gtest/gtest.h>

#include "common/platform/paths.h"
#include "common/rendezvous.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "shoveda/format/osb_file.h"
#include "support/fake_ui.h"
#include "support/golden.h"

using common::Icon;
using shoveda::ExitDecision;
using shoveda::FormatDocument;
using testing_support::FakeUi;
using testing_support::ShownMessage;
using testing_support::TempDir;

namespace {

std::string bytesOf(const std::filesystem::path& p) {
    return common::readFileBytes(p).value_or("<unreadable>");
}

void fillRows(common::Table& t, int count) {
    for (int r = 1; r <= count; ++r) t.setText(r, 1, "r" + std::to_string(r));
}

}  // namespace

TEST(SaveCommands, SaveWithoutAFileAsksForANameAndSetsTheSavedFlag) {
    TempDir dir;
    FormatDocument doc;
    FakeUi ui;
    ui.saveFiles.push_back(dir / "new.osb");
    EXPECT_TRUE(shoveda::saveFormat(doc, ui));
    EXPECT_EQ(ui.saveTitles, std::vector<std::string>{"書式データの保存"});
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(doc.filePath, dir / "new.osb");
    EXPECT_TRUE(doc.saved());
    EXPECT_EQ(common::splitLines(bytesOf(dir / "new.osb")).size(), 314u);

    // Save onto the current file never asks and never shows a dialog.
    doc.format.circular.setText(1, 1, "φ200");
    EXPECT_TRUE(shoveda::saveFormat(doc, ui));
    EXPECT_EQ(ui.saveTitles.size(), 1u);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_NE(bytesOf(dir / "new.osb").find("200"), std::string::npos);
}

TEST(SaveCommands, SaveAsOntoAnExistingFileAsksAndNoWritesNothing) {
    TempDir dir;
    ASSERT_TRUE(common::writeFileAtomic(dir / "old.osb", "old contents"));
    FormatDocument doc;
    FakeUi ui;
    ui.saveFiles.push_back(dir / "old.osb");
    ui.answers.push_back(false);
    EXPECT_FALSE(shoveda::saveFormatAs(doc, ui));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], (ShownMessage{Icon::None, "注意！", "上書きしますか？"}));
    EXPECT_EQ(bytesOf(dir / "old.osb"), "old contents");
    EXPECT_FALSE(doc.saved());
    EXPECT_EQ(doc.filePath, dir / "old.osb");  // the new name stays current

    ui.saveFiles.push_back(dir / "old.osb");
    ui.answers.push_back(true);
    EXPECT_TRUE(shoveda::saveFormatAs(doc, ui));
    EXPECT_EQ(bytesOf(dir / "old.osb").substr(0, 15), "1,\"\",\"\",\"\",\"\"\r\n");

    ui.saveFiles.push_back(std::nullopt);  // cancelled
    EXPECT_FALSE(shoveda::saveFormatAs(doc, ui));
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST(SaveCommands, AFailedWriteIsReportedKeepsTheOldFileAndSetsNoFlag) {
    TempDir dir;
    ASSERT_TRUE(common::writeFileAtomic(dir / "keep.osb", "previous"));
    FormatDocument doc;
    doc.filePath = dir / "keep.osb";
    doc.format.circular.setText(1, 1, "😀");  // no Shift_JIS form
    doc.setItem(common::FormatItem::BandLayer, "帯線\u00A0");
    FakeUi ui;
    EXPECT_FALSE(shoveda::saveFormat(doc, ui));
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Critical, "保存エラー",
                            "ファイルを保存できませんでした。\r\n" + (dir / "keep.osb").string() +
                                "\r\n\r\nShift_JIS で保存できない文字が含まれています。次の"
                                "文字を書き換えてから保存してください。"
                                "\r\n・「😀」（U+1F600）：円形断面 1 行目「コード名」"
                                "\r\n・U+00A0（見えない文字）：作図設定１ 作図ﾚｲﾔｰ名 帯線"}));
    EXPECT_EQ(bytesOf(dir / "keep.osb"), "previous");
    EXPECT_FALSE(doc.saved());

    // A folder that does not exist.
    ui.messages.clear();
    doc.format.circular.setText(1, 1, "φ200");
    doc.setItem(common::FormatItem::BandLayer, "帯線");
    EXPECT_FALSE(shoveda::writeFormatFile(doc, dir / "no" / "such.osb", ui));
    EXPECT_EQ(ui.onlyMessage().title, "保存エラー");
    EXPECT_FALSE(doc.saved());
}

TEST(OpenCommand, CancelChangesNothingAndOpenNeverSaves) {
    TempDir dir;
    FormatDocument doc;
    doc.format.circular.setText(1, 1, "φ250");
    FakeUi ui;
    ui.openFiles.push_back(std::nullopt);
    EXPECT_FALSE(shoveda::openFormat(doc, ui));
    EXPECT_EQ(ui.openTitles, std::vector<std::string>{"書式データを開く"});
    EXPECT_EQ(ui.openPresets, std::vector<std::string>{""});
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ250");
    EXPECT_TRUE(doc.filePath.empty());

    ui.saveFiles.push_back(dir / "a.osb");
    ASSERT_TRUE(shoveda::saveFormat(doc, ui));
    doc.format.circular.setText(1, 1, "");
    ui.openFiles.push_back(dir / "a.osb");
    EXPECT_TRUE(shoveda::openFormat(doc, ui));
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ250");
    EXPECT_EQ(doc.filePath, dir / "a.osb");
}

TEST(OpenCommand, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    TempDir dir;
    FormatDocument doc;
    doc.format.circular.setText(1, 1, "φ250");
    FakeUi ui;
    ui.openFiles.push_back(dir / "gone.osb");
    EXPECT_FALSE(shoveda::openFormat(doc, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "読み込みエラー");
    EXPECT_EQ(ui.messages[0].text,
              "ファイルを開けませんでした。\r\n" + (dir / "gone.osb").string());
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ250");
    EXPECT_TRUE(doc.filePath.empty());
}

TEST(ExportCommand, WritesTheSectionAndManholeTablesByteForByte) {
    TempDir home;
    testing_support::ScopedHome scoped(home.path());
    FormatDocument doc;
    const char* rows[][4] = {{"φ200", "0.200", "0.027", "0.100"},
                             {"φ250", "0.250", "0.028", "0.100"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) doc.format.circular.setText(r + 1, c + 1, rows[r][c]);
    doc.format.circular.setText(4, 1, "φ400");   // after the first empty code name: not exported
    doc.format.box.setText(1, 1, "□1000×1000");  // the box table is never exported
    doc.format.manholeTypes.setText(1, 1, "1号人孔");
    doc.format.manholeTypes.setText(1, 2, "600");
    doc.format.manholeTypes.setText(2, 2, "900");  // no name: ends the manhole table
    doc.format.manholeTypes.setText(3, 1, "3号人孔");
    FakeUi ui;
    EXPECT_TRUE(shoveda::exportSections(doc, ui));
    EXPECT_EQ(
        ui.onlyMessage(),
        (ShownMessage{Icon::Information, "データファイル",
                      "「" + platform::pathToUtf8(home.path()) +
                          "」にテキストファイルを書き出しました。\r\rファイル名：断面データ"}));
    auto bytes = bytesOf(common::rendezvousPath("断面データ.txt"));
    EXPECT_TRUE(testing_support::matchesGolden("shoveda/export.txt", bytes));
    EXPECT_EQ(common::cp932ToUtf8(bytes),
              "円形断面\r\n\tコード名\t直径m\t管径m\t掘削高m\r\n"
              "1\tφ200\t0.200\t0.027\t0.100\r\n2\tφ250\t0.250\t0.028\t0.100\r\n\r\n"
              "人孔\r\n\t人孔名称\t中間点の最大管径mm\r\n1\t1号人孔\t600\r\n");
}

TEST(ExportCommand, EmptyTablesStillWriteTheHeadingsAndFailuresAreReported) {
    TempDir home;
    FormatDocument doc;
    {
        testing_support::ScopedHome scoped(home.path());
        FakeUi ui;
        EXPECT_TRUE(shoveda::exportSections(doc, ui));
        EXPECT_EQ(common::cp932ToUtf8(bytesOf(common::rendezvousPath("断面データ.txt"))),
                  "円形断面\r\n\tコード名\t直径m\t管径m\t掘削高m\r\n\r\n人孔\r\n\t人孔名称\t中間点"
                  "の最大管径mm\r\n");
    }
    testing_support::ScopedHome gone(home / "missing");
    FakeUi ui;
    EXPECT_FALSE(shoveda::exportSections(doc, ui));
    EXPECT_EQ(
        ui.onlyMessage(),
        (ShownMessage{
            Icon::Critical, "データファイル",
            "テキストファイルを書き出せませんでした。\r\n" +
                platform::pathToUtf8(home / "missing" / platform::pathFromUtf8("断面データ.txt")) +
                "\r\nフォルダー「" + platform::pathToUtf8(home / "missing") + "」がありません。"}));

    // A code name Shift_JIS cannot hold is named.
    testing_support::ScopedHome back(home.path());
    doc.format.circular.setText(1, 1, "φ200😀");
    ui.messages.clear();
    EXPECT_FALSE(shoveda::exportSections(doc, ui));
    EXPECT_NE(ui.onlyMessage().text.find("「😀」"), std::string::npos);
    EXPECT_NE(ui.onlyMessage().text.find("書き出してください。"), std::string::npos);
}

TEST(RowCommands, DeleteMovesRowsUpAndParksOnTheLastRow) {
    FormatDocument doc;
    auto& t = doc.format.circular;
    fillRows(t, 7);
    t.setCurrent(5, 2);
    FakeUi ui;
    ui.answers.push_back(true);
    EXPECT_TRUE(shoveda::deleteTableRow(t, ui));
    EXPECT_EQ(
        ui.questions[0],
        (ShownMessage{
            Icon::Question, "データの消去",
            "選択行を消去してもよろしいですか\r\n\r\n消去すると元に戻すことは出来ません    "}));
    EXPECT_EQ(t.text(5, 1), "r6");
    EXPECT_EQ(t.text(6, 1), "r7");
    EXPECT_EQ(t.text(7, 1), "");
    EXPECT_EQ(t.text(7, 0), "7:");
    EXPECT_EQ(t.text(100, 0), "100:");
    EXPECT_EQ(t.currentRow(), 100);

    // Right after a row operation no row is chosen.
    EXPECT_FALSE(shoveda::deleteTableRow(t, ui));
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Exclamation, "行の選択", "削除する行を選択して下さい    "}));
    EXPECT_FALSE(shoveda::insertTableRow(t, ui));
    EXPECT_EQ(ui.messages.back(), (ShownMessage{Icon::Exclamation, "行の選択",
                                                "追加する直後の行を選択して下さい    "}));
    EXPECT_EQ(t.text(5, 1), "r6");

    // No keeps the table.
    t.setCurrentRow(2);
    ui.answers.push_back(false);
    EXPECT_FALSE(shoveda::deleteTableRow(t, ui));
    EXPECT_EQ(t.text(2, 1), "r2");
    EXPECT_EQ(t.currentRow(), 2);
}

TEST(RowCommands, InsertMovesRowsDownAndNeverDropsAFilledLastRow) {
    FormatDocument doc;
    auto& t = doc.format.manholeTypes;
    fillRows(t, 99);
    t.setCurrentRow(3);
    FakeUi ui;
    ui.answers.push_back(true);
    EXPECT_TRUE(shoveda::insertTableRow(t, ui));
    EXPECT_EQ(ui.questions[0], (ShownMessage{Icon::Question, "データの挿入",
                                             "選択行の直前に新しい行を挿入してもよろしいですか"}));
    EXPECT_EQ(t.text(3, 1), "");
    EXPECT_EQ(t.text(4, 1), "r3");
    EXPECT_EQ(t.text(100, 1), "r99");  // 99 filled rows lose nothing
    EXPECT_EQ(t.currentRow(), 100);

    t.setCurrentRow(10);
    EXPECT_FALSE(shoveda::insertTableRow(t, ui));
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Exclamation, "行の挿入",
                            "表の最終行にデータがあるため、行を挿入できません。"}));
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(t.text(100, 1), "r99");
    EXPECT_EQ(t.text(10, 1), "r9");
}

TEST(ExitCommand, AsksUnlessSavedAndUnchanged) {
    TempDir dir;
    FormatDocument doc;
    FakeUi ui;
    // New document: asked; No ends without saving.
    ui.answers.push_back(false);
    EXPECT_EQ(shoveda::decideExit(doc, ui), ExitDecision::Quit);
    EXPECT_EQ(ui.questions.back(),
              (ShownMessage{Icon::Question, "終了の前に！", "データを保存しますか。"}));

    // Yes, then the save dialog cancelled: back to the window.
    ui.answers.push_back(true);
    ui.saveFiles.push_back(std::nullopt);
    EXPECT_EQ(shoveda::decideExit(doc, ui), ExitDecision::Stay);

    // After a save, no question.
    ui.saveFiles.push_back(dir / "f.osb");
    ASSERT_TRUE(shoveda::saveFormat(doc, ui));
    size_t asked = ui.questions.size();
    EXPECT_EQ(shoveda::decideExit(doc, ui), ExitDecision::Quit);
    EXPECT_EQ(ui.questions.size(), asked);

    // A change after the save asks again; Yes saves as a new name, whatever the current file.
    doc.setItem(27, "500");
    ui.answers.push_back(true);
    ui.saveFiles.push_back(dir / "g.osb");
    EXPECT_EQ(shoveda::decideExit(doc, ui), ExitDecision::Quit);
    EXPECT_EQ(ui.questions.size(), asked + 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "g.osb"));

    // Undoing the change by hand counts as unchanged.
    doc.setItem(27, "");
    doc.setItem(27, "500");
    EXPECT_EQ(shoveda::decideExit(doc, ui), ExitDecision::Quit);
    EXPECT_EQ(ui.questions.size(), asked + 1);
}

TEST(ExitCommand, AfterOnlyOpenItAsksAndAFailedSaveStays) {
    TempDir dir;
    FormatDocument saved;
    FakeUi ui;
    ASSERT_TRUE(shoveda::writeFormatFile(saved, dir / "f.osb", ui));

    FormatDocument doc;
    ui.openFiles.push_back(dir / "f.osb");
    ASSERT_TRUE(shoveda::openFormat(doc, ui));
    ui.answers.push_back(true);
    ui.saveFiles.push_back(dir / "no" / "such" / "f.osb");
    EXPECT_EQ(shoveda::decideExit(doc, ui), ExitDecision::Stay);
    EXPECT_EQ(ui.onlyMessage().title, "保存エラー");
}
