// The instance lock on POSIX systems: flock on a lock file. The lock belongs to the open
// file, so a second lock object of the same process is refused too, and the system drops
// it when the holder ends.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>

#include "common/platform/instance_lock.h"

namespace platform {

InstanceLock::~InstanceLock() { release(); }

InstanceLock::Result InstanceLock::acquire(const std::filesystem::path& file) {
    release();
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Result::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        return e == EWOULDBLOCK ? Result::Held : Result::Unavailable;
    }
    handle_ = fd;
    return Result::Acquired;
}

void InstanceLock::release() {
    if (handle_ == kNone) return;
    ::close(static_cast<int>(handle_));
    handle_ = kNone;
}

}  // namespace platform
