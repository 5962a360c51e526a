// The flow formulas against published values and worked examples, and the box code form.
#include "kandoru/check/hydraulics.h"

#include <gtest/gtest.h>

#include "common/numtext.h"
#include "kandoru/check/limits.h"

namespace {

using namespace kandoru::check;
using common::formatMask;

// Circular pipes flowing full, Manning, n 0.013: the figures of the sewer tables.
TEST(Hydraulics, ManningCircularFullAgreesWithTheTables) {
    struct Case {
        double diameterM, permille;
        const char* velocity;  // m/s, 3 decimals
        const char* flowLs;    // L/s, 2 decimals
    };
    const Case cases[] = {
        {0.200, 5, "0.738", "23.19"},
        {0.600, 1, "0.687", "194.17"},
    };
    for (const Case& c : cases) {
        const FlowSection s = circularFull(c.diameterM);
        const double v = manningVelocity(s.radiusM, c.permille / 1000, 0.013);
        EXPECT_EQ(formatMask(v, 3), c.velocity) << c.diameterM;
        EXPECT_EQ(formatMask(capacity(s, v) * 1000, 2), c.flowLs) << c.diameterM;
    }
}

// A published gutter table: 400 × 400, n 0.013, A 0.1137 m², R 0.1282 m.
TEST(Hydraulics, ManningAgreesWithAPublishedGutterTable) {
    const FlowSection gutter{0.1137, 0.1282};
    struct Case {
        double slope;
        const char* velocity;
        const char* flow;
    };
    for (const Case& c :
         {Case{1.0 / 100, "1.9558", "0.2224"}, Case{1.0 / 500, "0.8746", "0.0994"}}) {
        const double v = manningVelocity(gutter.radiusM, c.slope, 0.013);
        EXPECT_EQ(formatMask(v, 4), c.velocity) << c.slope;
        EXPECT_EQ(formatMask(capacity(gutter, v), 4), c.flow) << c.slope;
    }
}

// Kutter worked by hand, n 0.013:
//   D 200 mm, I 1 ‰: R = 0.05, √R = 0.223607, 0.00155/I = 1.55,
//     C = (23 + 76.9231 + 1.55) / (1 + 24.55 × 0.013 / 0.223607) = 101.4731 / 2.427282
//       = 41.805, V = 41.805 × √0.00005 = 0.2956 m/s;
//   D 300 mm, I 3 ‰: R = 0.075, C = 100.4397 / 2.116319 = 47.460, V = 0.7119 m/s,
//     Q = 0.070686 × 0.7119 = 0.05032 m³/s.
TEST(Hydraulics, KutterAgreesWithWorkedValues) {
    const FlowSection d200 = circularFull(0.200);
    const double v200 = kutterVelocity(d200.radiusM, 0.001, 0.013);
    EXPECT_EQ(formatMask(v200, 4), "0.2956");
    const FlowSection d300 = circularFull(0.300);
    const double v300 = kutterVelocity(d300.radiusM, 0.003, 0.013);
    EXPECT_EQ(formatMask(v300, 4), "0.7119");
    EXPECT_EQ(formatMask(capacity(d300, v300), 5), "0.05032");
    // At 200 mm and 1 ‰ Kutter gives about a tenth less than Manning.
    const double manning = manningVelocity(d200.radiusM, 0.001, 0.013);
    EXPECT_NEAR(v200 / manning, 0.90, 0.01);
    EXPECT_EQ(velocity(FlowFormula::Kutter, d200.radiusM, 0.001, 0.013), v200);
    EXPECT_EQ(velocity(FlowFormula::Manning, d200.radiusM, 0.001, 0.013), manning);
}

TEST(Hydraulics, SectionsAsChecked) {
    const FlowSection pipe = circularFull(0.2);
    EXPECT_DOUBLE_EQ(pipe.areaM2, 0.031415926535897934);
    EXPECT_DOUBLE_EQ(pipe.radiusM, 0.05);
    // A box 1.5 m wide, 1.0 m high, water at 0.9 m: A = 1.35, P = 1.5 + 1.8.
    const FlowSection box = boxPartFull(1.5, 1.0, kLimits.boxDepthRatio);
    EXPECT_DOUBLE_EQ(box.areaM2, 1.35);
    EXPECT_DOUBLE_EQ(box.radiusM, 1.35 / 3.3);
}

TEST(Hydraulics, BoxSizeOnlyFromTheCodeForm) {
    struct Case {
        const char* code;
        double width, height;  // 0: not a box code
    };
    const Case cases[] = {
        {"□1000×1000", 1000, 1000},
        {"□1500×1000", 1500, 1000},
        {"□900.5×600", 900.5, 600},
        {"□900x900", 0, 0},  // ASCII x
        {"□1000", 0, 0},
        {"BOX1000×1000", 0, 0},
        {"1000×1000", 0, 0},
        {"□×1000", 0, 0},
        {"□1000×", 0, 0},
        {"□0×1000", 0, 0},
        {"□1000×1000 ", 0, 0},
        {"□-1×1", 0, 0},
        {"□1.2.3×1", 0, 0},
        {"", 0, 0},
    };
    for (const Case& c : cases) {
        const auto size = boxSizeOfCode(c.code);
        if (c.width == 0) {
            EXPECT_FALSE(size) << c.code;
            continue;
        }
        ASSERT_TRUE(size) << c.code;
        EXPECT_EQ(size->widthMm, c.width) << c.code;
        EXPECT_EQ(size->heightMm, c.height) << c.code;
    }
}

TEST(Hydraulics, SpacingLimitsStepAtTheirSizes) {
    const std::pair<double, double> cases[] = {{200, 75},   {600, 75},   {600.001, 100},
                                               {1000, 100}, {1001, 150}, {1500, 150},
                                               {1501, 200}, {3000, 200}};
    for (auto [size, spacing] : cases) EXPECT_EQ(maxSpacingM(size), spacing) << size;
}

}  // namespace
