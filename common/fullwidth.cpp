// Full-width number characters to ASCII.
#include "common/fullwidth.h"

namespace common {

char32_t asciiNumberChar(char32_t c) {
    if (c >= U'０' && c <= U'９') return U'0' + (c - U'０');
    switch (c) {
        case U'．':
            return U'.';
        case U'－':
            return U'-';
        case U'＋':
            return U'+';
        case U'\u3000':  // ideographic space
            return U' ';
        default:
            return c;
    }
}

std::string asciiNumberText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        // Every character mapped here is three bytes in UTF-8: EF BC xx or E3 80 80.
        if (i + 2 < s.size()) {
            const auto b0 = static_cast<unsigned char>(s[i]);
            const auto b1 = static_cast<unsigned char>(s[i + 1]);
            const auto b2 = static_cast<unsigned char>(s[i + 2]);
            if ((b0 == 0xEF && (b1 == 0xBC) && b2 >= 0x80 && b2 <= 0xBF) ||
                (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80)) {
                const char32_t c =
                    (char32_t(b0 & 0x0F) << 12) | (char32_t(b1 & 0x3F) << 6) | char32_t(b2 & 0x3F);
                const char32_t a = asciiNumberChar(c);
                if (a != c) {
                    out += static_cast<char>(a);
                    i += 3;
                    continue;
                }
            }
        }
        out += s[i++];
    }
    return out;
}

}  // namespace common
