// What a drawing can hold: the limits checked on the drawing model before a script is
// written, and applied by the preview when it reads a script back, so the two agree.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "zumenko/figure.h"

namespace zumenko {

// A million kilometres in drawing millimetres: far beyond any sheet, and small enough for
// every writer (the DXF writer prints numbers into a fixed buffer).
inline constexpr double kLargestDrawingNumber = 1e12;

inline bool drawableNumber(double x) {
    return std::isfinite(x) && std::fabs(x) <= kLargestDrawingNumber;
}
inline bool drawableTextHeight(double h) { return drawableNumber(h) && h > 0; }
// A blank in a script is Enter: a layer name needs at least one character and no blank.
inline bool drawableLayerName(std::string_view name) {
    return !name.empty() && name.find(' ') == std::string_view::npos;
}

// The first value of the figure that no drawing can hold, named for the user ("座標 …",
// "文字高さ …", "画層名「…」"); "" when every value can be drawn.
std::string undrawableValue(const Figure& figure);

}  // namespace zumenko
