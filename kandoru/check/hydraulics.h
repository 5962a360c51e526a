// Full-flow hydraulics of a sewer span: the flow section of a circular pipe or a box
// culvert, the mean velocity by Manning or by Kutter, and the capacity Q = A·V.
// Everything in double precision, SI units (m, m², m/s, m³/s); a slope is a ratio (5 ‰ is
// 0.005).
#pragma once

#include <optional>
#include <string_view>

namespace kandoru::check {

enum class FlowFormula { Manning, Kutter };

// Flow area and hydraulic radius of a section at the depth it is checked at.
struct FlowSection {
    double areaM2 = 0;
    double radiusM = 0;  // R = A / wetted perimeter
};

// circularFull: a circular pipe flowing full.
//   diameterM : inner diameter D, m (> 0)
// Result: A = π·D²/4, R = D/4.
FlowSection circularFull(double diameterM);

// boxPartFull: a rectangular box culvert with its water at depthRatio of the inner height.
//   widthM, heightM : inner width B and inner height H, m (> 0)
//   depthRatio      : water depth h over H (the checks use kBoxDepthRatio)
// Result: A = B·h, R = B·h / (B + 2h), the top slab not wetted.
FlowSection boxPartFull(double widthM, double heightM, double depthRatio);

// Inner width and height of a box culvert, mm, read from its code name "□B×H" (full-width
// □ and ×, B and H plain decimal numbers, e.g. "□1500×1000"). nullopt for any other form.
struct BoxSize {
    double widthMm = 0;
    double heightMm = 0;
};
std::optional<BoxSize> boxSizeOfCode(std::string_view code);

// manningVelocity: mean velocity by Manning.
//   radiusM : hydraulic radius R, m;  slope : I (> 0);  n : roughness coefficient
// Result: V = (1/n)·R^(2/3)·I^(1/2), m/s.
double manningVelocity(double radiusM, double slope, double n);

// kutterVelocity: mean velocity by Kutter in the form the Japanese sewer guideline gives
// (the Ganguillet–Kutter coefficient with its constants for metric units).
//   radiusM : hydraulic radius R, m;  slope : I (> 0);  n : roughness coefficient
// Result: V = C·√(R·I), m/s, with C = (23 + 1/n + 0.00155/I) / (1 + (23 + 0.00155/I)·n/√R).
double kutterVelocity(double radiusM, double slope, double n);

// The velocity of the chosen formula, m/s.
double velocity(FlowFormula formula, double radiusM, double slope, double n);

// The full-flow capacity Q = A·V, m³/s.
inline double capacity(const FlowSection& s, double velocityMs) { return s.areaM2 * velocityMs; }

}  // namespace kandoru::check
