// Comma records: one record per line, texts quoted without escaping, numbers bare,
// truth values #TRUE# / #FALSE#.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/read_report.h"

namespace common {

struct Field {
    std::string text;
    bool quoted = false;
};
using Record = std::vector<Field>;

// Splits one line into fields. Never fails: a missing closing quote takes the rest of the
// line, anything between a closing quote and the next comma is dropped.
Record parseRecord(std::string_view line);

// Field i as text, "" when the record is shorter.
const std::string& fieldText(const Record& rec, size_t i);
// A field text as a whole number, when it is one (blanks around it and a "+" allowed).
std::optional<long long> wholeNumberField(std::string_view text);
// Field i as a whole number, when it is one.
std::optional<long long> fieldInt(const Record& rec, size_t i);
// Field i as #TRUE# / #FALSE#.
std::optional<bool> fieldBool(const Record& rec, size_t i);

// The row 1..rows that a table record's first field names. A record naming no such row is
// reported as line lineIndex + 1 (when report is given): one naming a number outside the
// table as such, any other as a record that cannot be read.
std::optional<int> recordRow(const Record& rec, int rows, ReadReport* report, int lineIndex);

// A double quote cannot be stored in a record; it is written as a full-width one.
std::string storableText(std::string_view text);

// A whole record file (CP932 bytes) addressed by line index from 0. Each byte that is not
// CP932 reads as "？", so one such byte costs no more than itself; the report, when given,
// hears of every line read that held one.
class RecordLines {
public:
    explicit RecordLines(std::string_view cp932Bytes, ReadReport* report = nullptr);
    // The record of line i; nullopt when the file has no such line.
    std::optional<Record> at(int i) const;
    int size() const { return static_cast<int>(lines_.size()); }
    // The report given at construction, or nullptr.
    ReadReport* report() const { return report_; }

private:
    std::vector<std::string> lines_;
    std::vector<bool> marked_;
    ReadReport* report_;
};

class RecordWriter {
public:
    RecordWriter& text(std::string_view s);
    RecordWriter& integer(long long n);
    RecordWriter& boolean(bool b);
    const std::string& str() const { return line_; }

private:
    void comma();
    std::string line_;
    bool first_ = true;
};

}  // namespace common
