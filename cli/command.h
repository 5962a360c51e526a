// Subcommands of gesui register themselves here; main() parses and runs them.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

namespace cli {

// Exit status of a subcommand: 0 no warning shown, 1 a critical or exclamation message
// was shown, 2 bad arguments or an unreadable input file.
inline constexpr int kExitOk = 0;
inline constexpr int kExitWarned = 1;
inline constexpr int kExitBadInput = 2;

// Adds a subcommand to app; its callback stores the exit status in *status.
using CommandSetup = std::function<void(CLI::App& app, int* status)>;

struct RegisterCommand {
    RegisterCommand(int order, CommandSetup setup);
};

struct CommandEntry {
    int order;
    CommandSetup setup;
};
std::vector<CommandEntry>& commandRegistry();

}  // namespace cli
