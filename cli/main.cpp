// gesui: the suite's operations without a window.
#include <algorithm>
#include <iostream>
#include <optional>

#include "cli/command.h"
#include "common/platform/console.h"
#include "common/platform/paths.h"

namespace cli {

std::vector<CommandEntry>& commandRegistry() {
    static std::vector<CommandEntry> entries;
    return entries;
}

RegisterCommand::RegisterCommand(int order, CommandSetup setup) {
    commandRegistry().push_back({order, std::move(setup)});
}

std::filesystem::path argumentPath(const std::string& argument) {
    return platform::pathFromUtf8(argument);
}

std::ostream& error(std::string_view command) {
    std::cerr << "gesui";
    if (!command.empty()) std::cerr << ' ' << command;
    return std::cerr << ": ";
}

}  // namespace cli

namespace {

// The first argument that is not an option, when it names no subcommand: CLI11 would only
// say that a subcommand is required.
std::optional<std::string> unknownSubcommand(const CLI::App& app,
                                             const std::vector<std::string>& args) {
    if (args.size() < 2 || args[1].empty() || args[1][0] == '-') return std::nullopt;
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
        if (sub->check_name(args[1])) return std::nullopt;
    return args[1];
}

}  // namespace

int main(int argc, char** argv) {
    platform::setUpConsole();
    CLI::App app{
        "gesui - 下水縦断図 suite without a window: calculates profiles, writes the hand-off "
        "file and the AutoCAD command script, exports the data.\n"
        "Messages that the programs would show in a box are printed on standard error as "
        "\"title: text\"; gesui's own messages as \"gesui COMMAND: text\". Questions are "
        "answered Yes. Text output is UTF-8: a Windows console shows it as text, and "
        "redirected to a file or a pipe it stays UTF-8 bytes (the command scripts written to "
        "standard output stay CP932 bytes)."};
    app.require_subcommand(1);
    // "/x" is a path (CLI11 would read it as an option on Windows).
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", "gesui " GESUI_VERSION);
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return std::string("gesui: ") + e.what() + "\n";
    });
    int status = cli::kExitOk;
    auto& entries = cli::commandRegistry();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.order < b.order; });
    for (auto& e : entries) e.setup(app, &status);

    // UTF-8 arguments on every system (on Windows from the wide command line).
    const std::vector<std::string> args = platform::commandLineArguments(argc, argv);
    if (auto unknown = unknownSubcommand(app, args)) {
        cli::error("")
            << "\"" << *unknown
            << "\" というコマンドはありません。gesui --help でコマンドの一覧を表示します\n";
        return cli::kExitBadInput;
    }
    std::vector<const char*> utf8Argv;
    for (const auto& a : args) utf8Argv.push_back(a.c_str());
    try {
        app.parse(static_cast<int>(utf8Argv.size()), utf8Argv.data());
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return cli::kExitBadInput;
    }
    std::cout.flush();
    return status;
}
