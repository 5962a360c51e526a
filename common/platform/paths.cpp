// Paths from and to UTF-8: through char8_t, which every system converts as UTF-8.
#include "common/platform/paths.h"

namespace platform {
namespace {

// Length of the valid UTF-8 sequence at s[i], 0 when it is not one (overlong forms,
// surrogates and code points above U+10FFFF are not).
size_t validSequence(std::string_view s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    size_t n = c >= 0xC2 && c <= 0xDF   ? 2
               : c >= 0xE0 && c <= 0xEF ? 3
               : c >= 0xF0 && c <= 0xF4 ? 4
                                        : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((b(k) & 0xC0) != 0x80) return 0;
    if (c == 0xE0 && b(1) < 0xA0) return 0;   // overlong
    if (c == 0xED && b(1) >= 0xA0) return 0;  // surrogate
    if (c == 0xF0 && b(1) < 0x90) return 0;   // overlong
    if (c == 0xF4 && b(1) >= 0x90) return 0;  // above U+10FFFF
    return n;
}

// The text with each byte that starts no valid sequence replaced by U+FFFD: a path
// conversion would otherwise throw.
std::string validUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        if (size_t n = validSequence(s, i)) {
            out.append(s.substr(i, n));
            i += n;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

}  // namespace

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    const std::string valid = validUtf8(utf8);
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(valid.data()), valid.size()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    try {
        const std::u8string u8 = path.u8string();
        return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
    } catch (const std::exception&) {
        // A Windows name with an unpaired surrogate has no UTF-8 form: show it by parts.
        std::string out;
        for (const auto& part : path) {
            if (!out.empty() && out.back() != '/' && out.back() != '\\') out += '/';
            try {
                const std::u8string u8 = part.u8string();
                out.append(reinterpret_cast<const char*>(u8.data()), u8.size());
            } catch (const std::exception&) {
                out += "\xEF\xBF\xBD";
            }
        }
        return out;
    }
}

}  // namespace platform
