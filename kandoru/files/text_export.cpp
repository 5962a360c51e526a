// Text export writer (WaterSave) and the export command.
#include "kandoru/files/text_export.h"

#include "common/rendezvous.h"
#include "kandoru/files/osa_file.h"

namespace kandoru {

namespace {

// A cell as one field: a TAB or line break inside it would shift the columns.
std::string field(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return out;
}

void section(std::vector<std::string>& out, const common::Table& t, int cols, int emptyTail,
             const std::vector<std::string>& headings) {
    out.emplace_back();
    std::string heading;
    for (const auto& h : headings) heading += "\t" + h;
    out.push_back(heading);
    for (int r = 1; r <= t.dataRows() && !t.text(r, common::kKeyCol).empty(); ++r) {
        std::string line = std::to_string(r);
        for (int c = 1; c <= cols; ++c) line += "\t" + field(t.text(r, c));
        for (int i = 0; i < emptyTail; ++i) line += "\t";
        out.push_back(std::move(line));
    }
}

}  // namespace

std::vector<std::string> waterSaveLines(const Document& doc) {
    const Settings& s = doc.settings;
    const std::pair<const char*, const std::string*> settings[] = {
        {"プロジェクト名", &s.projectName},
        {"縦断図の書式", &s.formatField},
        {"流末路線番号", &s.outletRoute},
        {"流末地盤高m ", &s.outletGround},
        {"流末人孔種別", &s.outletManholeType},
        {"背後地流入高m", &s.hinterland},
        {"管落差mm", &s.manholeDrop},
        {"桁数 勾配   ", &s.digits[kDigitGradient]},
        {"桁数 人孔間距離", &s.digits[kDigitDistance]},
        {"桁数 地盤高", &s.digits[kDigitGround]},
        {"桁数 土被り", &s.digits[kDigitCover]},
        {"桁数 管底高", &s.digits[kDigitInvert]},
        {"桁数 掘削深", &s.digits[kDigitExcavation]},
    };
    std::vector<std::string> out;
    for (const auto& [label, text] : settings)
        out.push_back(std::string(label) + "\t" + field(*text));
    section(out, doc.fgrid1, RouteCol::Count, 0, {"路線番号", "路線長m", "分割数", "地盤高m"});
    section(out, doc.fgrid2, SplitCol::LastData, /*emptyTail=*/4,
            {"路線番号", "分割長m", "地盤高m", "管記号", "勾配‰",
             "起点管底高 終点管底高 起点土被 終点土被"});
    section(out, doc.fgrid4, ChangePointCol::Count, 0, {"路線番号", "距離m", "地盤高m", "土被りm"});
    section(
        out, doc.fgrid3, ManholeCol::Count, 0,
        {"路線番号", "人孔番号", "人孔種別 副管径", "管落差m", "上掘削深", "下掘削深", "人孔深m"});
    return out;
}

common::WriteResult WaterSave(const Document& doc, const std::filesystem::path& path) {
    return common::writeCp932Lines(path, waterSaveLines(doc));
}

common::WriteResult WaterSave(const Document& doc) {
    return WaterSave(doc, common::rendezvousPath(kTextExportName));
}

void exportCommand(const Document& doc, common::Ui& ui) {
    const auto path = common::rendezvousPath(kTextExportName);
    if (auto w = WaterSave(doc, path); !w) {
        ui.message(common::Icon::Critical, "データファイル",
                   common::writeFailureText("テキストファイルを書き出せませんでした。", path, w,
                                            unmappableText(doc).message("書き出してください。")));
        return;
    }
    ui.message(common::Icon::Information, "データファイル",
               "「" + common::rendezvousFolderText() +
                   "」にテキストファイルを書き出しました。\r\n\r\nファイル名：縦断データ");
}

}  // namespace kandoru
