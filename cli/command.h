// Subcommands of gesui register themselves here; main() parses and runs them.
#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
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

// A file or folder named on the command line (UTF-8 text on every system).
std::filesystem::path argumentPath(const std::string& argument);

// Standard error after "gesui COMMAND: ", the start of every message of gesui's own (those
// the programs would show in a box are "title: text" lines of CliUi).
std::ostream& error(std::string_view command);

}  // namespace cli
