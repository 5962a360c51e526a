// Comma record reader and writer shared by the profile, format and hand-off files.
#include "common/records.h"

#include <charconv>

#include "common/sjis.h"
#include "common/textfile.h"

namespace common {

RecordLines::RecordLines(std::string_view cp932Bytes, ReadReport* report)
    : lines_(splitLines(cp932ToUtf8(cp932Bytes))), marked_(lines_.size()), report_(report) {
    for (size_t i = 0; i < lines_.size(); ++i) marked_[i] = markUnreadableBytes(lines_[i]);
}

std::optional<Record> RecordLines::at(int i) const {
    if (i < 0 || i >= size()) return std::nullopt;
    const auto k = static_cast<size_t>(i);
    if (marked_[k] && report_) report_->unreadableBytes(i + 1);
    return parseRecord(lines_[k]);
}

Record parseRecord(std::string_view line) {
    Record rec;
    if (line.empty()) return rec;
    size_t i = 0;
    const size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        Field f;
        if (i < n && line[i] == '"') {
            f.quoted = true;
            size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                f.text = std::string(line.substr(i + 1));
                i = n;
            } else {
                f.text = std::string(line.substr(i + 1, close - i - 1));
                i = close + 1;
            }
            size_t comma = line.find(',', i);
            i = comma == std::string_view::npos ? n : comma;
        } else {
            size_t comma = line.find(',', i);
            size_t end = comma == std::string_view::npos ? n : comma;
            size_t last = end;
            while (last > i && (line[last - 1] == ' ' || line[last - 1] == '\t')) --last;
            f.text = std::string(line.substr(i, last - i));
            i = end;
        }
        rec.push_back(std::move(f));
        if (i >= n) break;
        ++i;  // past the comma; a trailing comma yields one more empty field
        if (i == n) {
            rec.push_back(Field{});
            break;
        }
    }
    return rec;
}

const std::string& fieldText(const Record& rec, size_t i) {
    static const std::string empty;
    return i < rec.size() ? rec[i].text : empty;
}

std::optional<long long> fieldInt(const Record& rec, size_t i) {
    if (i >= rec.size()) return std::nullopt;
    return wholeNumberField(rec[i].text);
}

std::optional<long long> wholeNumberField(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    long long v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<bool> fieldBool(const Record& rec, size_t i) {
    if (i >= rec.size()) return std::nullopt;
    if (rec[i].text == "#TRUE#") return true;
    if (rec[i].text == "#FALSE#") return false;
    return std::nullopt;
}

std::optional<int> recordRow(const Record& rec, int rows, ReadReport* report, int lineIndex) {
    auto n = fieldInt(rec, 0);
    if (n && *n >= 1 && *n <= rows) return static_cast<int>(*n);
    if (!report) return std::nullopt;
    // A whole number too long for any integer type still names a row outside the table.
    std::string_view s = fieldText(rec, 0);
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    const bool number = !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    if (number)
        report->rowOutsideTable(lineIndex + 1, fieldText(rec, 0));
    else
        report->unreadableRecord(lineIndex + 1);
    return std::nullopt;
}

std::string storableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '"')
            out += "\xEF\xBC\x82";  // U+FF02 FULLWIDTH QUOTATION MARK
        else if (c == '\r' || c == '\n')
            out += ' ';  // a line break would split the record
        else
            out += c;
    }
    return out;
}

void RecordWriter::comma() {
    if (!first_) line_ += ',';
    first_ = false;
}

RecordWriter& RecordWriter::text(std::string_view s) {
    comma();
    line_ += '"';
    line_ += storableText(s);
    line_ += '"';
    return *this;
}

RecordWriter& RecordWriter::integer(long long n) {
    comma();
    line_ += std::to_string(n);
    return *this;
}

RecordWriter& RecordWriter::boolean(bool b) {
    comma();
    line_ += b ? "#TRUE#" : "#FALSE#";
    return *this;
}

}  // namespace common
