// The safe whole-file write: the bytes go to a temporary file beside the target, which then
// replaces the target in one step, so that a failed write leaves the old file as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

struct WriteResult {
    bool ok = true;
    std::string error;  // why the write failed (UTF-8), for a detail line
    explicit operator bool() const { return ok; }
};

// Writes bytes as the whole new content of path.
WriteResult writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// For libraries that open their output themselves: the temporary file beside path, named
// after this process, ...
std::filesystem::path temporaryBeside(const std::filesystem::path& path);

// ... and its replacing of the target. When whole is false or tmp is missing or empty, or
// the replacing fails, tmp is removed and path left as it was.
WriteResult commitTemporary(const std::filesystem::path& tmp, const std::filesystem::path& path,
                            bool whole);

// Renames from over to in one step, replacing an existing file; false with the reason in
// *error when it fails.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to,
                 std::string* error);

}  // namespace platform
