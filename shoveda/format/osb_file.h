// The format manager's reading and writing of the *.osb file, through the one layout of
// the format data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/format/format_files.h"
#include "shoveda/format/document.h"

namespace shoveda {

using common::kOsbLineCount;

// The file's lines (UTF-8, without line ends) from the document.
inline std::vector<std::string> osbLines(const FormatDocument& doc) {
    return common::osbLines(doc.format);
}

// Replaces the whole document by a file's contents (CP932 bytes). Never fails: missing
// fields and missing lines leave empty values (as the profile editor reads the same file),
// each byte that is not CP932 reads as "？", a table record whose row number is not one of
// 1-100 is skipped, and lines beyond the layout are ignored. Each choice and check box is
// set in file order, as option buttons are: a later selected choice of a group wins. The
// report names what was not read as written.
common::ReadReport readOsb(FormatDocument& doc, std::string_view cp932Bytes);

}  // namespace shoveda
