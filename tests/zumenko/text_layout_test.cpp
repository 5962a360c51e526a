// Justification by AutoCAD's rules: where the glyph box lies around the insertion point.
#include "zumenko/text_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace zumenko;

namespace {

// A text 4 heights long whose glyphs reach 1.2 above and 0.3 below the baseline, with its
// character box from 0.25 below the baseline to 1 above.
constexpr TextMetrics kMetrics{4, 1.2, 0.3, 1.0, 0.25};

TextPlacement place(Justify j, double angle) {
    return placeText(Text{{100, 50}, j, 2, angle, "abcd"}, kMetrics);
}

void expectPoint(Point actual, Point expected, const char* what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
}

}  // namespace

TEST(TextLayout, BaselineStartOfEachJustificationUpright) {
    // Height 2, advance 8: top-left hangs the box below the point, middle-centre has the
    // point half the height above the baseline, bottom stands the box's foot on it.
    struct Case {
        Justify j;
        Point origin;
        const char* name;
    } cases[] = {
        {{HAlign::Left, VAlign::Top}, {100, 48}, "tl"},
        {{HAlign::Center, VAlign::Middle}, {96, 49}, "mc"},
        {{HAlign::Right, VAlign::Bottom}, {92, 50.5}, "br"},
        {{HAlign::Left, VAlign::Bottom}, {100, 50.5}, "BL"},
        {{HAlign::Center, VAlign::Bottom}, {96, 50.5}, "bc"},
        {{HAlign::Left, VAlign::Baseline}, {100, 50}, "left"},
    };
    for (const auto& c : cases) expectPoint(place(c.j, 0).origin, c.origin, c.name);

    auto box = place({HAlign::Left, VAlign::Top}, 0).box;
    expectPoint(box[0], {100, 47.4}, "tl bottom-left");
    expectPoint(box[2], {108, 50.4}, "tl top-right");
}

TEST(TextLayout, RotationTurnsAboutTheInsertionPointCounterClockwise) {
    // At 90 degrees the text runs upwards and its top faces left (-x).
    struct Case {
        Justify j;
        Point origin;
        const char* name;
    } cases[] = {
        {{HAlign::Left, VAlign::Top}, {102, 50}, "tl"},
        {{HAlign::Center, VAlign::Middle}, {101, 46}, "mc"},
        {{HAlign::Right, VAlign::Bottom}, {99.5, 42}, "br"},
        {{HAlign::Left, VAlign::Bottom}, {99.5, 50}, "BL"},
        {{HAlign::Center, VAlign::Bottom}, {99.5, 46}, "bc"},
    };
    for (const auto& c : cases) expectPoint(place(c.j, 90).origin, c.origin, c.name);

    // The manhole labels' 30 degrees: the baseline climbs at 30 degrees from the point.
    auto p = place({HAlign::Left, VAlign::Baseline}, 30);
    expectPoint(p.box[1],
                {100 + 8 * std::cos(std::numbers::pi / 6) + 0.6 * std::sin(std::numbers::pi / 6),
                 50 + 8 * std::sin(std::numbers::pi / 6) - 0.6 * std::cos(std::numbers::pi / 6)},
                "30 degrees, end of descent line");
}

// A text's height is the font's ascent, 0.87989 em: a full-width character is 1 / 0.87989
// heights wide.
TEST(TextLayout, EstimateCountsHalfAndFullWidthCharacters) {
    const double em = 1 / 0.87989;
    EXPECT_NEAR(estimateTextMetrics("12.345").advance, 3 * em, 1e-12);
    EXPECT_NEAR(estimateTextMetrics("管　径").advance, 3 * em, 1e-12);
    EXPECT_NEAR(estimateTextMetrics(" No.1  1号").advance, 4 * em + em, 1e-12);
    EXPECT_NEAR(estimateTextMetrics("ｱｲ").advance, em, 1e-12);  // half-width katakana
    EXPECT_EQ(estimateTextMetrics("").advance, 0);
}
