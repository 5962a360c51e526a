#include "cli/calculated_profile.h"

#include <iostream>

#include "cli/command.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/osa_file.h"

namespace cli {

int loadAndCalculate(kandoru::Document& doc, CliUi& ui, const std::string& command,
                     const std::string& profile, const std::string& format) {
    // The open command and the format intake, each without its closing calculation.
    const auto profilePath = argumentPath(profile), formatPath = argumentPath(format);
    common::ReadReport profileReport;
    if (!kandoru::loadProfile(doc, profilePath, &profileReport)) {
        error(command) << "読み込めません: " << profile << '\n';
        return kExitBadInput;
    }
    common::showReadReport(ui, profileReport, profilePath);
    common::ReadReport formatReport;
    if (!kandoru::loadFormat(doc, formatPath, &formatReport)) {
        error(command) << "読み込めません: " << format << '\n';
        return kExitBadInput;
    }
    common::showReadReport(ui, formatReport, formatPath);
    kandoru::runCalculation(doc, ui);
    return kExitOk;
}

}  // namespace cli
