// Fuzzing the number text reading against the C library: the value of the leading numeric
// prefix is strtod's (strtof's in single precision) of that prefix, and a float's general
// form reads back to the same float.
#include <locale.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "common/numtext.h"

namespace {

// The prefix as the rule states it: blanks, a sign, digits with at most one point (at
// least one digit), and an exponent only when digits follow its letter and sign.
std::string prefixOf(std::string_view s) {
    size_t i = s.find_first_not_of(" \t");
    if (i == std::string_view::npos) return "";
    const size_t from = i;
    if (s[i] == '+' || s[i] == '-') ++i;
    const size_t mantissa = i;
    const size_t intEnd = s.find_first_not_of("0123456789", i);
    i = intEnd == std::string_view::npos ? s.size() : intEnd;
    size_t digits = i - mantissa;
    if (i < s.size() && s[i] == '.') {
        const size_t fracEnd = s.find_first_not_of("0123456789", i + 1);
        const size_t end = fracEnd == std::string_view::npos ? s.size() : fracEnd;
        digits += end - i - 1;
        i = end;
    }
    if (digits == 0) return "";
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const size_t expEnd = s.find_first_not_of("0123456789", j);
        const size_t end = expEnd == std::string_view::npos ? s.size() : expEnd;
        if (end > j) i = end;
    }
    return std::string(s.substr(from, i - from));
}

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (a == 0 && b == 0); }
bool same(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0 || (a == 0 && b == 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 400) return 0;  // cell texts are short; longer ones only repeat the same paths
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string prefix = prefixOf(text);
    if (common::hasNumber(text) != !prefix.empty()) std::abort();
    const double d = prefix.empty() ? 0.0 : strtod_l(prefix.c_str(), nullptr, cLocale());
    const float f = prefix.empty() ? 0.0f : strtof_l(prefix.c_str(), nullptr, cLocale());
    if (!same(common::val(text), d)) std::abort();
    if (!same(common::valFloat(text), f)) std::abort();
    if (std::isfinite(f) && !same(common::valFloat(common::formatGeneral(f)), f)) std::abort();
    if (std::isfinite(d)) {
        for (int decimals : {1, 2, 3}) {
            const std::string m = common::formatMask(d, decimals);
            const size_t point = m.find('.');
            if (point == std::string::npos || m.size() - point - 1 != static_cast<size_t>(decimals))
                std::abort();
        }
    }
    return 0;
}
