// Section geometry and the two velocity formulas of the design checks.
#include "kandoru/check/hydraulics.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

namespace kandoru::check {

FlowSection circularFull(double diameterM) {
    return {std::numbers::pi * diameterM * diameterM / 4, diameterM / 4};
}

FlowSection boxPartFull(double widthM, double heightM, double depthRatio) {
    const double depth = heightM * depthRatio;
    const double area = widthM * depth;
    return {area, area / (widthM + 2 * depth)};
}

namespace {

// A plain decimal number (digits with at most one point) at the start of text, > 0.
std::optional<double> positiveNumber(std::string_view& text) {
    size_t n = 0;
    bool point = false;
    while (n < text.size() && ((text[n] >= '0' && text[n] <= '9') || (text[n] == '.' && !point))) {
        point = point || text[n] == '.';
        ++n;
    }
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + n, value);
    if (ec != std::errc() || end != text.data() + n || !(value > 0) || !std::isfinite(value))
        return std::nullopt;
    text.remove_prefix(n);
    return value;
}

bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

std::optional<BoxSize> boxSizeOfCode(std::string_view code) {
    if (!consume(code, "□")) return std::nullopt;
    const auto width = positiveNumber(code);
    if (!width || !consume(code, "×")) return std::nullopt;
    const auto height = positiveNumber(code);
    if (!height || !code.empty()) return std::nullopt;
    return BoxSize{*width, *height};
}

double manningVelocity(double radiusM, double slope, double n) {
    return std::pow(radiusM, 2.0 / 3.0) * std::sqrt(slope) / n;
}

double kutterVelocity(double radiusM, double slope, double n) {
    const double slopeTerm = 0.00155 / slope;
    const double c = (23 + 1 / n + slopeTerm) / (1 + (23 + slopeTerm) * n / std::sqrt(radiusM));
    return c * std::sqrt(radiusM * slope);
}

double velocity(FlowFormula formula, double radiusM, double slope, double n) {
    return formula == FlowFormula::Kutter ? kutterVelocity(radiusM, slope, n)
                                          : manningVelocity(radiusM, slope, n);
}

}  // namespace kandoru::check
