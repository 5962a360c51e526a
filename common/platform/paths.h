// Paths from and to UTF-8 text, and the folders the programs share: the same calls on
// every system, so that Japanese file and folder names survive on Windows too.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A path made from UTF-8 text (a table cell, a setting, an argument, a dialog's answer).
// Never through the ANSI code page, which cannot hold every name on Windows.
std::filesystem::path pathFromUtf8(std::string_view utf8);

// The path as UTF-8 text, for messages and for files that store a name.
std::string pathToUtf8(const std::filesystem::path& path);

// The folder where the programs leave files for each other and for the user: the user's
// profile folder on Windows (%USERPROFILE%), the home folder elsewhere. A standard user
// can write there, which is not true of C:\ itself.
std::filesystem::path rendezvousFolder();

// The environment variable that names the rendezvous folder ("USERPROFILE" or "HOME"), so
// that tests and child processes can move it.
std::string_view rendezvousVariable();

// A per-user folder for lock files: the session's runtime folder where there is one, the
// user's temporary folder on Windows, else the rendezvous folder.
std::filesystem::path lockFolder();

// The name a local socket (a named pipe on Windows) of this user goes by, for a name of
// the lock folder's kind: a file of the lock folder elsewhere, the bare name on Windows,
// where pipes have no folder.
std::string localServerName(std::string_view fileName);

// The path as a narrow file name for a library that opens files by char* only: as it is
// elsewhere; on Windows in the ANSI code page when it fits, else the file's short name
// (the file is created empty for that). nullopt when no narrow name reaches the file.
std::optional<std::string> narrowFileName(const std::filesystem::path& path);

// name as the system names a program file: "gesui.exe" on Windows, "gesui" elsewhere.
std::string programFileName(std::string_view name);

}  // namespace platform
