// The *.osb format file: 314 comma records in CP932 with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shoveda/format/document.h"

namespace shoveda {

inline constexpr int kOsbLineCount = 314;

// The file's lines (UTF-8, without line ends) from the document.
std::vector<std::string> osbLines(const FormatDocument& doc);

// Replaces the whole document by a file's contents (CP932 bytes). Never fails: missing
// fields, missing lines and lines holding bytes that are not CP932 leave empty values (as
// the profile editor reads the same file), a table record whose row number is not one of
// 1-100 is skipped, and lines beyond the layout are ignored.
void readOsb(FormatDocument& doc, std::string_view cp932Bytes);

}  // namespace shoveda
