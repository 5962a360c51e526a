// gesui: the suite's operations without a window.
#include <algorithm>
#include <iostream>

#include "cli/command.h"

namespace cli {

std::vector<CommandEntry>& commandRegistry() {
    static std::vector<CommandEntry> entries;
    return entries;
}

RegisterCommand::RegisterCommand(int order, CommandSetup setup) {
    commandRegistry().push_back({order, std::move(setup)});
}

}  // namespace cli

int main(int argc, char** argv) {
    CLI::App app{
        "gesui - 下水縦断図 suite without a window: calculates profiles, writes the hand-off "
        "file and the AutoCAD command script, exports the data.\n"
        "Messages that the programs would show in a box are printed on standard error as "
        "\"title: text\"; questions are answered Yes."};
    app.require_subcommand(1);
    int status = cli::kExitOk;
    auto& entries = cli::commandRegistry();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.order < b.order; });
    for (auto& e : entries) e.setup(app, &status);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return cli::kExitBadInput;
    }
    return status;
}
