// The profile and format inputs of gesui calc and gesui run: read as the editor reads them,
// then calculated once as "縦断計算" does.
#pragma once

#include <string>

#include "cli/cli_ui.h"
#include "kandoru/document.h"

namespace cli {

// Loads both files into doc and runs the calculation with ui. Returns kExitOk, or
// kExitBadInput after naming the unreadable file on standard error (doc is then unused).
int loadAndCalculate(kandoru::Document& doc, CliUi& ui, const std::string& command,
                     const std::string& profile, const std::string& format);

}  // namespace cli
