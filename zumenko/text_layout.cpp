// Text placement by AutoCAD's justification rules, and drawing extents.
#include "zumenko/text_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zumenko {

namespace {

// The pinned gothic font per em: its full-width box runs from 0.12011 below the baseline
// to 0.87989 above (the font's ascent), glyphs reach 0.1958 below it; a half-width
// character advances half an em. A text of height 1 is 1 / 0.87989 em large.
constexpr double kAscentEm = 0.87989;
constexpr double kBoxFootEm = 1 - kAscentEm;
constexpr double kDescentEm = 0.1958;

bool isHalfWidth(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

// Decodes UTF-8 leniently: a broken sequence counts as one character.
template <typename F>
void forEachCodePoint(std::string_view s, F f) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 1;
        if (i + len > s.size()) len = 1;
        char32_t c = len == 1 ? b : (b & (0x7F >> len));
        for (int k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        f(c);
        i += len;
    }
}

Point rotate(Point p, double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

}  // namespace

TextMetrics estimateTextMetrics(std::string_view utf8) {
    double ems = 0;
    forEachCodePoint(utf8, [&](char32_t c) { ems += isHalfWidth(c) ? 0.5 : 1.0; });
    return {ems / kAscentEm, 1, kDescentEm / kAscentEm, 1, kBoxFootEm / kAscentEm};
}

TextPlacement placeText(const Text& text, const TextMetrics& m) {
    const double h = text.height;
    // Baseline-left origin relative to the insertion point, before rotation.
    double dx = 0, dy = 0;
    switch (text.justify.h) {
        case HAlign::Left:
            dx = 0;
            break;
        case HAlign::Center:
            dx = -m.advance * h / 2;
            break;
        case HAlign::Right:
            dx = -m.advance * h;
            break;
    }
    switch (text.justify.v) {
        case VAlign::Baseline:
            dy = 0;
            break;
        case VAlign::Bottom:
            dy = m.bottom * h;
            break;
        case VAlign::Middle:  // half the text height, as "MC" has it
            dy = -m.top / 2 * h;
            break;
        case VAlign::Top:
            dy = -m.top * h;
            break;
    }
    TextPlacement p;
    p.angleRad = text.angleDeg * std::numbers::pi / 180.0;
    auto place = [&](double lx, double ly) {
        Point r = rotate({dx + lx, dy + ly}, p.angleRad);
        return Point{text.at.x + r.x, text.at.y + r.y};
    };
    p.origin = place(0, 0);
    const double w = m.advance * h, up = m.ascent * h, down = -m.descent * h;
    p.box = {place(0, down), place(w, down), place(w, up), place(0, up)};
    return p;
}

Box elementBox(const Element& element, const MeasureText& measure) {
    Box box;
    if (auto s = std::get_if<Segment>(&element.shape)) {
        box.add(s->a);
        box.add(s->b);
    } else if (auto t = std::get_if<Text>(&element.shape); t && !drawsNothing(*t)) {
        for (const auto& corner : placeText(*t, measure(t->text)).box) box.add(corner);
    }
    return box;
}

Box extents(const Figure& figure, const MeasureText& measure) {
    Box box;
    for (const auto& e : figure.elements) box.add(elementBox(e, measure));
    return box;
}

}  // namespace zumenko
