// The design checks of a calculated profile: the full-flow hydraulics of every span and
// the rules of the sewer design guideline, read from the document's cells after
// "縦断計算". Nothing is written to the document.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kandoru/check/hydraulics.h"
#include "kandoru/document.h"

namespace kandoru::check {

enum class Rule {
    VelocityLow,
    VelocityHigh,
    SizeMin,
    SizeMax,
    SizeDecrease,
    Gradient,
    Spacing,
    Cover,
    ManholeType,
    DropPipe,
    SectionUnknown,
};

// The rule's key in the tab-separated output ("velocity-low", ...).
std::string_view ruleKey(Rule rule);
// The rule in Japanese, as the panel, the listing and the sheet show it.
std::string_view ruleText(Rule rule);
// The unit of a finding's value and limit ("m/s", "mm", "‰", "m"; "" for a code).
std::string_view ruleUnit(Rule rule);

// The table a finding's cell is in, to select it.
enum class Grid { Split, Manhole, ChangePoint };
struct CellRef {
    Grid grid = Grid::Split;
    int row = 0;
    int col = 0;
};

struct Finding {
    Rule rule;
    int row;            // split row of the span or manhole it belongs to
    std::string label;  // the split label, or the change point's label ("2変")
    std::string value;  // a plain number in the rule's unit (for SectionUnknown the code)
    std::string limit;  // likewise
    std::string where;  // what part of the row, in Japanese ("起点人孔", ...), or ""
    CellRef cell;
};

// Hydraulics of one span at the depth it is checked at.
struct SpanFlow {
    double n = 0;
    double areaM2 = 0;
    double radiusM = 0;
    double velocityMs = 0;
    double flowM3s = 0;
};

// A span: a split row the profile calculation designed (down to the first row without
// split length, pipe code or gradient).
struct Span {
    int row = 0;
    std::string label;
    std::string code;
    std::optional<double> sizeMm;  // inner diameter, or inner height of a box
    double gradientPermille = 0;
    std::optional<SpanFlow> flow;  // none for an unknown section or a gradient <= 0
};

// What the checks read besides the tables.
struct CheckSettings {
    FlowFormula formula = FlowFormula::Manning;
    std::string pipeType;
    double n = 0;
    std::optional<double> minSizeMm;  // "最小管径"; none when blank or not a positive number
    std::optional<double> maxSizeMm;  // "最大管径"
    std::optional<double> minCoverM;  // "最小土被り"
    bool dropPipeBox = false;         // "　副管を自動設置する。" ticked
};
CheckSettings checkSettings(const Document& doc);

// The velocity rule alone: the velocity as shown (3 decimals) against 0.6 and 3.0 m/s.
std::optional<Rule> velocityRule(double velocityMs);

struct CheckResult {
    CheckSettings settings;
    std::vector<Span> spans;
    std::vector<Finding> findings;
};

// All checks of the document as its cells stand.
CheckResult designCheck(const Document& doc);

}  // namespace kandoru::check
