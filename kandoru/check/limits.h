// Every limit the design checks apply, in one table, each with where it comes from.
// "Guideline" is the national design guideline for sewer facilities,
// 下水道施設計画・設計指針と解説 (前編, 管路施設), which municipal standards quote.
#pragma once

#include <array>
#include <limits>
#include <string_view>

namespace kandoru::check {

// Largest manhole spacing for the pipes up to a size.
struct SpacingStep {
    double upToSizeMm;
    double maxSpacingM;
};

// Roughness of a pipe type, by the text of the "管　種" choice.
struct Roughness {
    std::string_view pipeType;
    double n;
};

struct DesignLimits {
    double minVelocityMs;  // sewage at full flow
    double maxVelocityMs;  // sewage at full flow
    double boxDepthRatio;  // water depth over inner height of a box culvert
    double dropPipeFromM;  // manhole drop that needs a drop pipe
    std::array<SpacingStep, 4> spacing;
    std::array<Roughness, 2> roughness;
};

inline constexpr DesignLimits kLimits{
    // Guideline, sewer pipes, velocity: sewage pipes 0.6 m/s to 3.0 m/s for the design flow.
    .minVelocityMs = 0.6,
    .maxVelocityMs = 3.0,
    // Guideline, sewer pipes, capacity: a rectangular culvert is calculated at 90 % of its
    // inner height, the rest kept free.
    .boxDepthRatio = 0.9,
    // Guideline, manholes, drop pipes: a drop of 0.6 m or more between the incoming and the
    // outgoing invert gets a drop pipe (副管). The editor's drop-pipe placement uses the same
    // fixed 0.6 m.
    .dropPipeFromM = 0.6,
    // Guideline, manholes, largest spacing by pipe size: up to 600 mm 75 m, up to 1000 mm
    // 100 m, up to 1500 mm 150 m, larger (1650 mm and up) 200 m.
    .spacing =
        {{{600, 75}, {1000, 100}, {1500, 150}, {std::numeric_limits<double>::infinity(), 200}}},
    // Guideline, sewer pipes, roughness coefficient n for Manning and Kutter: rigid PVC pipe
    // 0.010, reinforced concrete pipe 0.013.
    .roughness = {{{"塩化ﾋﾞﾆﾙ管(VU)", 0.010}, {"鉄筋ｺﾝｸﾘｰﾄ管", 0.013}}},
};

// The largest manhole spacing, m, for the largest pipe at the two manholes, mm.
constexpr double maxSpacingM(double sizeMm) {
    for (const SpacingStep& s : kLimits.spacing)
        if (sizeMm <= s.upToSizeMm) return s.maxSpacingM;
    return kLimits.spacing.back().maxSpacingM;
}

}  // namespace kandoru::check
