// Writing and describing a sheet set.
#include "cli/sheet_outputs.h"

#include <cstdio>
#include <regex>

#include "cli/pictures.h"
#include "common/numtext.h"
#include "common/platform/paths.h"
#include "zumenko/preview/dxf_writer.h"
#include "zumenko/script_file.h"
#include "zumenko/script_writer.h"
#include "zumenko/stations.h"

namespace cli {
namespace {

constexpr const char* kTitle = "シート割";

std::string pathText(const std::filesystem::path& p) { return platform::pathToUtf8(p); }

}  // namespace

std::string sheetFileName(size_t k, const char* extension) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "sheet%02zu.%s", k, extension);
    return buf;
}

std::vector<std::string> setOutputNames(const std::filesystem::path& folder) {
    std::vector<std::string> names{kSetScript, kSetPdf, kSetDxf};
    static const std::regex sheet(R"(sheet[0-9]{2,}\.(txt|png))");
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = platform::pathToUtf8(entry.path().filename());
        if (std::regex_match(name, sheet)) names.push_back(name);
    }
    return names;
}

SetOutputs writeSheetSet(const zumenko::Drawing& doc, const zumenko::DrawOptions& opt,
                         const zumenko::SheetSet& set, const std::filesystem::path& folder,
                         bool each, common::Ui& ui) {
    SetOutputs out;
    const zumenko::Figure all = zumenko::drawSheetSet(doc, opt, set);
    // A value no drawing can hold refuses the whole set before anything is written.
    if (auto refused = zumenko::checkDrawable(all)) {
        ui.message(common::Icon::Critical, refused->title, refused->text);
        return out;
    }
    auto script = [&](const zumenko::Figure& figure, const std::string& name) {
        if (auto refused = zumenko::writeScriptFile(folder / name, zumenko::writeScript(figure))) {
            ui.message(common::Icon::Critical, refused->title, refused->text);
            return false;
        }
        out.written.push_back(name);
        return true;
    };
    auto picture = [&](const zumenko::Figure& figure, const std::string& name) {
        auto w = cli::writePicture(figure, folder / name);
        if (!w) {
            ui.message(common::Icon::Exclamation, kTitle,
                       "図面の画像を書き込めませんでした。\r\n" + pathText(folder / name) +
                           "\r\n(" + common::oneLine(w.error) + ")");
            return;
        }
        out.written.push_back(name);
    };

    out.scriptsWritten = script(all, kSetScript);
    std::vector<zumenko::Figure> sheets;
    if (each) {
        for (size_t k = 0; k < set.sheets.size(); ++k) {
            sheets.push_back(zumenko::drawSetSheet(doc, opt, set, k));
            out.scriptsWritten =
                script(sheets.back(), sheetFileName(k + 1, "txt")) && out.scriptsWritten;
        }
    }
    if (!out.scriptsWritten) return out;
    picture(all, kSetPdf);
    if (each) {
        for (size_t k = 0; k < sheets.size(); ++k) picture(sheets[k], sheetFileName(k + 1, "png"));
        auto w = zumenko::preview::writeDxf(all, folder / kSetDxf);
        if (w)
            out.written.push_back(kSetDxf);
        else
            ui.message(common::Icon::Exclamation, kTitle,
                       "DXF ファイルを書き込めませんでした。\r\n" + pathText(folder / kSetDxf) +
                           "\r\n(" + common::oneLine(w.error) + ")");
    }
    return out;
}

std::string describeSheet(const zumenko::Drawing& doc, const zumenko::DrawOptions& opt,
                          const zumenko::SheetSet& set, size_t k) {
    const zumenko::SetSheet& s = set.sheets[k];
    const zumenko::Stations p(doc, opt.upstreamToDownstream);
    auto number = [&](int row) { return std::to_string(zumenko::stationNumber(set, opt, row)); };
    std::string line = std::to_string(k + 1) + "/" + std::to_string(set.sheets.size()) + "  測点 " +
                       number(s.first) + "～" + number(s.last) + "  " + p.splitLabel(s.first) +
                       "～" + p.splitLabel(s.last) + "  延長 " + common::formatMask(s.lengthM, 3) +
                       " m  DL " + common::formatGeneral(s.datumLevel) + " m";
    if (!s.fits) line += "  1 スパンでも枠に収まりません";
    if (!s.outside.empty()) {
        // Runs of consecutive stations as first～last: a deep line can have every station
        // of a sheet outside.
        line += "  縦断図の範囲外: 測点";
        auto station = [&](int r) { return number(r) + "(" + p.splitLabel(r) + ")"; };
        for (size_t i = 0; i < s.outside.size();) {
            size_t j = i;
            while (j + 1 < s.outside.size() && s.outside[j + 1] == s.outside[j] + 1) ++j;
            line += " " + station(s.outside[i]);
            if (j > i) line += "～" + station(s.outside[j]);
            i = j + 1;
        }
    }
    return line;
}

}  // namespace cli
