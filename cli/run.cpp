// gesui run: a profile and a format file through the calculation, the hand-off file and
// the automatic drawing in one step, with a short summary of what was designed.
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/calculated_profile.h"
#include "cli/cli_ui.h"
#include "cli/command.h"
#include "common/numtext.h"
#include "kandoru/document.h"
#include "kandoru/files/handoff.h"
#include "kandoru/files/osa_file.h"
#include "zumenko/intake.h"
#include "zumenko/preview/render.h"
#include "zumenko/script.h"
#include "zumenko/script_file.h"

namespace {

struct RunArgs {
    std::string profile;
    std::string format;
    std::string outDir;
};

struct Extreme {
    double value = 0;
    std::string text;   // the cell as shown
    std::string where;  // the span or manhole it belongs to
};

// What the calculation designed, read from the document's cells: the route rows and the
// spans up to the first blank route number, the spans' covers and the manhole depths.
struct Summary {
    int routes = 0;
    int spans = 0;
    std::optional<Extreme> lowestCover;
    std::optional<Extreme> deepestManhole;
};

Summary summarize(const kandoru::Document& doc) {
    Summary s;
    for (int r = 1; r <= doc.fgrid1.dataRows() && !doc.fgrid1.text(r, 1).empty(); ++r) ++s.routes;
    const auto& split = doc.fgrid2;
    for (int r = 1; r <= split.dataRows() && !split.text(r, 1).empty(); ++r) {
        if (split.text(r, 1) == doc.settings.outletRoute) continue;  // no pipe of its own
        ++s.spans;
        for (int c : {8, 9}) {
            const std::string& t = split.text(r, c);
            if (!common::hasNumber(t)) continue;
            double v = common::val(t);
            if (!s.lowestCover || v < s.lowestCover->value)
                s.lowestCover = Extreme{v, t, split.text(r, 1) + (c == 8 ? " 起点" : " 終点")};
        }
    }
    const auto& mh = doc.fgrid3;
    for (int r = 1; r <= mh.dataRows() && !mh.text(r, 1).empty(); ++r) {
        const std::string& t = mh.text(r, 8);
        if (!common::hasNumber(t)) continue;
        double v = common::val(t);
        std::string name = mh.text(r, 2).empty() ? mh.text(r, 1) : mh.text(r, 2);
        if (!s.deepestManhole || v > s.deepestManhole->value)
            s.deepestManhole = Extreme{v, t, name};
    }
    return s;
}

size_t lineCount(const std::string& text) {
    size_t n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

int runRun(const RunArgs& a) {
    namespace fs = std::filesystem;
    cli::CliUi ui(std::cerr);
    kandoru::Document doc;
    if (int status = cli::loadAndCalculate(doc, ui, "run", a.profile, a.format);
        status != cli::kExitOk)
        return status;

    const fs::path dir = a.outDir.empty() ? fs::current_path() : fs::path(a.outDir);
    std::error_code ec;
    fs::create_directories(dir, ec);
    const fs::path handoff = dir / kandoru::kHandoffFileName;
    if (auto w = kandoru::TempSave(doc, handoff); !w) {
        ui.message(common::Icon::Critical, "作図データ",
                   "作図データを書き込めませんでした。\r\n" + kandoru::pathText(handoff));
        std::cerr << "  (" << w.error << ")\n";
        return cli::kExitWarned;
    }

    // The drawing reads the file back, as the drawing program does.
    zumenko::Drawing drawing;
    std::string why;
    if (!zumenko::readHandoff(handoff, drawing, &why)) {
        ui.message(common::Icon::Critical, zumenko::kHandoffErrorTitle,
                   zumenko::handoffErrorMessage(handoff));
        std::cerr << "  (" << why << ")\n";
        return cli::kExitWarned;
    }
    zumenko::DrawOptions opt;
    opt.automatic = true;
    zumenko::ScriptResult script = zumenko::drawScript(drawing, opt);
    if (script.error) {
        ui.message(common::Icon::Critical, script.error->title, script.error->text);
        return cli::kExitWarned;
    }
    const fs::path scriptPath = dir / zumenko::kScriptFileName;
    std::string detail;
    if (auto refused = zumenko::writeScriptFile(scriptPath, script.text, &detail)) {
        ui.message(common::Icon::Critical, refused->title, refused->text);
        if (!detail.empty()) std::cerr << "  (" << detail << ")\n";
        return cli::kExitWarned;
    }

    // The same drawing as pictures beside the script, to look at without AutoCAD.
    auto pictures = zumenko::preview::writeProfilePictures(script.figure, dir);
    if (!pictures) {
        ui.message(common::Icon::Exclamation, "プレビュー",
                   "縦断図の画像を書き込めませんでした。\r\n" + kandoru::pathText(dir));
        std::cerr << "  (" << common::oneLine(pictures.error) << ")\n";
    }

    const Summary s = summarize(doc);
    std::cout << "路線数: " << s.routes << "\n";
    std::cout << "スパン数: " << s.spans << "\n";
    if (s.lowestCover)
        std::cout << "最小土被り: " << s.lowestCover->text << " m (" << s.lowestCover->where
                  << ")\n";
    else
        std::cout << "最小土被り: -\n";
    if (s.deepestManhole)
        std::cout << "最大人孔深: " << s.deepestManhole->text << " m (" << s.deepestManhole->where
                  << ")\n";
    else
        std::cout << "最大人孔深: -\n";
    std::error_code sizeError;
    std::cout << "作図コマンド: " << lineCount(script.text) << " 行, "
              << fs::file_size(scriptPath, sizeError) << " バイト\n";
    std::cout << "書き出し: " << kandoru::pathText(handoff) << ", "
              << kandoru::pathText(scriptPath);
    if (pictures)
        std::cout << ", " << kandoru::pathText(dir / zumenko::preview::kProfilePng) << ", "
                  << kandoru::pathText(dir / zumenko::preview::kProfilePdf);
    std::cout << "\n";
    return ui.warned() ? cli::kExitWarned : cli::kExitOk;
}

const cli::RegisterCommand registerRun(50, [](CLI::App& app, int* status) {
    auto a = std::make_shared<RunArgs>();
    CLI::App* sub = app.add_subcommand(
        "run",
        "Runs the whole pipeline in one step: reads the profile and the format file, runs "
        "\"縦断計算\" once, writes the hand-off file XTemp.txt and the automatic drawing "
        "JTemp.txt (\"全線自動作図\", CP932) into DIR with its pictures profile.png and "
        "profile.pdf (the sheet at its real size), and prints a summary: routes, spans, "
        "lowest cover, deepest manhole, script size. Exit status 1 when the calculation "
        "showed a warning (the files are still written).");
    sub->add_option("PROFILE", a->profile, "profile data file (*.osa)")->required();
    sub->add_option("FORMAT", a->format, "format data file (*.osb)")->required();
    sub->add_option("-o,--output-dir", a->outDir,
                    "folder for XTemp.txt, JTemp.txt, profile.png and profile.pdf (default: .)");
    sub->callback([a, status] { *status = runRun(*a); });
});

}  // namespace
