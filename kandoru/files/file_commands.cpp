// Open, save, save as and the exit decision.
#include "kandoru/files/file_commands.h"

#include <system_error>

#include "common/textfile.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/calc/row_ops.h"
#include "kandoru/files/osa_file.h"

namespace kandoru {

namespace {

// Writes the document to path; a failure is shown with its reason and sets no saved flag.
// Characters that Shift_JIS cannot hold are named with their places, or the user would
// look for a disk fault.
bool writeDocument(Document& doc, common::Ui& ui, const std::filesystem::path& path) {
    std::string written;
    if (auto w = FileSave2(doc, path, &written); !w) {
        ui.message(common::Icon::Critical, "保存エラー",
                   common::writeFailureText("ファイルを保存できませんでした。", path, w,
                                            unmappableText(doc).message("保存してください。")));
        return false;
    }
    doc.savedOnce = true;
    doc.savedContent = std::move(written);
    return true;
}

}  // namespace

bool openCommand(Document& doc, common::Ui& ui) {
    // The headings (which clear the manhole and work tables) wait for a chosen file, so a
    // cancelled dialog loses none of the typed manhole numbers and types.
    auto file = chooseFileToRead(ui, kOpenTitle, kOsaFilter, "");
    if (!file) return false;
    const common::ReadReport report = loadProfileBytes(doc, file->path, file->bytes);
    common::showReadReport(ui, report, file->path);
    runCalculation(doc, ui);
    Colorchange(doc, ui);
    doc.setCurrentTab(kTabSettings, ui);
    return true;
}

bool saveCommand(Document& doc, common::Ui& ui) {
    if (doc.filePath.empty()) return saveAsCommand(doc, ui);
    return writeDocument(doc, ui, doc.filePath);
}

bool saveAsCommand(Document& doc, common::Ui& ui) {
    auto path = ui.saveFileName(kSaveAsTitle, kOsaFilter);
    if (!path || path->empty()) return false;
    std::error_code ec;
    if (std::filesystem::exists(*path, ec) &&
        !ui.ask("注意！", "上書きしますか？", common::Icon::None))
        return false;
    if (!writeDocument(doc, ui, *path)) return false;
    doc.filePath = *path;
    doc.statusDataFile = pathText(path->filename());
    return true;
}

bool unchangedSinceSave(const Document& doc) {
    if (!doc.savedOnce || !doc.savedContent) return false;
    auto now = osaBytes(doc);
    return now && *now == *doc.savedContent;
}

bool exitCommand(Document& doc, common::Ui& ui) {
    if (unchangedSinceSave(doc)) return true;
    if (!ui.ask("終了の前に！", "データを保存しますか。", common::Icon::Question)) return true;
    return saveAsCommand(doc, ui);
}

}  // namespace kandoru
