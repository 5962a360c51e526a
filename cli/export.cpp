// gesui export: the text export 縦断データ.txt of a profile data file, without a window.
#include <iostream>
#include <memory>

#include "cli/cli_ui.h"
#include "cli/command.h"
#include "common/rendezvous.h"
#include "kandoru/document.h"
#include "kandoru/files/osa_file.h"
#include "kandoru/files/text_export.h"

namespace {

struct ExportArgs {
    std::string profile;
    std::string output;
};

int runExport(const ExportArgs& a) {
    cli::CliUi ui(std::cerr);
    kandoru::Document doc;
    common::ReadReport report;
    const auto profile = cli::argumentPath(a.profile);
    if (!kandoru::loadProfile(doc, profile, &report)) {
        cli::error("export") << "読み込めません: " << a.profile << '\n';
        return cli::kExitBadInput;
    }
    common::showReadReport(ui, report, profile);
    const std::filesystem::path out = a.output.empty()
                                          ? common::rendezvousPath(kandoru::kTextExportName)
                                          : cli::argumentPath(a.output);
    if (auto w = kandoru::WaterSave(doc, out); !w) {
        ui.message(
            common::Icon::Critical, "データファイル",
            common::writeFailureText("テキストファイルを書き出せませんでした。", out, w,
                                     kandoru::unmappableText(doc).message("書き出してください。")));
        return cli::kExitWarned;
    }
    return ui.warned() ? cli::kExitWarned : cli::kExitOk;
}

const cli::RegisterCommand registerExport(30, [](CLI::App& app, int* status) {
    auto a = std::make_shared<ExportArgs>();
    CLI::App* sub = app.add_subcommand(
        "export",
        "Writes the TAB-separated text export of a profile data file (*.osa) in CP932, as "
        "\"データの書き出し\" does: the settings, the route, split, change-point and manhole "
        "tables. The file is read as it is stored; no calculation runs.");
    sub->add_option("PROFILE", a->profile, "profile data file (*.osa)")->required();
    sub->add_option("-o,--output", a->output,
                    "text file (default: 縦断データ.txt in the rendezvous folder)");
    sub->callback([a, status] { *status = runExport(*a); });
});

}  // namespace
