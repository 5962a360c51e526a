// RoundToDigits and the reading of digit settings.
#include "kandoru/calc/rounding.h"

#include <charconv>
#include <cmath>

#include "common/numtext.h"

namespace kandoru {

std::optional<int> digitCount(std::string_view digits) {
    while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t'))
        digits.remove_prefix(1);
    while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t'))
        digits.remove_suffix(1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    double v = 0;
    auto r = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (r.ec != std::errc() || r.ptr != digits.data() + digits.size()) return std::nullopt;
    for (int d = 0; d <= 4; ++d)
        if (v == d) return d;
    return std::nullopt;
}

namespace {
constexpr int kFactor[] = {1, 10, 100, 1000, 10000};
}

std::optional<double> RoundToDigits(float value, std::optional<int> d) {
    if (!d || *d < 0 || *d > 4) return std::nullopt;
    if (*d == 0) return std::floor(static_cast<double>(value) + 0.5);
    const int f = kFactor[*d];
    float product = value * static_cast<float>(f);  // single precision, as the value
    return std::floor(static_cast<double>(product) + 0.5) / static_cast<double>(f);
}

std::optional<double> RoundToDigits(double value, std::optional<int> d) {
    if (!d || *d < 0 || *d > 4) return std::nullopt;
    if (*d == 0) return std::floor(value + 0.5);
    const int f = kFactor[*d];
    double product = value * static_cast<double>(f);
    return std::floor(product + 0.5) / static_cast<double>(f);
}

std::optional<double> RoundToDigits(float value, std::string_view digits) {
    return RoundToDigits(value, digitCount(digits));
}

std::optional<double> RoundToDigits(double value, std::string_view digits) {
    return RoundToDigits(value, digitCount(digits));
}

std::string formatRounded(std::optional<double> value) {
    return value ? common::formatMask(*value, 3) : std::string();
}

}  // namespace kandoru
