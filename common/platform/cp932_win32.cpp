// CP932 conversion through the system's code page 932. Its table is the one iconv's
// "CP932" uses; the few characters where the two differ are settled here, so that a file's
// bytes never depend on the system that wrote it.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "common/platform/cp932.h"

namespace platform {
namespace {

constexpr UINT kCodePage = 932;
constexpr const char* kReplacement = "\xEF\xBF\xBD";

bool isLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool isTrail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The character of each double-byte code, 0 where the code page has none; read from the
// system once.
const std::vector<wchar_t>& doubleByteTable() {
    static const std::vector<wchar_t> table = [] {
        std::vector<wchar_t> t(0x10000, 0);
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLead(static_cast<unsigned char>(lead))) continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrail(static_cast<unsigned char>(trail))) continue;
                const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                wchar_t w[2];
                if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, in, 2, w, 2) == 1)
                    t[lead << 8 | trail] = w[0];
            }
        }
        return t;
    }();
    return table;
}

// Decodes the UTF-8 character at s[i] into *cp; its length, 0 when it is not valid UTF-8.
size_t decodeUtf8(std::string_view s, size_t i, char32_t* cp) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    if (c < 0x80) {
        *cp = c;
        return 1;
    }
    size_t n = c >= 0xC2 && c <= 0xDF   ? 2
               : c >= 0xE0 && c <= 0xEF ? 3
               : c >= 0xF0 && c <= 0xF4 ? 4
                                        : 0;
    if (n == 0 || i + n > s.size()) return 0;
    char32_t v = c & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
    for (size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80) return 0;
        v = v << 6 | (b(k) & 0x3F);
    }
    if ((n == 3 && v < 0x800) || (n == 4 && v < 0x10000) || v > 0x10FFFF ||
        (v >= 0xD800 && v <= 0xDFFF))
        return 0;
    *cp = v;
    return n;
}

size_t announcedLength(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x80             ? 1
           : (b & 0xE0) == 0xC0 ? 2
           : (b & 0xF0) == 0xE0 ? 3
           : (b & 0xF8) == 0xF0 ? 4
                                : 1;
}

// Characters the system writes in code page 932 that iconv refuses (and reads back only
// from bytes iconv does not accept).
bool systemOnly(char32_t cp) { return cp == 0x80 || (cp >= 0xF8F0 && cp <= 0xF8F3); }

// Characters iconv writes as the code page 932 character they stand for, as Japanese input
// on other systems types them (¥ for the yen key, 〜 − — for ～ － ―): the same bytes here.
char32_t asIconvWrites(char32_t cp) {
    switch (cp) {
        case 0x00A2:
            return 0xFFE0;  // ¢ → ￠
        case 0x00A3:
            return 0xFFE1;  // £ → ￡
        case 0x00A5:
            return 0x005C;  // ¥ → the byte 0x5C
        case 0x00AC:
            return 0xFFE2;  // ¬ → ￢
        case 0x2014:
            return 0x2015;  // — → ―
        case 0x2016:
            return 0x2225;  // ‖ → ∥
        case 0x203E:
            return 0x007E;  // ‾ → the byte 0x7E
        case 0x2212:
            return 0xFF0D;  // − → －
        case 0x301C:
            return 0xFF5E;  // 〜 → ～
        default:
            return cp;
    }
}

}  // namespace

std::string cp932ToUtf8(std::string_view bytes, bool* invalid) {
    if (invalid) *invalid = false;
    const auto& table = doubleByteTable();
    std::string out;
    out.reserve(bytes.size() * 3 / 2 + 16);
    for (size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (c >= 0xA1 && c <= 0xDF) {  // half-width katakana
            appendUtf8(out, 0xFF61 + (c - 0xA1));
            ++i;
        } else if (isLead(c) && i + 1 < bytes.size() &&
                   table[c << 8 | static_cast<unsigned char>(bytes[i + 1])] != 0) {
            appendUtf8(out, table[c << 8 | static_cast<unsigned char>(bytes[i + 1])]);
            i += 2;
        } else {
            // As iconv: the byte that starts no character becomes U+FFFD, and reading
            // goes on with the next byte.
            out += kReplacement;
            if (invalid) *invalid = true;
            ++i;
        }
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8, std::string* unmappable) {
    std::string out;
    out.reserve(utf8.size());
    std::wstring run;  // the characters read so far
    // Writes run through the system; on a character without a code page 932 form (no
    // best-fit substitute), finds it by writing the run's characters one at a time.
    const auto flush = [&](size_t runEnd) -> bool {
        if (run.empty()) return true;
        BOOL usedDefault = FALSE;
        const int len = static_cast<int>(run.size());
        int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, run.data(), len, nullptr, 0,
                                    nullptr, &usedDefault);
        if (n > 0 && !usedDefault) {
            const size_t at = out.size();
            out.resize(at + static_cast<size_t>(n));
            WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, run.data(), len, out.data() + at,
                                n, nullptr, &usedDefault);
            run.clear();
            return true;
        }
        size_t i = 0;
        while (i < runEnd) {
            char32_t cp = 0;
            const size_t k = decodeUtf8(utf8, i, &cp);
            wchar_t w[2];
            int wn = 1;
            if (cp >= 0x10000) {
                w[0] = static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
                w[1] = static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
                wn = 2;
            } else {
                w[0] = static_cast<wchar_t>(asIconvWrites(cp));
            }
            BOOL used = FALSE;
            if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, w, wn, nullptr, 0, nullptr,
                                    &used) <= 0 ||
                used) {
                if (unmappable) *unmappable = std::string(utf8.substr(i, k));
                return false;
            }
            i += k;
        }
        if (unmappable) unmappable->clear();
        return false;
    };
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const size_t k = decodeUtf8(utf8, i, &cp);
        if (k == 0 || systemOnly(cp)) {
            if (!flush(i)) return std::nullopt;
            // As iconv names an invalid sequence: by the length its first byte announces.
            if (unmappable)
                *unmappable = std::string(utf8.substr(i, k ? k : announcedLength(utf8[i])));
            return std::nullopt;
        }
        if (cp >= 0x10000) {
            run += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            run += static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            run += static_cast<wchar_t>(asIconvWrites(cp));
        }
        i += k;
    }
    if (!flush(utf8.size())) return std::nullopt;
    return out;
}

}  // namespace platform
