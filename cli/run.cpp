// gesui run: a profile and a format file calculated, then the pipeline of the core with
// the drawing's pictures, and the summary of what was designed.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/calculated_profile.h"
#include "cli/cli_ui.h"
#include "cli/command.h"
#include "cli/pictures.h"
#include "cli/sheet_outputs.h"
#include "common/numtext.h"
#include "common/platform/paths.h"
#include "kandoru/document.h"
#include "kandoru/files/osa_file.h"
#include "pipeline/run_pipeline.h"
#include "zumenko/script_file.h"
#include "zumenko/sheet_set.h"

namespace {

struct RunArgs {
    std::string profile;
    std::string format;
    std::string outDir;
};

// The files of a run beside the hand-off file: the automatic drawing's pictures, and the
// set of sheets when the line needs more than one.
std::vector<std::string> runOutputNames(const std::filesystem::path& dir) {
    std::vector<std::string> names{zumenko::kScriptFileName, cli::kProfilePng, cli::kProfilePdf};
    for (auto& n : cli::setOutputNames(dir)) names.push_back(std::move(n));
    return names;
}

int runRun(const RunArgs& a) {
    namespace fs = std::filesystem;
    cli::CliUi ui(std::cerr);
    kandoru::Document doc;
    if (int status = cli::loadAndCalculate(doc, ui, "run", a.profile, a.format);
        status != cli::kExitOk)
        return status;

    const fs::path dir = a.outDir.empty() ? fs::current_path() : cli::argumentPath(a.outDir);
    const auto before = runOutputNames(dir);
    const pipeline::PipelineResult run = pipeline::runPipeline(doc, dir, ui);
    // What an earlier run left and this one did not write would stand beside the new
    // hand-off file as if it belonged to it.
    std::vector<std::string> written;
    if (run.ok) written.push_back(zumenko::kScriptFileName);
    auto removeStale = [&] {
        if (run.handoffWritten) cli::removeStaleOutputs(dir, before, written, ui);
    };
    if (!run.ok) {
        if (!run.detail.empty()) std::cerr << "  (" << run.detail << ")\n";
        removeStale();
        return cli::kExitWarned;
    }
    // The calculation's warnings set the exit status; a picture that cannot be drawn is
    // only reported, the scripts being what the run is for.
    const bool calculationWarned = ui.warned();

    // The same drawing as pictures beside the script, to look at without AutoCAD.
    std::vector<fs::path> more;
    for (const char* name : {cli::kProfilePng, cli::kProfilePdf}) {
        auto w = cli::writePicture(run.script.figure, dir / name);
        if (!w) {
            ui.message(common::Icon::Exclamation, "プレビュー",
                       "縦断図の画像を書き込めませんでした。\r\n" + kandoru::pathText(dir / name));
            std::cerr << "  (" << common::oneLine(w.error) << ")\n";
            continue;
        }
        written.push_back(name);
        more.push_back(dir / name);
    }

    // A line longer than one sheet is also drawn as its set of sheets.
    zumenko::DrawOptions opt;
    const zumenko::SheetSet set = zumenko::planSheets(run.drawing, opt);
    bool setScriptWritten = true;
    if (set.sheets.size() > 1) {
        cli::SetOutputs out = cli::writeSheetSet(run.drawing, opt, set, dir, /*each=*/false, ui);
        setScriptWritten = out.scriptsWritten;
        for (const auto& name : out.written) {
            written.push_back(name);
            more.push_back(dir / name);
        }
    }
    removeStale();

    for (const std::string& line : pipeline::pipelineReport(run, more)) std::cout << line << "\n";
    if (set.sheets.size() > 1) {
        std::cout << "シート割: " << set.sheets.size() << " 枚\n";
        for (size_t k = 0; k < set.sheets.size(); ++k)
            std::cout << cli::describeSheet(run.drawing, opt, set, k) << "\n";
    }
    return calculationWarned || !setScriptWritten ? cli::kExitWarned : cli::kExitOk;
}

const cli::RegisterCommand registerRun(50, [](CLI::App& app, int* status) {
    auto a = std::make_shared<RunArgs>();
    CLI::App* sub = app.add_subcommand(
        "run",
        "Runs the whole pipeline in one step: reads the profile and the format file, runs "
        "\"縦断計算\" once, writes the hand-off file XTemp.txt and the automatic drawing "
        "JTemp.txt (\"全線自動作図\", CP932) into DIR with its pictures profile.png and "
        "profile.pdf (the sheet at its real size); a line longer than one sheet also as its "
        "set of sheets, sheets.txt and sheets.pdf (as gesui sheets draws it). Prints a "
        "summary: routes, spans, lowest cover, deepest manhole, script size, the sheets. "
        "Files an earlier run left in DIR and this one did not write are removed. Exit "
        "status 1 when the calculation showed a warning (the files are still written) or a "
        "script could not be written; a picture that cannot be drawn is a warning only.");
    sub->add_option("PROFILE", a->profile, "profile data file (*.osa)")->required();
    sub->add_option("FORMAT", a->format, "format data file (*.osb)")->required();
    sub->add_option("-o,--output-dir", a->outDir,
                    "folder for XTemp.txt, JTemp.txt, the pictures and the sheets (default: .)");
    sub->callback([a, status] { *status = runRun(*a); });
});

}  // namespace
