// Rendezvous folder: fixed per system, shared by all programs of the suite.
#include "common/rendezvous.h"

#include "common/platform/paths.h"

namespace common {

std::filesystem::path rendezvousFolder() { return platform::rendezvousFolder(); }

std::filesystem::path rendezvousPath(std::string_view fileName) {
    return rendezvousFolder() / platform::pathFromUtf8(fileName);
}

std::string rendezvousFolderText() { return platform::pathToUtf8(rendezvousFolder()); }

}  // namespace common
