// The profile data file (*.osa): the four input tables, the fixed marks and the settings
// of tab 0 in the comma record syntax, always 3,405 lines of CP932 with CR LF.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/read_report.h"
#include "common/records.h"
#include "common/textfile.h"
#include "common/ui.h"
#include "common/unmappable.h"
#include "kandoru/document.h"

namespace kandoru {

inline constexpr const char* kOsaFilter = "下水データ (*.osa)|*.osa";
inline constexpr int kOsaLines = 3405;

// The records of the file in order, one UTF-8 text per line without line end: route rows
// 1-200, split rows 1-1000 (columns 1-9 and four empty texts), change points 1-200,
// manholes 1-1000 (columns 1-4), the marks of split rows 1-1000, four settings lines and
// the trailer.
std::vector<std::string> osaRecords(const Document& doc);

// The records this file shares with the hand-off file. Table rows: one record per data
// row, the row number, the texts of columns 1..cols, then emptyTail empty texts. Settings:
// the text settings, minimum cover and drop, the four choices, the digit settings and the
// trailer.
void writeTableRecords(std::vector<std::string>& out, const common::Table& t, int cols,
                       int emptyTail = 0);
void writeSettingsRecords(std::vector<std::string>& out, const Settings& s);

// A table section of count lines from line start, as the profile and the format file hold
// them: each record's first field names the row that receives its next cols texts; a
// record that names no row of t is skipped and reported to the lines' report.
void readTableRecords(const common::RecordLines& lines, int start, int count, common::Table& t,
                      int cols);

// The file's bytes; nullopt when a text has no Shift_JIS form (that character in
// *unmappable).
std::optional<std::string> osaBytes(const Document& doc, std::string* unmappable = nullptr);

// The characters of the document's saved and exported texts that Shift_JIS cannot hold,
// each with its setting or table cell.
common::UnmappableFinder unmappableText(const Document& doc);

// Writes the whole document to path through a temporary file, so that a failed write
// leaves the old file intact. On success *written receives the bytes written.
common::WriteResult FileSave2(const Document& doc, const std::filesystem::path& path,
                              std::string* written = nullptr);

// Reads a file's bytes into the document's input tables, marks and settings. Records are
// taken by their place in the file; a table record goes to the row its first field names.
// Each byte that is not CP932 reads as "？" and costs its record nothing else. A record
// that is missing or names no row of its table counts as empty: its table row stays blank,
// its text settings become empty, its marks free; truth values that cannot be read keep
// their values, a digit setting missing from the record takes its start value (an empty
// one stays empty). The saved columns of the four tables are blanked first and the split
// table's colours reset, so nothing of the previous document survives in them. The report
// names the lines that were not read as written and a file that ends early.
common::ReadReport readOsa(Document& doc, std::string_view bytes);

// The open command without its dialog and closing calculation: all headings, the file
// read into the document, the current file path, the data-file panel text, a cleared
// split-data mark, the loaded-from-file state and the remembered outlet values. A file
// that cannot be read leaves every record empty and gives false. *report receives what
// readOsa reports.
bool loadProfile(Document& doc, const std::filesystem::path& path,
                 common::ReadReport* report = nullptr);
// The same with the file's bytes already read.
common::ReadReport loadProfileBytes(Document& doc, const std::filesystem::path& path,
                                    std::string_view bytes);

// The message for a file that cannot be read at all.
inline constexpr const char* kReadErrorTitle = "読み込みエラー";
std::string readErrorText(const std::filesystem::path& path);

// The open dialog, then the chosen file's bytes. nullopt when the dialog was cancelled or
// the file cannot be read at all (reported with the message above): reading such a file
// would blank what it replaces.
struct ChosenFile {
    std::filesystem::path path;
    std::string bytes;
};
std::optional<ChosenFile> chooseFileToRead(common::Ui& ui, const std::string& title,
                                           const std::string& filter,
                                           const std::string& presetName);

// A path as UTF-8 text, for messages and status panels.
std::string pathText(const std::filesystem::path& path);

}  // namespace kandoru
