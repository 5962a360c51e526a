// Number text: lenient parsing and decimal formatting that does not depend on the locale.
#include "common/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

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

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

// Decimal digits of a value: value = 0.d1d2d3... x 10^(exp10 + 1), i.e. d1 stands at 10^exp10.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros; empty means zero
    int exp10 = 0;
};

Decimal fromScientific(const char* first, const char* last) {
    Decimal d;
    const char* p = first;
    if (p < last && *p == '-') {
        d.negative = true;
        ++p;
    }
    std::string digits;
    while (p < last && *p != 'e') {
        if (*p != '.') digits += *p;
        ++p;
    }
    int exp = 0;
    if (p < last && *p == 'e') std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, exp);
    size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) return Decimal{d.negative, "", 0};
    exp -= static_cast<int>(lead);
    digits.erase(0, lead);
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    d.digits = digits;
    d.exp10 = exp;
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
    if (d.digits.empty()) return d;
    long keep = static_cast<long>(d.exp10) + decimals + 1;  // digits at or above 10^-decimals
    if (keep >= static_cast<long>(d.digits.size())) return d;
    if (keep < 0) return Decimal{d.negative, "", 0};
    bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        long i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exp10 += 1;
        } else {
            d.digits[static_cast<size_t>(i)] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exp10 = 0;
    return d;
}

// Plain decimal text with at least minDecimals decimals (and no more than the digits need).
std::string plain(const Decimal& d, int minDecimals) {
    std::string intPart, frac;
    if (d.digits.empty()) {
        intPart = "0";
    } else {
        long n = static_cast<long>(d.digits.size());
        long e = d.exp10;
        if (e < 0) {
            intPart = "0";
            frac.assign(static_cast<size_t>(-e - 1), '0');
            frac += d.digits;
        } else if (e + 1 >= n) {
            intPart = d.digits;
            intPart.append(static_cast<size_t>(e + 1 - n), '0');
        } else {
            intPart = d.digits.substr(0, static_cast<size_t>(e + 1));
            frac = d.digits.substr(static_cast<size_t>(e + 1));
        }
    }
    if (static_cast<int>(frac.size()) < minDecimals)
        frac.append(static_cast<size_t>(minDecimals) - frac.size(), '0');
    std::string out;
    if (d.negative && !d.digits.empty()) out += '-';
    out += intPart;
    if (!frac.empty()) {
        out += '.';
        out += frac;
    }
    return out;
}

template <typename T>
std::string maskImpl(T x, int decimals) {
    if (!std::isfinite(x)) x = 0;
    return plain(roundTo(decimalOf(x), decimals), decimals);
}

template <typename T>
std::string generalImpl(T x) {
    if (!std::isfinite(x)) x = 0;
    return plain(decimalOf(x), 0);
}

}  // namespace

double val(std::string_view text) {
    size_t start = skipBlanks(text);
    size_t len = numericPrefix(text, start);
    if (len == 0) return 0.0;
    std::string prefix(text.substr(start, len));
    return strtod_l(prefix.c_str(), nullptr, cLocale());
}

float valFloat(std::string_view text) {
    size_t start = skipBlanks(text);
    size_t len = numericPrefix(text, start);
    if (len == 0) return 0.0f;
    std::string prefix(text.substr(start, len));
    return strtof_l(prefix.c_str(), nullptr, cLocale());
}

bool hasNumber(std::string_view text) { return numericPrefix(text, skipBlanks(text)) > 0; }

std::string formatMask(double x, int decimals) { return maskImpl(x, decimals); }
std::string formatMask(float x, int decimals) { return maskImpl(x, decimals); }
std::string formatGeneral(double x) { return generalImpl(x); }
std::string formatGeneral(float x) { return generalImpl(x); }
std::string formatGeneral(long long x) { return std::to_string(x); }

}  // namespace common
