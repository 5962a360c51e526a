// Section lookup: an index of code names for the exact rule, a scan for patterns.
#include "common/format/section_lookup.h"

#include <vector>

namespace common {
namespace {

// Code points of UTF-8 text; "?" stands for one character, not one byte.
std::vector<char32_t> codePoints(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80           ? 1
                  : (c >> 5) == 0x6  ? 2
                  : (c >> 4) == 0xE  ? 3
                  : (c >> 3) == 0x1E ? 4
                                     : 1;
        char32_t cp = len == 1 ? c : c & (0x7F >> len);
        for (int k = 1; k < len && i + static_cast<size_t>(k) < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
        out.push_back(cp);
        i += static_cast<size_t>(len);
    }
    return out;
}

void indexCodes(const Table& t, int codeCol, std::unordered_map<std::string_view, int>& index) {
    for (int r = 1; r <= t.dataRows() && !t.text(r, codeCol).empty(); ++r)
        index[t.text(r, codeCol)] = r;
}

SectionRow circularRow(const FormatData& f, int r) {
    return {SectionShape::Circular, &f.circular,       r,
            CircularCol::Diameter,  CircularCol::Wall, CircularCol::Wall,
            CircularCol::Excavation};
}

SectionRow boxRow(const FormatData& f, int r) {
    return {SectionShape::Box, &f.box, r, BoxCol::Height, BoxCol::TopSlab, BoxCol::BottomSlab,
            BoxCol::Excavation};
}

}  // namespace

bool wildcardMatch(std::string_view pattern, std::string_view text) {
    const auto p = codePoints(pattern), t = codePoints(text);
    // Greedy match with backtracking to the last "*": linear in practice, never exponential.
    size_t i = 0, j = 0, star = std::string_view::npos, mark = 0;
    while (j < t.size()) {
        if (i < p.size() && p[i] == U'*') {
            star = i++;
            mark = j;
        } else if (i < p.size() &&
                   (p[i] == U'?' || (p[i] == U'#' && t[j] >= U'0' && t[j] <= U'9') ||
                    (p[i] != U'#' && p[i] == t[j]))) {
            ++i;
            ++j;
        } else if (star != std::string_view::npos) {
            i = star + 1;
            j = ++mark;
        } else {
            return false;
        }
    }
    while (i < p.size() && p[i] == U'*') ++i;
    return i == p.size();
}

SectionLookup::SectionLookup(const FormatData& f, CodeMatch rule) : f_(f), rule_(rule) {
    if (rule_ != CodeMatch::Exact) return;
    indexCodes(f.circular, CircularCol::Code, circularIndex_);
    indexCodes(f.box, BoxCol::Code, boxIndex_);
}

std::optional<int> SectionLookup::lastRow(const Table& t,
                                          const std::unordered_map<std::string_view, int>& index,
                                          std::string_view code) const {
    if (rule_ == CodeMatch::Exact) {
        auto it = index.find(code);
        if (it == index.end()) return std::nullopt;
        return it->second;
    }
    static_assert(CircularCol::Code == BoxCol::Code);
    std::optional<int> found;
    for (int r = 1; r <= t.dataRows() && !t.text(r, BoxCol::Code).empty(); ++r)
        if (wildcardMatch(t.text(r, BoxCol::Code), code)) found = r;
    return found;
}

std::optional<SectionRow> SectionLookup::find(std::string_view code) const {
    if (auto r = lastRow(f_.box, boxIndex_, code)) return boxRow(f_, *r);
    return findCircular(code);
}

std::optional<SectionRow> SectionLookup::findCircular(std::string_view code) const {
    if (auto r = lastRow(f_.circular, circularIndex_, code)) return circularRow(f_, *r);
    return std::nullopt;
}

}  // namespace common
