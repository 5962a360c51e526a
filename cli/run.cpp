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
#include "kandoru/document.h"
#include "kandoru/files/osa_file.h"
#include "pipeline/run_pipeline.h"
#include "zumenko/preview/render.h"

namespace {

struct RunArgs {
    std::string profile;
    std::string format;
    std::string outDir;
};

int runRun(const RunArgs& a) {
    namespace fs = std::filesystem;
    cli::CliUi ui(std::cerr);
    kandoru::Document doc;
    if (int status = cli::loadAndCalculate(doc, ui, "run", a.profile, a.format);
        status != cli::kExitOk)
        return status;

    const fs::path dir = a.outDir.empty() ? fs::current_path() : fs::path(a.outDir);
    const pipeline::PipelineResult run = pipeline::runPipeline(doc, dir, ui);
    if (!run.ok) {
        if (!run.detail.empty()) std::cerr << "  (" << run.detail << ")\n";
        return cli::kExitWarned;
    }

    // The same drawing as pictures beside the script, to look at without AutoCAD.
    auto pictures = zumenko::preview::writeProfilePictures(run.script.figure, dir);
    if (!pictures) {
        ui.message(common::Icon::Exclamation, "プレビュー",
                   "縦断図の画像を書き込めませんでした。\r\n" + kandoru::pathText(dir));
        std::cerr << "  (" << common::oneLine(pictures.error) << ")\n";
    }
    std::vector<fs::path> more;
    if (pictures) more = {dir / zumenko::preview::kProfilePng, dir / zumenko::preview::kProfilePdf};
    for (const std::string& line : pipeline::pipelineReport(run, more)) std::cout << line << "\n";
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
