// The intake of the hand-off file into the drawing document, and the mirrored tables.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/read_report.h"
#include "zumenko/drawing.h"

namespace zumenko {

// The message shown when the hand-off file cannot be used: text + CR LF + the path.
inline constexpr const char* kHandoffErrorTitle = "作図データ";
inline constexpr const char* kHandoffErrorText = "作図データを読み込めませんでした。";

// The 6,519 lines of the hand-off file, in order.
inline constexpr int kHandoffLines = 6519;

// Reads the hand-off file (CP932, CR LF) into doc and builds the mirrored tables. Never
// throws: a missing, short or malformed file gives false, with a short reason (naming the
// line) in *error; doc may then hold part of the file. Each byte that is not CP932 reads
// as "？"; *report names the lines that held one.
bool readHandoff(const std::filesystem::path& path, Drawing& doc, std::string* error = nullptr,
                 common::ReadReport* report = nullptr);

// The same from the file's lines, already in UTF-8 (U+FFFD for a byte that is not CP932).
bool readHandoffLines(const std::vector<std::string>& lines, Drawing& doc,
                      std::string* error = nullptr, common::ReadReport* report = nullptr);

// The message text for a hand-off file that could not be read.
std::string handoffErrorMessage(const std::filesystem::path& path);

// Builds FGrid10 ... FGrid14 from the tables read. The sums and differences are single
// precision; each sort leaves the table's current cell at row 1, column 1.
void buildMirroredTables(Drawing& doc);

}  // namespace zumenko
