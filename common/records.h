// Comma records: one record per line, texts quoted without escaping, numbers bare,
// truth values #TRUE# / #FALSE#.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A double quote cannot be stored in a record; it is written as a full-width one.
std::string storableText(std::string_view text);

// A whole record file (CP932 bytes) addressed by line index from 0. A line that is
// missing, or holds bytes that are not CP932, is unreadable: nullopt.
class RecordLines {
public:
    explicit RecordLines(std::string_view cp932Bytes);
    std::optional<Record> at(int i) const;

private:
    std::vector<std::string> lines_;
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
