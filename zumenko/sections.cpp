// Section lookup by wildcard pattern, as the format tables' code names are written.
#include "zumenko/sections.h"

#include <vector>

#include "common/numtext.h"

namespace zumenko {
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

std::optional<Section> lookUpSection(const Drawing& doc, std::string_view pipeCode) {
    std::optional<Section> found;
    for (int r = 1; r <= doc.circular.dataRows() && !doc.circular.text(r, 1).empty(); ++r)
        if (wildcardMatch(doc.circular.text(r, 1), pipeCode)) {
            double wall = common::val(doc.circular.text(r, 3));
            found = Section{common::val(doc.circular.text(r, 2)), wall, wall};
        }
    for (int r = 1; r <= doc.box.dataRows() && !doc.box.text(r, 1).empty(); ++r)
        if (wildcardMatch(doc.box.text(r, 1), pipeCode))
            found = Section{common::val(doc.box.text(r, 2)), common::val(doc.box.text(r, 3)),
                            common::val(doc.box.text(r, 4))};
    return found;
}

}  // namespace zumenko
