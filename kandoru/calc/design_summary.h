// What a calculation designed, in a few lines a window or gesui can show after it: the
// routes, the spans, the lowest cover and the deepest manhole.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kandoru/document.h"

namespace kandoru {

// A value as its cell shows it, and the span or manhole it belongs to.
struct DesignExtreme {
    double value = 0;   // m
    std::string text;   // the cell's text
    std::string where;  // "1-1 起点", or a manhole number
};

struct DesignSummary {
    int routes = 0;  // route rows down to the first blank route number
    int spans = 0;   // split rows down to the first blank label, the outlet's row not counted
    std::optional<DesignExtreme> lowestCover;     // of the spans' start and end covers
    std::optional<DesignExtreme> deepestManhole;  // "人孔深"
};

// Reads the summary from the document's cells; cells without a number are passed over,
// and of equal values the first wins.
DesignSummary summarizeDesign(const Document& doc);

// "路線数: 3", "スパン数: 12", "最小土被り: 1.200 m (1-1 起点)", "最大人孔深: 2.450 m
// (No.3)"; an extreme without any value reads "-".
std::vector<std::string> summaryLines(const DesignSummary& s);

}  // namespace kandoru
