// A long line as a set of sheets: the stations split into consecutive stretches that each
// fit one sheet, drawn side by side in one script.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "zumenko/drawing.h"
#include "zumenko/figure.h"
#include "zumenko/script.h"

namespace zumenko {

// Gap between two sheets of a set, paper mm.
inline constexpr double kSheetGapMm = 50;

// One sheet of the set. Stations are rows of the drawing order (FGrid7 upstream first,
// the mirrored FGrid10 downstream first).
struct SetSheet {
    int first = 1;
    int last = 1;
    double datumLevel = 0;  // metres, a multiple of 5 unless the line is very deep
    double lengthM = 0;     // 追加距離 of the last station less that of the first
    bool fits = true;       // false: its one span alone cannot stay inside the frame
    // Stations whose ground, pipes or label stand outside the profile area (below the
    // datum line, above its top or above their label).
    std::vector<int> outside;
};

struct SheetSet {
    std::vector<SetSheet> sheets;
    int stations = 0;  // station rows of the line
};

// The sheet set of the line, drawn in the direction and with the frame and pipe walls of
// opt (its stretch and datum level fields are not used):
// - sheet 1 starts at the first station; each next sheet starts at the last station of
//   the one before, so the boundary stations stand on two sheets;
// - each sheet holds the longest run of stations whose profile, drawn as a chosen stretch
//   from the sheet's left edge with its datum level, stays inside the innermost frame drawn
//   (the sheet border when the frames are off); a sheet holds at least one span;
// - its datum level is the lowest ground point or pipe bottom of the stretch less the
//   format's ground-to-DL drop, rounded down to a multiple of 5 m; a line too deep for the
//   sheet at that level gets the lowest multiple of 5 m (or else of a metre) that keeps
//   its ground inside the frame and its pipes on or above the datum line;
// - stations whose ground or pipes then stand outside the profile area are listed.
// The stretches taken greedily are each as long as the rule allows, so no set that keeps
// the rule has fewer sheets. Empty when the line has fewer than two stations.
SheetSet planSheets(const Drawing& doc, const DrawOptions& opt);

// Whether the stations first ... last of the drawing order, drawn as one sheet's stretch,
// stay inside its frame.
bool stretchFits(const Drawing& doc, const DrawOptions& opt, int first, int last);

// The title suffix of sheet k (from 1) of n: "（k／n）", none for a single sheet.
std::string sheetTitleSuffix(size_t k, size_t n);

// Every sheet of the set side by side: sheet k (from 1) at x = (k - 1) × (W + 50 mm) × H,
// each with its frame, title, band, scales and stretch. For one sheet this is the drawing
// of the chosen stretch of all stations.
Figure drawSheetSet(const Drawing& doc, const DrawOptions& opt, const SheetSet& set);

// Sheet k (from 0) alone, at the origin.
Figure drawSetSheet(const Drawing& doc, const DrawOptions& opt, const SheetSet& set, size_t k);

// The station numbers of the window (upstream first, from 1) of a drawing-order row.
int stationNumber(const SheetSet& set, const DrawOptions& opt, int row);

inline constexpr const char* kLayoutTitle = "作図レイアウト";
inline constexpr const char* kNoStretchText = "作図データに区間がありません。";

// The script of the whole set ("全シート作図"): the drawing format checked, the set planned
// and drawn, refused when the line has no span or a value cannot be drawn.
ScriptResult drawSheetSetScript(const Drawing& doc, const DrawOptions& opt);

// What "レイアウト" says when the chosen stretch (opt's station numbers and datum level, in
// its direction) does not fit inside its sheet's frame: how many stations from the
// stretch's left end would, or the datum level at which all would. nullopt when it fits.
std::optional<std::string> layoutFitWarning(const Drawing& doc, const DrawOptions& opt);

}  // namespace zumenko
