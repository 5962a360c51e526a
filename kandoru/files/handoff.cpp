// Hand-off file writer: the whole document, the work tables and the format data in the
// comma record syntax of the profile data file, always 6,519 lines.
#include "kandoru/files/handoff.h"

#include "common/format/format_files.h"
#include "common/rendezvous.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/osa_file.h"

namespace kandoru {
std::vector<std::string> handoffLines(const Document& doc) {
    std::vector<std::string> out;
    out.reserve(kHandoffLines);
    writeTableRecords(out, doc.fgrid1, RouteCol::Count);
    writeTableRecords(out, doc.fgrid2, SplitCol::LastData, /*emptyTail=*/4);
    writeTableRecords(out, doc.fgrid4, ChangePointCol::Count);
    writeTableRecords(out, doc.fgrid3, ManholeCol::Count);
    writeTableRecords(out, doc.fgrid7, SplitPointCol::Count);
    writeTableRecords(out, doc.fgrid8, ProfilePointCol::Count);
    writeTableRecords(out, doc.fgrid5, GroundPointCol::Count);
    common::appendHandoffTables(out, doc.format);

    writeSettingsRecords(out, doc.settings);

    // Every item as the quoted text read from the format file, truth values included; the
    // intake already made empty items "0", and a hand-off never passes on an empty one.
    common::appendHandoffItems(out, doc.format);
    return out;
}

common::WriteResult TempSave(const Document& doc, const std::filesystem::path& path) {
    return common::writeCp932Lines(path, handoffLines(doc));
}

common::WriteResult TempSave(const Document& doc) {
    return TempSave(doc, common::rendezvousPath(kHandoffFileName));
}

void drawingHandoff(Document& doc, common::Ui& ui) {
    if (!doc.formatLoaded) {
        formatWarning(doc, ui);
        return;
    }
    doc.setCurrentTab(kTabCad, ui);
    const auto path = common::rendezvousPath(kHandoffFileName);
    if (auto w = TempSave(doc, path); !w) {
        ui.message(common::Icon::Critical, "作図データ",
                   common::writeFailureText("作図データを書き込めませんでした。", path, w,
                                            unmappableText(doc).message("作図してください。")));
        return;
    }
    if (!ui.startProgram(kDrawingProgram))
        ui.message(common::Icon::Critical, "作図レイアウト",
                   std::string("「") + kDrawingProgram + "」を起動できませんでした。");
}

}  // namespace kandoru
