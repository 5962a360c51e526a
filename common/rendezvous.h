// The one folder where the programs leave files for each other and for the user.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

// The user's profile folder on Windows, the home folder elsewhere.
std::filesystem::path rendezvousFolder();

// A file of the rendezvous folder, the name given in UTF-8 (e.g. "XTemp.txt").
std::filesystem::path rendezvousPath(std::string_view fileName);

// The rendezvous folder as UTF-8 text, for the messages that say where a file went.
std::string rendezvousFolderText();

}  // namespace common
