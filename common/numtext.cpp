// Number text: lenient parsing and decimal formatting that does not depend on the locale.
#include "common/numtext.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace common {
namespace {

// Length of the numeric prefix after the blanks at `start`, 0 when there is none.
size_t numericPrefix(std::string_view s, size_t start) {
    size_t i = start;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    bool point = false;
    while (i < s.size()) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) i = j;
    }
    return i - start;
}

size_t skipBlanks(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return i;
}

// Decimal digits of a value: value = 0.d1d2d3... x 10^(exp10 + 1), i.e. d1 stands at 10^exp10.
// Fixed buffers: formatting runs for every computed cell of a calculation.
struct Decimal {
    bool negative = false;
    char digits[40];  // no leading or trailing zeros; n == 0 means zero
    int n = 0;
    int exp10 = 0;
};

Decimal fromScientific(const char* first, const char* last) {
    Decimal d;
    const char* p = first;
    if (p < last && *p == '-') {
        d.negative = true;
        ++p;
    }
    int lead = -1;  // digits seen before the first non-zero one
    int count = 0;
    for (; p < last && *p != 'e'; ++p) {
        if (*p == '.') continue;
        if (lead < 0 && *p == '0') {
            ++count;
            continue;
        }
        if (lead < 0) lead = count;
        if (d.n < static_cast<int>(sizeof d.digits)) d.digits[d.n++] = *p;
        ++count;
    }
    int exp = 0;
    if (p < last && *p == 'e') std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, exp);
    if (lead < 0) {
        d.n = 0;
        d.exp10 = 0;
        return d;
    }
    while (d.n > 0 && d.digits[d.n - 1] == '0') --d.n;
    d.exp10 = exp - lead;
    return d;
}

Decimal decimalOf(double x) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    return fromScientific(buf, r.ptr);
}

Decimal decimalOf(float x) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    return fromScientific(buf, r.ptr);
}

// Rounds half away from zero so that no digit stands below 10^-decimals.
Decimal roundTo(Decimal d, int decimals) {
    if (d.n == 0) return d;
    long keep = static_cast<long>(d.exp10) + decimals + 1;  // digits at or above 10^-decimals
    if (keep >= d.n) return d;
    if (keep < 0) {
        d.n = 0;
        d.exp10 = 0;
        return d;
    }
    bool up = d.digits[keep] >= '5';
    d.n = static_cast<int>(keep);
    if (up) {
        int i = d.n - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            for (int k = d.n; k > 0; --k) d.digits[k] = d.digits[k - 1];
            d.digits[0] = '1';
            ++d.n;
            d.exp10 += 1;
        } else {
            d.digits[i] += 1;
        }
    }
    while (d.n > 0 && d.digits[d.n - 1] == '0') --d.n;
    if (d.n == 0) d.exp10 = 0;
    return d;
}

// Plain decimal text with at least minDecimals decimals (and no more than the digits need).
std::string plain(const Decimal& d, int minDecimals) {
    char out[400];
    int o = 0;
    if (d.negative && d.n > 0) out[o++] = '-';
    int fracLen = 0;
    char frac[400];
    if (d.n == 0) {
        out[o++] = '0';
    } else if (d.exp10 < 0) {
        out[o++] = '0';
        for (int k = 0; k < -d.exp10 - 1; ++k) frac[fracLen++] = '0';
        for (int k = 0; k < d.n; ++k) frac[fracLen++] = d.digits[k];
    } else if (d.exp10 + 1 >= d.n) {
        for (int k = 0; k < d.n; ++k) out[o++] = d.digits[k];
        for (int k = 0; k < d.exp10 + 1 - d.n; ++k) out[o++] = '0';
    } else {
        for (int k = 0; k <= d.exp10; ++k) out[o++] = d.digits[k];
        for (int k = d.exp10 + 1; k < d.n; ++k) frac[fracLen++] = d.digits[k];
    }
    while (fracLen < minDecimals) frac[fracLen++] = '0';
    if (fracLen > 0) {
        out[o++] = '.';
        for (int k = 0; k < fracLen; ++k) out[o++] = frac[k];
    }
    return std::string(out, static_cast<size_t>(o));
}

// The digits of units scaled by 10^decimals (a whole number) as a mask text.
std::string fixedText(bool negative, unsigned long long units, int decimals) {
    // "000" ... "999", for the usual three decimals at once.
    static const auto kTriples = [] {
        std::array<char, 3000> t{};
        for (int i = 0; i < 1000; ++i) {
            t[static_cast<size_t>(3 * i)] = static_cast<char>('0' + i / 100);
            t[static_cast<size_t>(3 * i + 1)] = static_cast<char>('0' + i / 10 % 10);
            t[static_cast<size_t>(3 * i + 2)] = static_cast<char>('0' + i % 10);
        }
        return t;
    }();
    char buf[48];
    char* const end = buf + sizeof buf;
    char* p = end;
    if (decimals == 3) {
        p -= 3;
        std::memcpy(p, &kTriples[static_cast<size_t>(3 * (units % 1000))], 3);
        units /= 1000;
    } else {
        for (int d = 0; d < decimals; ++d) {
            *--p = static_cast<char>('0' + units % 10);
            units /= 10;
        }
    }
    if (decimals > 0) *--p = '.';
    do {
        *--p = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units > 0);
    if (negative) *--p = '-';
    return std::string(p, end);
}

constexpr double kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// The mask text without the decimal digits, when the value lies so far from a rounding
// half that its shortest text (within half an ulp of a float, within 5e-15 relative of a
// double for 15 digits) must round the same way as the value itself. False otherwise.
template <typename T>
bool quickMask(T x, int decimals, std::string& out) {
    if (decimals < 0 || decimals > 6) return false;
    const double scale = kScale[decimals];
    const double ax = std::fabs(static_cast<double>(x));
    if (!(ax < 1e9)) return false;
    const double y = ax * scale;  // exact for a float (24 + 20 bits), within 2^-53 for a double
    double margin;
    if constexpr (sizeof(T) == 4) {
        // One ulp: the next float up, by its bits (ax is finite and not negative).
        const auto f = static_cast<float>(ax);
        const float next = std::bit_cast<float>(std::bit_cast<std::uint32_t>(f) + 1u);
        margin = (next - f) * scale;
    } else {
        margin = y * 6e-15;
    }
    margin = margin * 1.01 + 1e-300;
    const double whole = static_cast<double>(static_cast<long long>(y));  // floor: y >= 0
    const double frac = y - whole;
    if (std::fabs(frac - 0.5) <= margin) return false;
    const auto units = static_cast<unsigned long long>(frac > 0.5 ? whole + 1 : whole);
    out = fixedText(x < 0 && units != 0, units, decimals);
    return true;
}

template <typename T>
std::string maskImpl(T x, int decimals) {
    if (!std::isfinite(x)) x = 0;
    if (decimals > 40) decimals = 40;  // the buffers of plain()
    std::string quick;
    if (quickMask(x, decimals, quick)) return quick;
    return plain(roundTo(decimalOf(x), decimals), decimals);
}

template <typename T>
std::string generalImpl(T x) {
    if (!std::isfinite(x)) x = 0;
    return plain(decimalOf(x), 0);
}

// One pass over the usual cell text (blanks, sign, digits with at most one point, no
// exponent) when it is exact in T; false sends the text to the full reading.
// The text every computed cell holds, "-12.345" (at most nine whole digits): the same
// whole number and power of ten as the general reading below, in one short pass.
template <typename T>
bool mask3Value(std::string_view s, T& out) {
    constexpr unsigned long long kMaxMantissa = sizeof(T) == 4 ? (1ull << 24) : (1ull << 53);
    const size_t n = s.size();
    if (n < 5 || n > 14 || s[n - 4] != '.') return false;
    const char* p = s.data();
    const char* const point = p + n - 4;
    const bool negative = *p == '-';
    if (negative) ++p;
    if (p == point) return false;
    unsigned long long mantissa = 0;
    for (; p < point; ++p) {
        const auto d = static_cast<unsigned char>(*p - '0');
        if (d > 9) return false;
        mantissa = mantissa * 10 + d;
    }
    for (p = point + 1; p < point + 4; ++p) {
        const auto d = static_cast<unsigned char>(*p - '0');
        if (d > 9) return false;
        mantissa = mantissa * 10 + d;
    }
    if (mantissa > kMaxMantissa) return false;
    const T v = static_cast<T>(mantissa) / static_cast<T>(1000);
    out = negative ? -v : v;
    return true;
}

template <typename T>
bool quickValue(std::string_view s, T& out) {
    constexpr unsigned long long kMaxMantissa = sizeof(T) == 4 ? (1ull << 24) : (1ull << 53);
    constexpr int kMaxPower = sizeof(T) == 4 ? 10 : 22;
    // Powers of ten exact in T (10^10 in float, 10^22 in double).
    static constexpr T kPower[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (s.empty()) {
        out = 0;
        return true;
    }
    if (mask3Value(s, out)) return true;
    const char* p = s.data();
    const char* const end = p + s.size();
    while (p < end && (*p == ' ' || *p == '\t')) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    // At most 19 digits, so that the whole number cannot overflow; longer ones (leading
    // zeros, say) go to the full reading.
    unsigned long long mantissa = 0;
    int digits = 0, decimals = 0;
    for (; p < end && static_cast<unsigned char>(*p - '0') < 10; ++p, ++digits)
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    if (p < end && *p == '.')
        for (++p; p < end && static_cast<unsigned char>(*p - '0') < 10; ++p, ++digits, ++decimals)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    if (p < end && (*p == 'e' || *p == 'E')) return false;  // perhaps an exponent
    if (digits == 0) {
        out = 0;
        return true;
    }
    if (digits > 19 || mantissa > kMaxMantissa || decimals > kMaxPower) return false;
    const T v = static_cast<T>(mantissa) / kPower[decimals];
    out = negative ? -v : v;
    return true;
}

// True when the numeric prefix (digits, point, exponent; no sign) is at least 1 in
// magnitude: out of range it then overflows rather than underflows.
bool atLeastOne(std::string_view s) {
    long long whole = 0, digits = 0, first = -1;  // first: index of the first non-zero digit
    size_t i = 0;
    bool point = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            point = true;
            continue;
        }
        if (!point) ++whole;
        if (first < 0 && s[i] != '0') first = digits;
        ++digits;
    }
    if (first < 0) return false;
    long long exponent = 0;
    if (i < s.size()) {
        size_t j = i + 1;
        const bool negative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        for (; j < s.size(); ++j) exponent = std::min(exponent * 10 + (s[j] - '0'), 1000000000LL);
        if (negative) exponent = -exponent;
    }
    return whole - 1 - first + exponent >= 0;
}

// The value of a numeric prefix (sign, digits with at most one point, exponent), correctly
// rounded as strtod and strtof do, in any locale: beyond the range of T it is infinite,
// below it zero, with the sign.
template <typename T>
T prefixValue(std::string_view s) {
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
    T v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        v = atLeastOne(s) ? std::numeric_limits<T>::infinity() : T(0);
    return negative ? -v : v;
}

template <typename T>
T valueOf(std::string_view text) {
    T quick;
    if (quickValue(text, quick)) return quick;
    const size_t start = skipBlanks(text);
    const size_t len = numericPrefix(text, start);
    if (len == 0) return 0;
    T fast;  // a prefix without exponent, as "12.5" of "12.5east"
    if (quickValue(text.substr(start, len), fast)) return fast;
    return prefixValue<T>(text.substr(start, len));
}

}  // namespace

double val(std::string_view text) { return valueOf<double>(text); }

float valFloat(std::string_view text) { return valueOf<float>(text); }

bool hasNumber(std::string_view text) { return numericPrefix(text, skipBlanks(text)) > 0; }

std::string formatMask(double x, int decimals) { return maskImpl(x, decimals); }
std::string formatMask(float x, int decimals) { return maskImpl(x, decimals); }
std::string formatGeneral(double x) { return generalImpl(x); }
std::string formatGeneral(float x) { return generalImpl(x); }
std::string formatGeneral(long long x) { return std::to_string(x); }

}  // namespace common
