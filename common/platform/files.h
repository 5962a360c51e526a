// The system's part of the safe write (files_posix.cpp, files_win32.cpp); safe_write.cpp
// puts the steps together the same way on every system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/platform/safe_write.h"

namespace platform::files {

struct Failure {
    WriteFault fault = WriteFault::None;
    std::string system;  // the system's text, for a fault without a sentence of its own
    explicit operator bool() const { return fault != WriteFault::None; }
};

// Whether target may be replaced: a missing file may; a read-only file, a folder, or a
// file this user may not write may not.
Failure checkReplaceable(const std::filesystem::path& target);

// Creates tmp anew (replacing a leftover of that name) with the permissions of target when
// it exists, writes bytes, brings them to the disk and closes it.
Failure writeNew(const std::filesystem::path& tmp, std::string_view bytes,
                 const std::filesystem::path& target);

// For a file that a library wrote: the permissions of target, and its bytes on the disk.
Failure settle(const std::filesystem::path& tmp, const std::filesystem::path& target);

// Renames from over to in one step.
Failure replace(const std::filesystem::path& from, const std::filesystem::path& to);

// Brings a folder's entries (a rename just made) to the disk where the system allows.
void syncFolder(const std::filesystem::path& folder);

}  // namespace platform::files
