// The command line and the console of a command-line program.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The program's arguments as UTF-8 (on Windows read from the wide command line, not the
// ANSI argv), argv[0] first.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Makes std::cout and std::cerr print UTF-8 text readably: on a Windows console through
// the console's wide output; redirected output and other systems get the UTF-8 bytes as
// they are (binary, no LF to CR LF translation). Call once at start.
void setUpConsole();

// True when standard output is an interactive console or terminal.
bool standardOutputIsConsole();

}  // namespace platform
