// The instance lock on Windows: the lock file opened without sharing. A second open, from
// this process or another, fails until the handle is closed, which the system does when
// the holder ends.
#include <windows.h>

#include "common/platform/instance_lock.h"

namespace platform {

InstanceLock::~InstanceLock() { release(); }

InstanceLock::Result InstanceLock::acquire(const std::filesystem::path& file) {
    release();
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Result::Held : Result::Unavailable;
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return Result::Acquired;
}

void InstanceLock::release() {
    if (handle_ == kNone) return;
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
}

}  // namespace platform
