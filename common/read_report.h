// What a reader could not take from a file as it stands, gathered over one file so that the
// open says it once: lines with bytes that are not CP932, records that cannot be read, row
// numbers outside their table and a file that ends early.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/ui.h"

namespace common {

// Stands for each byte that is not CP932 (U+FF1F FULLWIDTH QUESTION MARK): it can be
// written back, so a save keeps the place visible instead of losing the record.
inline constexpr const char* kUnreadableByteMark = "？";

// Replaces each U+FFFD (the CP932 decoding's mark for one byte that is not CP932) by "？".
// True when the line held one.
bool markUnreadableBytes(std::string& line);

class ReadReport {
public:
    // Line numbers count from 1, as an editor shows them.
    void unreadableBytes(int line);
    // A record the reader could not place or whose fields it could not read: what it
    // could not read stays empty.
    void unreadableRecord(int line);
    // A table record naming a row the table does not have (rowText as the file has it).
    void rowOutsideTable(int line, const std::string& rowText);
    // The file holds `lines` lines where its layout has `expected`.
    void endsEarly(int lines, int expected);

    bool empty() const;
    const std::vector<int>& unreadableByteLines() const { return bytes_; }
    const std::vector<int>& unreadableRecordLines() const { return records_; }
    const std::vector<int>& outsideRowLines() const { return outside_; }

    // The message naming up to ten lines of each kind; "" when there is nothing to say.
    std::string message(const std::string& fileName) const;

private:
    std::vector<int> bytes_;
    std::vector<int> records_;
    std::vector<int> outside_;
    std::vector<std::string> outsideRows_;
    int lines_ = -1;
    int expected_ = 0;
};

inline constexpr const char* kReadReportTitle = "読み込みの確認";

// Shows the report, when it has anything to say, as one exclamation message naming the
// file (without its folder).
void showReadReport(Ui& ui, const ReadReport& report, const std::filesystem::path& path);

}  // namespace common
