// The one folder where the programs leave files for each other and for the user.
#pragma once

#include <filesystem>
#include <string_view>

namespace common {

// C:\ on Windows, the user's home folder elsewhere.
std::filesystem::path rendezvousFolder();

// A file of the rendezvous folder, the name given in UTF-8 (e.g. "XTemp.txt").
std::filesystem::path rendezvousPath(std::string_view fileName);

}  // namespace common
