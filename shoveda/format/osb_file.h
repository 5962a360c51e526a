// The *.osb format file: 314 comma records in CP932 with CR LF.
#pragma once

#include <string>
#include <vector>

#include "shoveda/format/document.h"

namespace shoveda {

inline constexpr int kOsbLineCount = 314;

// The file's lines (UTF-8, without line ends) from the document.
std::vector<std::string> osbLines(const FormatDocument& doc);

// Replaces the whole document by the lines of a file. Never fails: missing lines and
// fields leave empty values, a table record whose row number is not one of 1-100 is
// skipped, and lines beyond the layout are ignored.
void readOsbLines(FormatDocument& doc, const std::vector<std::string>& lines);

}  // namespace shoveda
