// Running the built programs from tests, with the same quoting and the same UTF-8
// arguments on every system (no shell, so Windows runs them as Linux does).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct ProgramRun {
    int status = -1;  // exit status; -1 when it did not start or did not end normally
    std::string out, err;
};

// Runs program with args (UTF-8), both output streams captured. home, when not empty,
// becomes the rendezvous folder of the program.
ProgramRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& home = {});

// The built gesui.
std::filesystem::path gesuiProgram();
ProgramRun runGesui(const std::vector<std::string>& args, const std::filesystem::path& home = {});

// Splits a line into arguments as a POSIX shell quotes them: '...' literally, "..." with
// \" and \\ escaped, else at blanks. For tests that write an argument list as one line.
std::vector<std::string> splitArguments(std::string_view line);

// The path in single quotes, as UTF-8, for such a line.
std::string quoted(const std::filesystem::path& path);

}  // namespace testing_support
