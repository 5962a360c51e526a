// Whole-file reads and safe whole-file writes of CP932 text with CR LF line ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/safe_write.h"

namespace common {

// ok, or false with why the write failed (UTF-8), for a log line or a detail text.
using WriteResult = platform::WriteResult;

// The whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Splits text into lines at CR LF (or a bare LF); a final line break ends the last line.
std::vector<std::string> splitLines(std::string_view text);

// A CP932 text file as UTF-8 lines; nullopt when it cannot be read. Invalid bytes become
// U+FFFD.
std::optional<std::vector<std::string>> readCp932Lines(const std::filesystem::path& path);

// Writes bytes to a temporary file beside path and renames it over path, so that a failed
// write leaves the old file as it was.
using platform::writeFileAtomic;

// The refused write of a text holding character (UTF-8), which Shift_JIS cannot hold.
WriteResult unmappableFailure(std::string_view character);

// Each line in CP932 followed by CR LF.
std::optional<std::string> encodeCp932Lines(const std::vector<std::string>& lines,
                                            std::string* unmappable = nullptr);
WriteResult writeCp932Lines(const std::filesystem::path& path,
                            const std::vector<std::string>& lines);

// A failed write as the programs show it: what failed (a sentence), the file, and why;
// for a text that held characters Shift_JIS cannot, their list (UnmappableFinder's
// message) says why instead.
std::string writeFailureText(std::string_view what, const std::filesystem::path& path,
                             const WriteResult& w, const std::string& unmappable = "");

}  // namespace common
