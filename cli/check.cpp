// gesui check: a profile calculated as gesui calc does, then the hydraulics of every span
// and the design rules; the listing on standard output, optionally a TSV and a PDF sheet.
#include "cli/check.h"

#include <iostream>
#include <memory>

#include "cli/calculated_profile.h"
#include "cli/cli_ui.h"
#include "cli/command.h"
#include "common/numtext.h"
#include "kandoru/check/check_report.h"
#include "kandoru/files/osa_file.h"

namespace cli {

CheckPdfWriter& checkPdfWriter() {
    static CheckPdfWriter writer;
    return writer;
}

}  // namespace cli

namespace {

struct CheckArgs {
    std::string profile;
    std::string format;
    std::string tsv;
    std::string pdf;
    std::string pipeType = "VU";
    double minSizeMm = 200;
    double maxSizeMm = 600;
};

// The "管　種" choice an option names.
std::string pipeTypeText(const std::string& option) {
    return option == "RC" ? "鉄筋ｺﾝｸﾘｰﾄ管" : "塩化ﾋﾞﾆﾙ管(VU)";
}

bool writeOutput(cli::CliUi& ui, const std::filesystem::path& path, const common::WriteResult& w) {
    if (w) return true;
    ui.message(common::Icon::Critical, "保存エラー",
               common::writeFailureText("ファイルを保存できませんでした。", path, w));
    return false;
}

int runCheck(const CheckArgs& a) {
    if (a.minSizeMm > a.maxSizeMm) {
        cli::error("check") << "--min-size " << common::formatGeneral(a.minSizeMm)
                            << " が --max-size " << common::formatGeneral(a.maxSizeMm)
                            << " より大きくなっています\n";
        return cli::kExitBadInput;
    }
    if (!a.pdf.empty() && !cli::checkPdfWriter()) {
        cli::error("check") << "この gesui は Qt なしで作られたため --pdf を書けません\n";
        return cli::kExitBadInput;
    }
    cli::CliUi ui(std::cerr);
    kandoru::Document doc;
    if (int status = cli::loadAndCalculate(doc, ui, "check", a.profile, a.format);
        status != cli::kExitOk)
        return status;
    // Fields the profile data file does not hold, as the editor's would stand.
    doc.settings.pipeType = pipeTypeText(a.pipeType);
    doc.settings.minDiameter = common::formatGeneral(a.minSizeMm);
    doc.settings.maxDiameter = common::formatGeneral(a.maxSizeMm);

    const kandoru::check::CheckResult result = kandoru::check::designCheck(doc);
    std::cout << kandoru::check::checkListing(doc.settings.projectName, result) << std::flush;

    bool written = true;
    if (!a.tsv.empty()) {
        const auto tsv = cli::argumentPath(a.tsv);
        written =
            writeOutput(ui, tsv, common::writeFileAtomic(tsv, kandoru::check::checkTsv(result))) &&
            written;
    }
    if (!a.pdf.empty()) {
        const auto pdf = cli::argumentPath(a.pdf);
        written = writeOutput(ui, pdf, cli::checkPdfWriter()(doc, result, pdf)) && written;
    }
    if (!written) return cli::kExitBadInput;
    return result.findings.empty() && !ui.warned() ? cli::kExitOk : cli::kExitWarned;
}

const cli::RegisterCommand registerCheck(15, [](CLI::App& app, int* status) {
    auto a = std::make_shared<CheckArgs>();
    CLI::App* sub = app.add_subcommand(
        "check",
        "gesui check PROFILE.osa FORMAT.osb [--tsv OUT.tsv] [--pdf OUT.pdf] [--pipe-type VU|RC] "
        "[--min-size MM] [--max-size MM]\n"
        "Calculates the profile as gesui calc does, then checks every span: the full-flow "
        "velocity and capacity (Manning or Kutter as the profile chooses; circular pipes "
        "full, box culvert codes \"□B×H\" at 90 % of their height), the velocity range "
        "0.6-3.0 m/s, circular pipe sizes against --min-size/--max-size, sizes against the "
        "pipe upstream, the gradient, the manhole spacing, the minimum cover at manholes and "
        "ground change "
        "points, the manhole types and the drop pipes. Prints the span table and the "
        "findings.\n"
        "--tsv OUT.tsv writes UTF-8 lines \"span<TAB>label<TAB>pipe code<TAB>D mm<TAB>"
        "gradient<TAB>n<TAB>V m/s<TAB>Q m3/s\" for every span with hydraulics, then "
        "\"finding<TAB>rule<TAB>label<TAB>value<TAB>limit\" for each finding. --pdf OUT.pdf "
        "writes the calculation sheet on A4 pages.\n"
        "Exit status: 0 no findings, 1 findings (or a message of the calculation), 2 bad "
        "arguments, an input that cannot be read or an output that cannot be written.");
    sub->add_option("PROFILE", a->profile, "profile data file (*.osa)")->required();
    sub->add_option("FORMAT", a->format, "format file (*.osb)")->required();
    sub->add_option("--tsv", a->tsv, "the spans and findings, tab-separated (UTF-8, LF)");
    sub->add_option("--pdf", a->pdf, "the calculation sheet (A4 PDF)");
    sub->add_option("--pipe-type", a->pipeType,
                    "VU: 塩化ﾋﾞﾆﾙ管(VU), n 0.010; RC: 鉄筋ｺﾝｸﾘｰﾄ管, n 0.013")
        ->check(CLI::IsMember({"VU", "RC"}))
        ->capture_default_str();
    sub->add_option("--min-size", a->minSizeMm, "最小管径, mm")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    sub->add_option("--max-size", a->maxSizeMm, "最大管径, mm")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    sub->callback([a, status] { *status = runCheck(*a); });
});

}  // namespace
