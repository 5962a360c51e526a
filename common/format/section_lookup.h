// The section of a pipe code in the format's circular and box section tables. The
// calculation asks for the exact code name, the drawing reads code names as patterns.
#pragma once

#include <optional>
#include <string_view>
#include <unordered_map>

#include "common/format/format_data.h"

namespace common {

enum class CodeMatch {
    Exact,    // the code name equals the pipe code
    Pattern,  // the code name is a wildcard pattern that the pipe code matches
};

// True when text matches pattern: "*" any text, "?" any one character, "#" any digit,
// every other character itself.
bool wildcardMatch(std::string_view pattern, std::string_view text);

enum class SectionShape { Circular, Box };

// A section's row and the columns that hold its inner height, the walls above the crown
// and below the invert (a circular pipe has one wall, both) and its excavation height.
struct SectionRow {
    SectionShape shape;
    const Table* table;
    int row;
    int heightCol, topCol, bottomCol, excavationCol;
};

// Looks pipe codes up under one matching rule. The tables are scanned down to their first
// blank code name; a later matching row wins over an earlier one and a box section over a
// circular one. The format data must not change while the lookup is in use.
class SectionLookup {
public:
    SectionLookup(const FormatData& f, CodeMatch rule);

    std::optional<SectionRow> find(std::string_view code) const;
    // The circular table alone.
    std::optional<SectionRow> findCircular(std::string_view code) const;

private:
    std::optional<int> lastRow(const Table& t,
                               const std::unordered_map<std::string_view, int>& index,
                               std::string_view code) const;
    const FormatData& f_;
    CodeMatch rule_;
    std::unordered_map<std::string_view, int> circularIndex_, boxIndex_;  // exact rule only
};

}  // namespace common
