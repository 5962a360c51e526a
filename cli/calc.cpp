// gesui calc: a profile data file calculated with a format file, as "縦断計算" does in the
// editor, without a window.
#include <iostream>
#include <memory>

#include "cli/calculated_profile.h"
#include "cli/cli_ui.h"
#include "cli/command.h"
#include "common/textfile.h"
#include "kandoru/document.h"
#include "kandoru/files/osa_file.h"
#include "kandoru/files/table_dump.h"

namespace {

struct CalcArgs {
    std::string profile;
    std::string format;
    std::string tables;
    std::string save;
};

void reportSaveFailure(cli::CliUi& ui, const std::filesystem::path& path,
                       const common::WriteResult& w, const std::string& unmappable = "") {
    ui.message(common::Icon::Critical, "保存エラー",
               common::writeFailureText("ファイルを保存できませんでした。", path, w, unmappable));
}

int runCalc(const CalcArgs& a) {
    cli::CliUi ui(std::cerr);
    kandoru::Document doc;
    if (int status = cli::loadAndCalculate(doc, ui, "calc", a.profile, a.format);
        status != cli::kExitOk)
        return status;

    if (!a.tables.empty()) {
        const auto tables = cli::argumentPath(a.tables);
        if (auto w = common::writeFileAtomic(tables, kandoru::dumpTables(doc)); !w)
            reportSaveFailure(ui, tables, w);
    }
    if (!a.save.empty()) {
        const auto save = cli::argumentPath(a.save);
        if (auto w = kandoru::FileSave2(doc, save); !w)
            reportSaveFailure(ui, save, w,
                              kandoru::unmappableText(doc).message("保存してください。"));
    }
    return ui.warned() ? cli::kExitWarned : cli::kExitOk;
}

const cli::RegisterCommand registerCalc(10, [](CLI::App& app, int* status) {
    auto a = std::make_shared<CalcArgs>();
    CLI::App* sub = app.add_subcommand(
        "calc",
        "gesui calc PROFILE.osa FORMAT.osb [--tables OUT.tsv] [--save OUT.osa]\n"
        "Calculates a profile data file (*.osa) with a format file (*.osb) as the editor's "
        "\"縦断計算\" does: the profile is read as \"開く\" reads it and the format as a "
        "double-click on the format field reads it (neither with its own closing "
        "calculation), then the calculation gate, the split calculation with the ground "
        "interpolation and the profile passes run once. Every message box is printed on "
        "standard error as one line \"title: text\" (line breaks in the text as blanks); "
        "questions are answered Yes.\n"
        "--tables OUT.tsv writes the tables FGrid1 to FGrid8 after the calculation, one line "
        "\"FGridN<TAB>row<TAB>column 1<TAB>...<TAB>last column\" per data row with any text, "
        "table by table and row by row, UTF-8 with LF. --save OUT.osa saves the calculated "
        "profile data file.\n"
        "Exit status: 0 no warning, 1 a critical or exclamation message was shown, 2 bad "
        "arguments or an input file that cannot be read.");
    sub->add_option("PROFILE", a->profile, "profile data file (*.osa)")->required();
    sub->add_option("FORMAT", a->format, "format file (*.osb)")->required();
    sub->add_option("--tables", a->tables, "the table dump of FGrid1 to FGrid8 (UTF-8, LF)");
    sub->add_option("--save", a->save, "saves the calculated profile data file (*.osa)");
    sub->callback([a, status] { *status = runCalc(*a); });
});

}  // namespace
