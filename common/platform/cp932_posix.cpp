// CP932 conversion through iconv ("CP932", not "SHIFT_JIS": only CP932 keeps the
// NEC/IBM extensions and reads 0x5C as a backslash).
#include "common/platform/cp932.h"

#include <iconv.h>
#include <algorithm>
#include <cerrno>

namespace platform {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with byte c.
size_t utf8Length(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

// Converts input through cd into out. At input it cannot convert, onBad(in, inLeft) either
// steps past it (returns true: go on) or ends the conversion (returns false: result false).
template <typename OnBad>
bool convertAll(iconv_t cd, std::string_view input, std::string& out, OnBad onBad) {
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buf[4096];
    while (inLeft > 0) {
        char* o = buf;
        size_t oLeft = sizeof buf;
        size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(buf, static_cast<size_t>(o - buf));
        if (r == static_cast<size_t>(-1) && errno != E2BIG && !onBad(in, inLeft)) return false;
    }
    return true;
}

}  // namespace

std::string cp932ToUtf8(std::string_view bytes, bool* invalid) {
    if (invalid) *invalid = false;
    Converter cv("UTF-8", "CP932");
    std::string out;
    if (!cv.ok()) return std::string(bytes);
    out.reserve(bytes.size() * 3 / 2 + 16);
    convertAll(cv.get(), bytes, out, [&](char*& in, size_t& inLeft) {
        // EILSEQ or EINVAL: one bad byte becomes a replacement character.
        out += "\xEF\xBF\xBD";
        if (invalid) *invalid = true;
        ++in;
        --inLeft;
        iconv(cv.get(), nullptr, nullptr, nullptr, nullptr);
        return true;
    });
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8, std::string* unmappable) {
    Converter cv("CP932", "UTF-8");
    if (!cv.ok()) return std::nullopt;
    std::string out;
    out.reserve(utf8.size());
    const bool whole = convertAll(cv.get(), utf8, out, [&](char*& in, size_t& inLeft) {
        if (unmappable) {
            size_t len = std::min(utf8Length(static_cast<unsigned char>(*in)), inLeft);
            *unmappable = std::string(in, len);
        }
        return false;
    });
    if (!whole) return std::nullopt;
    return out;
}

}  // namespace platform
