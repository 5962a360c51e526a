// gesui sheets: a long line as a set of sheets that each fit the format's sheet, as scripts,
// pictures and a DXF file.
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/cli_ui.h"
#include "cli/command.h"
#include "cli/pictures.h"
#include "cli/sheet_outputs.h"
#include "common/platform/paths.h"
#include "zumenko/intake.h"
#include "zumenko/script.h"
#include "zumenko/sheet_set.h"

namespace {

struct SheetsArgs {
    std::string handoff;
    std::string outDir;
    bool reverse = false;
    bool pipeWall = false;
    bool noFrame = false;
};

int runSheets(const SheetsArgs& a) {
    namespace fs = std::filesystem;
    cli::CliUi ui(std::cerr);
    zumenko::Drawing doc;
    std::string why;
    const auto handoff = cli::argumentPath(a.handoff);
    if (!zumenko::readHandoff(handoff, doc, &why)) {
        ui.message(common::Icon::Critical, zumenko::kHandoffErrorTitle,
                   zumenko::handoffErrorMessage(handoff));
        std::cerr << "  (" << why << ")\n";
        return cli::kExitBadInput;
    }
    if (auto refused = zumenko::checkDrawingFormat(doc)) {
        ui.message(common::Icon::Critical, refused->title, refused->text);
        return cli::kExitWarned;
    }
    zumenko::DrawOptions opt;
    opt.upstreamToDownstream = !a.reverse;
    opt.pipeWall = a.pipeWall;
    opt.frame = !a.noFrame;
    const zumenko::SheetSet set = zumenko::planSheets(doc, opt);
    if (set.sheets.empty()) {
        ui.message(common::Icon::Critical, zumenko::kLayoutTitle, zumenko::kNoStretchText);
        return cli::kExitWarned;
    }

    const fs::path dir = a.outDir.empty() ? fs::current_path() : cli::argumentPath(a.outDir);
    std::error_code ec;
    fs::create_directories(dir, ec);
    const auto before = cli::setOutputNames(dir);
    cli::SetOutputs out = cli::writeSheetSet(doc, opt, set, dir, /*each=*/true, ui);
    cli::removeStaleOutputs(dir, before, out.written, ui);
    if (!out.scriptsWritten) return cli::kExitWarned;

    for (size_t k = 0; k < set.sheets.size(); ++k)
        std::cout << cli::describeSheet(doc, opt, set, k) << "\n";
    std::cout << "書き出し:";
    for (const auto& name : out.written) std::cout << " " << platform::pathToUtf8(dir / name);
    std::cout << "\n";
    return cli::kExitOk;
}

const cli::RegisterCommand registerSheets(45, [](CLI::App& app, int* status) {
    auto a = std::make_shared<SheetsArgs>();
    CLI::App* sub = app.add_subcommand(
        "sheets",
        "Draws a line that does not fit one sheet as a set of sheets: each sheet holds the "
        "longest stretch of stations that fits inside its frame, consecutive sheets share "
        "their boundary station, and each has its own datum level. Writes into DIR "
        "sheets.txt (every sheet side by side, one paste into AutoCAD), sheet01.txt ... "
        "(each sheet alone), sheets.pdf (a page per sheet at its real size), sheet01.png ... "
        "and sheets.dxf, and prints one line per sheet. A picture that cannot be drawn is a "
        "warning; the exit status is 0 once the scripts are written.");
    sub->add_option("HANDOFF", a->handoff, "hand-off file (XTemp.txt)")->required();
    sub->add_option("-o,--output-dir", a->outDir, "folder for the files (default: .)");
    sub->add_flag("--reverse", a->reverse, "draw downstream to upstream (下流→上流)");
    sub->add_flag("--pipe-wall", a->pipeWall, "draw the pipe walls (管厚)");
    sub->add_flag("--no-frame", a->noFrame, "no sheet border and frames (外枠・内枠記入 off)");
    sub->callback([a, status] { *status = runSheets(*a); });
});

}  // namespace
