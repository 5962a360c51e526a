// The command line and the console on POSIX systems: arguments and output are UTF-8
// bytes already.
#include <unistd.h>

#include "common/platform/console.h"

namespace platform {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void setUpConsole() {}

bool standardOutputIsConsole() { return ::isatty(STDOUT_FILENO) == 1; }

}  // namespace platform
