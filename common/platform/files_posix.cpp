// Folders, file replacing and the environment on POSIX systems.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/platform/environment.h"
#include "common/platform/files.h"
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

namespace files {
namespace {

WriteFault faultOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return WriteFault::DiskFull;
        case EACCES:
        case EPERM:
            return WriteFault::NoPermission;
        case EROFS:
            return WriteFault::ReadOnlyDrive;
        case ENOENT:
        case ENOTDIR:
            return WriteFault::NoFolder;
        case EISDIR:
            return WriteFault::IsFolder;
        default:
            return WriteFault::Other;
    }
}

Failure failure(int error) { return {faultOf(error), std::strerror(error)}; }

// The permissions and, where this user may give them, the owner of like, onto fd.
void keepPermissions(int fd, const std::filesystem::path& like) {
    struct stat st;
    if (::stat(like.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid())
        (void)!::fchown(fd, st.st_uid, st.st_gid);  // only root may; the mode still follows
    ::fchmod(fd, st.st_mode & 07777);
}

// fsync, and close in any case.
Failure syncAndClose(int fd) {
    const Failure f = ::fsync(fd) == 0 ? Failure{} : failure(errno);
    if (::close(fd) != 0 && !f) return failure(errno);
    return f;
}

}  // namespace

Failure checkReplaceable(const std::filesystem::path& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) return {};  // a new file, or a missing folder
    if (S_ISDIR(st.st_mode)) return failure(EISDIR);
    // Marked read-only for everyone: kept even from root, who may write anything.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return {WriteFault::ReadOnlyFile, ""};
    if (::access(target.c_str(), W_OK) != 0) return failure(errno);
    return {};
}

Failure writeNew(const std::filesystem::path& tmp, std::string_view bytes,
                 const std::filesystem::path& target) {
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
    int fd = ::open(tmp.c_str(), flags, 0666);
    if (fd < 0 && errno == EEXIST && ::unlink(tmp.c_str()) == 0)  // a crash's leftover
        fd = ::open(tmp.c_str(), flags, 0666);
    if (fd < 0) return failure(errno);
    keepPermissions(fd, target);  // before the bytes, so a private file never shows them
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const Failure f = failure(n < 0 ? errno : ENOSPC);
            ::close(fd);
            return f;
        }
        done += static_cast<size_t>(n);
    }
    return syncAndClose(fd);
}

Failure settle(const std::filesystem::path& tmp, const std::filesystem::path& target) {
    const int fd = ::open(tmp.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return failure(errno);
    keepPermissions(fd, target);
    return syncAndClose(fd);
}

Failure replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
    return failure(errno);
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // some file systems refuse it for a folder; the rename stands all the same
    ::close(fd);
}

}  // namespace files

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
