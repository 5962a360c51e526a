// Finding and naming the characters that have no Shift_JIS form.
#include "common/unmappable.h"

#include <cstdio>
#include <set>

#include "common/sjis.h"

namespace common {
namespace {

constexpr size_t kListed = 10;

size_t sequenceLength(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

char32_t codePoint(std::string_view s) {
    if (s.empty()) return 0;
    const auto b = [&](size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(s[i]));
    };
    const size_t n = sequenceLength(static_cast<unsigned char>(s[0]));
    if (n == 1 || s.size() < n) return b(0);
    char32_t cp = b(0) & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) cp = (cp << 6) | (b(i) & 0x3F);
    return cp;
}

// Characters that show no glyph of their own: controls, spaces other than the two
// Shift_JIS holds, zero-width and direction marks, variation selectors, tags, and marks
// that combine with the character before them.
bool invisible(char32_t c) {
    struct Range {
        char32_t first, last;
    };
    static constexpr Range kRanges[] = {
        {0x0000, 0x001F}, {0x007F, 0x00A0}, {0x00AD, 0x00AD},   {0x0300, 0x036F},
        {0x034F, 0x034F}, {0x115F, 0x1160}, {0x1680, 0x1680},   {0x180B, 0x180E},
        {0x2000, 0x200F}, {0x2028, 0x202F}, {0x205F, 0x206F},   {0x20D0, 0x20FF},
        {0x3164, 0x3164}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},   {0xFEFF, 0xFEFF},
        {0xFFA0, 0xFFA0}, {0xFFF9, 0xFFFB}, {0xE0000, 0xE007F}, {0xE0100, 0xE01EF},
    };
    for (const auto& r : kRanges)
        if (c >= r.first && c <= r.last) return true;
    return false;
}

}  // namespace

std::string characterName(std::string_view utf8Char) {
    const char32_t c = codePoint(utf8Char);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (invisible(c)) return std::string(code) + "（見えない文字）";
    return "「" + std::string(utf8Char) + "」（" + code + "）";
}

void UnmappableFinder::text(std::string_view text, const std::function<std::string()>& place) {
    std::set<std::string_view> seen;
    std::string where;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t n = std::min(sequenceLength(c), text.size() - i);
        const std::string_view ch = text.substr(i, n);
        i += n;
        if (c < 0x80 || seen.count(ch)) continue;  // ASCII is all in Shift_JIS
        if (utf8ToCp932(ch)) continue;
        seen.insert(ch);
        ++total_;
        if (found_.size() >= kListed) continue;
        if (where.empty()) where = place();
        found_.push_back({std::string(ch), where});
    }
}

void UnmappableFinder::table(const std::string& name, const Table& t, int lastCol) {
    for (int r = 1; r <= t.dataRows(); ++r)
        for (int c = 1; c <= lastCol && c <= t.dataCols(); ++c)
            text(t.text(r, c),
                 [&] { return name + " " + std::to_string(r) + " 行目「" + t.text(0, c) + "」"; });
}

std::string UnmappableFinder::message(const std::string& then) const {
    if (!any()) return "";
    std::string text =
        "Shift_JIS で保存できない文字が含まれています。次の文字を書き換えてから" + then;
    for (const auto& f : found_) text += "\r\n・" + characterName(f.character) + "：" + f.place;
    if (total_ > found_.size())
        text += "\r\n・ほか " + std::to_string(total_ - found_.size()) + " 文字";
    return text;
}

}  // namespace common
