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
    common::ReadReport profileReport;
    if (!kandoru::loadProfile(doc, profile, &profileReport)) {
        std::cerr << "gesui " << command << ": cannot read " << profile << '\n';
        return kExitBadInput;
    }
    common::showReadReport(ui, profileReport, profile);
    common::ReadReport formatReport;
    if (!kandoru::loadFormat(doc, format, &formatReport)) {
        std::cerr << "gesui " << command << ": cannot read " << format << '\n';
        return kExitBadInput;
    }
    common::showReadReport(ui, formatReport, format);
    kandoru::runCalculation(doc, ui);
    return kExitOk;
}

}  // namespace cli
