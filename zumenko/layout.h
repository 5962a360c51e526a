// The layout button and the station range and datum level of a drawing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zumenko/drawing.h"

namespace zumenko {

// Number of station rows: the first row of FGrid7 whose 追加距離 is blank, minus 1.
int stationCount(const Drawing& doc);

// The largest multiple of 5 not above x.
double floorToFive(double x);

// Datum level of the automatic drawing, metres: the lowest ground level of FGrid7 (or of
// FGrid10 for the downstream-first drawing), rows from 1 up to the first blank ground
// level, less the ground-to-DL drop (GroundAboveDatumMm, paper mm) x V / 1000, rounded
// down to a multiple of 5.
double automaticDatumLevel(const Drawing& doc, bool upstreamToDownstream);

struct LayoutResult {
    bool ok = false;  // false when the line has fewer than two stations
    int startNo = 1;
    int endNo = 1;
    float length = 0;        // 追加距離 of the end row - that of the start row, single
    std::string lengthText;  // the length in general number form (延長 field)
    double datumLevel = 0;   // metres, a multiple of 5
    std::string datumText;   // the datum level in general number form (ＤＬ field)
};

// The button "レイアウト": clamps the station numbers to the station rows (the end at
// least one past the start), gives the stretch's length and the datum level below the
// ground level of the end row.
LayoutResult layoutButton(const Drawing& doc, int startNo, int endNo);

// A field's text without the blanks around it, as the datum level's text counts.
std::string trimmedField(std::string_view text);
// A whole number typed into a station-number field (blanks around it allowed).
std::optional<int> parseStationNumber(std::string_view text);
// A number typed into the datum-level field (blanks around it allowed).
std::optional<double> parseDatumLevel(std::string_view text);

}  // namespace zumenko
