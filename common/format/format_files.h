// The two layouts of the format data: the *.osb format file (314 comma records) and the
// format lines of the hand-off file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/format/format_data.h"
#include "common/read_report.h"

namespace common {

inline constexpr int kOsbLineCount = 314;

// The format file's lines (UTF-8, without line ends): each table's rows 1-100 as the row
// number and the row's texts, then the 14 settings lines, each item as its kind is written
// (a text quoted, a choice as #TRUE# / #FALSE#, a check box as 1 / 0, a reserved item as
// "dummy").
std::vector<std::string> osbLines(const FormatData& f);

// Reads a format file's bytes (CP932) into f. Each table is emptied, then each table
// record fills the row its first field names; a record that is missing or names no row of
// 1-100 is skipped. Each settings field the file holds replaces its item's text as written
// (a choice as "#TRUE#", a check box as "1"); an item whose field cannot be read keeps its
// text. Each byte that is not CP932 reads as "？". Lines beyond the layout are ignored.
// The report names the lines not read as written and a file that ends early.
ReadReport readOsb(FormatData& f, std::string_view cp932Bytes);

// The hand-off file's format tables: one quoted text per line, row by row and column by
// column within a row, every row of each table.
void appendHandoffTables(std::vector<std::string>& out, const FormatData& f);
// The hand-off file's 14 format lines: every item as a quoted text, an empty one as "0".
void appendHandoffItems(std::vector<std::string>& out, const FormatData& f);

}  // namespace common
