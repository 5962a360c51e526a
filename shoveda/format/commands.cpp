// File, export, row and exit commands of the format data manager.
#include "shoveda/format/commands.h"

#include <system_error>

#include "common/platform/paths.h"
#include "common/rendezvous.h"
#include "common/textfile.h"
#include "shoveda/format/item_places.h"
#include "shoveda/format/osb_file.h"

namespace shoveda {

using common::Icon;

namespace {

// A failed write with its reason; characters that Shift_JIS cannot hold are named with
// where they stand, or the user would look for a disk fault.
std::string failureText(const FormatDocument& doc, std::string_view what,
                        const std::filesystem::path& path, const common::WriteResult& w,
                        const std::string& then) {
    return common::writeFailureText(what, path, w, unmappableText(doc).message(then));
}

}  // namespace

bool openFormat(FormatDocument& doc, common::Ui& ui) {
    auto path = ui.openFileName("書式データを開く", kOsbFilter, "");
    if (!path || path->empty()) return false;
    common::ReadReport report;
    if (!readFormatFile(doc, *path, &report)) {
        ui.message(Icon::Critical, "読み込みエラー",
                   "ファイルを開けませんでした。\r\n" + platform::pathToUtf8(*path));
        return false;
    }
    common::showReadReport(ui, report, *path);
    return true;
}

bool readFormatFile(FormatDocument& doc, const std::filesystem::path& path,
                    common::ReadReport* report) {
    // A file that cannot be read at all would empty every field: keep the document.
    auto bytes = common::readFileBytes(path);
    if (!bytes) return false;
    doc.filePath = path;
    auto r = readOsb(doc, *bytes);
    if (report) *report = std::move(r);
    return true;
}

bool writeFormatFile(FormatDocument& doc, const std::filesystem::path& path, common::Ui& ui) {
    std::vector<std::string> lines = osbLines(doc);
    if (auto w = common::writeCp932Lines(path, lines); !w) {
        ui.message(
            Icon::Critical, "保存エラー",
            failureText(doc, "ファイルを保存できませんでした。", path, w, "保存してください。"));
        return false;
    }
    doc.markSaved(std::move(lines));
    return true;
}

bool saveFormatAs(FormatDocument& doc, common::Ui& ui) {
    auto path = ui.saveFileName("書式データの保存", kOsbFilter);
    if (!path || path->empty()) return false;
    doc.filePath = *path;
    std::error_code ec;
    if (std::filesystem::exists(*path, ec) && !ui.ask("注意！", "上書きしますか？", Icon::None))
        return false;
    return writeFormatFile(doc, *path, ui);
}

bool saveFormat(FormatDocument& doc, common::Ui& ui) {
    if (doc.filePath.empty()) return saveFormatAs(doc, ui);
    return writeFormatFile(doc, doc.filePath, ui);
}

std::vector<std::string> exportLines(const FormatDocument& doc) {
    std::vector<std::string> out;
    out.push_back("円形断面");
    out.push_back("\tコード名\t直径m\t管径m\t掘削高m");
    using common::CircularCol;
    const auto& c = doc.format.circular;
    for (int r = 1; r <= c.dataRows() && !c.text(r, CircularCol::Code).empty(); ++r)
        out.push_back(std::to_string(r) + "\t" + c.text(r, CircularCol::Code) + "\t" +
                      c.text(r, CircularCol::Diameter) + "\t" + c.text(r, CircularCol::Wall) +
                      "\t" + c.text(r, CircularCol::Excavation));
    out.push_back("");
    out.push_back("人孔");
    out.push_back("\t人孔名称\t中間点の最大管径mm");
    using common::ManholeTypeCol;
    const auto& m = doc.format.manholeTypes;
    for (int r = 1; r <= m.dataRows() && !m.text(r, ManholeTypeCol::Name).empty(); ++r)
        out.push_back(std::to_string(r) + "\t" + m.text(r, ManholeTypeCol::Name) + "\t" +
                      m.text(r, ManholeTypeCol::LargestPipeMm));
    return out;
}

bool exportSections(const FormatDocument& doc, common::Ui& ui) {
    auto path = common::rendezvousPath(kExportFileName);
    std::vector<std::string> lines = exportLines(doc);
    if (auto w = common::writeCp932Lines(path, lines); !w) {
        ui.message(Icon::Critical, "データファイル",
                   failureText(doc, "テキストファイルを書き出せませんでした。", path, w,
                               "書き出してください。"));
        return false;
    }
    ui.message(Icon::Information, "データファイル",
               "「" + common::rendezvousFolderText() +
                   "」にテキストファイルを書き出しました。\r\rファイル名：断面データ");
    return true;
}

bool deleteTableRow(common::Table& table, common::Ui& ui) {
    int r = table.currentRow();
    if (r >= table.dataRows()) {
        ui.message(Icon::Exclamation, "行の選択", "削除する行を選択して下さい    ");
        return false;
    }
    if (!ui.ask("データの消去",
                "選択行を消去してもよろしいですか\r\n\r\n消去すると元に戻すことは出来ません    ",
                Icon::Question))
        return false;
    table.removeRow(r);
    table.setCurrentRow(table.dataRows());
    return true;
}

bool insertTableRow(common::Table& table, common::Ui& ui) {
    int r = table.currentRow();
    if (r >= table.dataRows()) {
        ui.message(Icon::Exclamation, "行の選択", "追加する直後の行を選択して下さい    ");
        return false;
    }
    // Checked before the question: inserting would push a filled last row out.
    if (!table.lastRowEmpty()) {
        ui.message(Icon::Exclamation, "行の挿入",
                   "表の最終行にデータがあるため、行を挿入できません。");
        return false;
    }
    if (!ui.ask("データの挿入", "選択行の直前に新しい行を挿入してもよろしいですか", Icon::Question))
        return false;
    table.insertRowBefore(r);
    table.setCurrentRow(table.dataRows());
    return true;
}

ExitDecision decideExit(FormatDocument& doc, common::Ui& ui) {
    if (doc.saved() && !doc.changedSinceSave()) return ExitDecision::Quit;
    if (!ui.ask("終了の前に！", "データを保存しますか。", Icon::Question))
        return ExitDecision::Quit;
    return saveFormatAs(doc, ui) ? ExitDecision::Quit : ExitDecision::Stay;
}

}  // namespace shoveda
