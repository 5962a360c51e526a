// Starting other programs: a sibling program detached, or a program run to its end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Starts program without arguments in folder, in a normal window, without waiting and
// without keeping it as a child. False when it could not be started.
bool startDetached(const std::filesystem::path& program, const std::filesystem::path& folder);

struct RunRequest {
    std::filesystem::path program;
    std::vector<std::string> arguments;    // UTF-8, without the program name
    std::filesystem::path standardOutput;  // a file, created or emptied; empty: inherited
    std::filesystem::path standardError;   // likewise
    // Variables set (a value) or removed (nullopt) for the program only.
    std::vector<std::pair<std::string, std::optional<std::string>>> environment;
};

// Runs a program and waits for its end. Its exit status, or -1 when it could not be
// started or did not end normally.
int runProgram(const RunRequest& request);

// This process's id, for names of temporary files.
unsigned long processId();

}  // namespace platform
