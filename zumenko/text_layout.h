// Where a justified, rotated single-line text lies, and the extents of a drawing, the way
// "_zoom e" sees them.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "zumenko/figure.h"

namespace zumenko {

// Size of a text of height 1. AutoCAD draws a TrueType text so that its height is the
// font's ascent above the baseline (the capital height and the room above it), not the
// whole character box with the descent: Top is that height, Middle half of it, Bottom the
// foot of the full-width character box below the baseline. ascent and descent say how far
// any glyph may reach, for the extents.
struct TextMetrics {
    double advance = 0;
    double ascent = 1;
    double descent = 0;
    double top = 1;     // above the baseline
    double bottom = 0;  // below the baseline
};

using MeasureText = std::function<TextMetrics(std::string_view utf8)>;

// Metrics of the pinned gothic font without asking a font engine: it is monospaced, a
// half-width character is half as wide as a full-width one.
TextMetrics estimateTextMetrics(std::string_view utf8);

struct TextPlacement {
    Point origin;  // left end of the baseline, drawing units
    double angleRad = 0;
    std::array<Point, 4> box;  // glyph box corners: bottom-left, bottom-right, top-right, top-left
};

// Places the text so that its justification point is the insertion point, then rotates it
// about that point.
TextPlacement placeText(const Text& text, const TextMetrics& metrics);

// The box of one element: a segment's ends, a text's glyph box.
Box elementBox(const Element& element, const MeasureText& measure = estimateTextMetrics);

// Bounding box of every segment and every text's glyph box.
Box extents(const Figure& figure, const MeasureText& measure = estimateTextMetrics);

}  // namespace zumenko
