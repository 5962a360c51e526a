// A lock that one process holds at a time, released by the system when its holder ends,
// however it ends: a crashed holder leaves no stale lock.
#pragma once

#include <cstdint>
#include <filesystem>

namespace platform {

class InstanceLock {
public:
    enum class Result {
        Acquired,
        Held,        // another holder (another process or another lock object) has it
        Unavailable  // the lock file cannot be created at all
    };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries once, without waiting, to take the lock named by file (created when missing,
    // never removed: removing it would let a second holder in beside the first).
    Result acquire(const std::filesystem::path& file);
    void release();
    bool held() const { return handle_ != kNone; }

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
};

}  // namespace platform
