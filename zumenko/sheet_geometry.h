// The sheet as the drawing format record lays it out: every length the drawing uses, named
// once with its unit and the format item it comes from, and the edges derived from them.
#pragma once

#include <array>

#include "zumenko/drawing.h"

namespace zumenko {

// Band items in the order of their row settings (format items 7.1 ... 7.8).
enum BandItem : int {
    kPipeSize,
    kGradient,
    kSectionDistance,
    kGround,
    kCover,
    kInvert,
    kExcavation,
    kDistance
};

// Lengths are paper millimetres (drawn × horizontalScale) unless their name says otherwise;
// heights of band rows and positions y are measured from the sheet's lower edge, positions
// x from its left edge.
struct SheetGeometry {
    explicit SheetGeometry(const common::FormatData& f);

    double widthMm;                // 4.2 sheet width W
    double heightMm;               // 4.3 sheet height T
    double datumGapMm;             // 4.4 top of the band table to the datum line
    double upperRowMm;             // 4.5 height of an upper band row hU
    double rowGapMm;               // 4.6 gap g added to every row pitch of both blocks
    double lowerRowMm;             // 4.7 height of a lower band row hL
    int upperRows;                 // 5.1 nU
    int lowerRows;                 // 5.2 nL
    double headingWidth1Mm;        // 5.3 first heading column c1 (the item's name)
    double headingWidth2Mm;        // 5.4 second heading column c2 (its unit)
    double headingWidth3Mm;        // 5.5 third heading column c3 (the elevation labels), 0 = none
    double triangleOffsetMm;       // 5.6 scale triangle, left of the heading columns' edge
    double triangleHeightMm;       // 5.7
    double triangleWidthMm;        // 6.1
    double triangleBaseMm;         // 6.2 its base above the datum line
    double majorIntervalM;         // 6.3 elevation scale, metres of elevation; 0 = none
    double minorIntervalM;         // 6.4
    double horizontalScale;        // 6.5 H: drawing units per paper millimetre
    double verticalScale;          // 6.6 V
    double headingTextMm;          // 8.1 headings, units and the title
    double valueTextMm;            // 8.3 band values, "i= ", "L= ", scale texts
    double elevationTextMm;        // 8.5 "D.L = " and the elevation labels
    double leaderTextMm;           // 9.1 manhole labels
    double profileHeightMm;        // 9.3 P: profile area above the datum line
    double leaderAngleDeg;         // 9.4
    double leaderLengthMm;         // 10.2 when the leader is not fitted to its label
    double groundToDatumMm;        // 10.1 drop from the lowest ground to the datum line
    double bandLeftMm;             // 10.5 xL; the band ends as far from the right edge
    double outerMarginMm;          // 10.7 outer frame from the sheet edge
    double innerMarginMm;          // 10.8 inner frame from the sheet edge
    double bandBaseMm;             // 13.1 B: lower edge of the band table
    std::array<int, 8> itemRow{};  // 7.1 ... 7.8 band row of each BandItem, 1 = top; 0 = not shown

    // Derived edges.
    double headingRight1Mm;    // x1 = xL + c1
    double headingRight2Mm;    // x2 = x1 + c2
    double headingsRightMm;    // x3 = x2 + c3: the elevation scale's axis
    double bandRightMm;        // xR = W - xL
    double upperBlockBaseMm;   // BU, lower edge of the upper block
    double bandTopMm;          // BT, top of the band table
    double datumLineMm;        // yDL = BT + datum gap
    double unitsPerMetreRise;  // K = H × 1000 / V: drawing units per metre of elevation

    // Lower edge of lower row k (1 ... nL) and of upper row j (0 ... nU - 1).
    double lowerRowBaseMm(int k) const { return bandBaseMm + k * (rowGapMm + lowerRowMm); }
    double upperRowBaseMm(int j) const { return upperBlockBaseMm + j * (upperRowMm + rowGapMm); }
    // Centre of band row r counted from the top (1 ... nU upper, then the lower rows).
    double rowCentreMm(int r) const;
    // The ground-to-DL drop as metres of elevation at the vertical scale.
    double groundToDatumM() const { return groundToDatumMm * verticalScale / 1000; }
    // Left end of the profile: 50 mm right of the heading columns.
    double profileLeftMm() const { return headingsRightMm + 50; }
};

}  // namespace zumenko
