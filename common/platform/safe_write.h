// The safe whole-file write: the bytes go to a temporary file beside the target and reach
// the disk, then replace the target in one step, so that a failed write leaves the old file
// as it was. A read-only file is not replaced; a symbolic link is followed; the new file
// keeps the old one's permissions.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Why a write failed, as the programs tell the user.
enum class WriteFault {
    None,
    ReadOnlyFile,   // the target is marked read-only: it is not replaced
    ReadOnlyDrive,  // the drive or file system is mounted read-only
    NoPermission,   // the folder or the file may not be written by this user
    DiskFull,       // no space (or quota) left
    NoFolder,       // the folder of the target does not exist
    IsFolder,       // the target is a folder
    Other,
};

struct WriteResult {
    bool ok = true;
    std::string error;  // why the write failed: a Japanese sentence for the message's last line
    WriteFault fault = WriteFault::None;
    explicit operator bool() const { return ok; }
};

// The sentence a failed write shows for fault; folder names the missing folder, system is
// the system's own text for a fault without a sentence of its own.
std::string writeFaultText(WriteFault fault, const std::filesystem::path& folder,
                           std::string_view system);

// Writes bytes as the whole new content of path (of the file it links to, for a link).
WriteResult writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// For libraries that open their output themselves: the temporary file beside path (beside
// the file it links to), a fixed hidden name that the next write replaces when a crash
// left it, ...
std::filesystem::path temporaryBeside(const std::filesystem::path& path);

// ... and its replacing of the target, as writeFileAtomic does. When whole is false or tmp
// is missing or empty, or the replacing fails, tmp is removed and path left as it was.
WriteResult commitTemporary(const std::filesystem::path& tmp, const std::filesystem::path& path,
                            bool whole);

// Renames from over to in one step, replacing an existing file; false with the reason in
// *error when it fails.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to,
                 std::string* error);

}  // namespace platform
