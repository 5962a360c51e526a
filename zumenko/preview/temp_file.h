// Pictures and DXF files are written by libraries that open files themselves: they write
// a temporary file beside the target, which replaces the target only once it is whole.
#pragma once

#include <filesystem>

#include "common/textfile.h"

namespace zumenko::preview {

// The temporary file beside path, named after this process.
std::filesystem::path tempBeside(const std::filesystem::path& path);

// Renames tmp over path when whole is true and tmp holds something; otherwise, or when the
// rename fails, removes tmp and leaves path as it was.
common::WriteResult commitTemp(const std::filesystem::path& tmp, const std::filesystem::path& path,
                               bool whole);

}  // namespace zumenko::preview
