// Folders, file replacing and the environment on POSIX systems.
#include <pwd.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/platform/environment.h"
#include "common/platform/paths.h"
#include "common/platform/safe_write.h"

namespace platform {

std::filesystem::path rendezvousFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return std::filesystem::current_path();
}

std::string_view rendezvousVariable() { return "HOME"; }

std::filesystem::path lockFolder() {
    if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run) {
        std::error_code ec;
        if (std::filesystem::is_directory(run, ec)) return run;
    }
    return rendezvousFolder();
}

std::string localServerName(std::string_view fileName) {
    return (lockFolder() / std::string(fileName)).native();
}

std::optional<std::string> narrowFileName(const std::filesystem::path& path) {
    return path.native();
}

std::string programFileName(std::string_view name) { return std::string(name); }

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to,
                 std::string* error) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    if (error) *error = std::strerror(errno);
    return false;
}

std::optional<std::string> environmentVariable(std::string_view name) {
    const char* v = std::getenv(std::string(name).c_str());
    if (!v) return std::nullopt;
    return std::string(v);
}

void setEnvironmentVariable(std::string_view name, const std::optional<std::string>& value) {
    const std::string n(name);
    if (value)
        ::setenv(n.c_str(), value->c_str(), 1);
    else
        ::unsetenv(n.c_str());
}

}  // namespace platform
