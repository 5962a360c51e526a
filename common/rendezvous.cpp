// Rendezvous folder: fixed per system, shared by all programs of the suite.
#include "common/rendezvous.h"

#include <cstdlib>
#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace common {

std::filesystem::path rendezvousFolder() {
#ifdef _WIN32
    return std::filesystem::path("C:\\");
#else
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return std::filesystem::current_path();
#endif
}

std::filesystem::path rendezvousPath(std::string_view fileName) {
    return rendezvousFolder() / std::filesystem::path(std::string(fileName));
}

}  // namespace common
