// The sheet as the drawing format record lays it out: every length the drawing uses, named
// once with its unit and the format item it comes from, and the edges derived from them.
#pragma once

#include <array>

#include "zumenko/drawing.h"

namespace zumenko {

// Band items in the order of their row items (common::kBandRowItems).
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
// x from its left edge. Each field names the format item it is read from.
struct SheetGeometry {
    explicit SheetGeometry(const common::FormatData& f);

    double widthMm;           // SheetWidthMm: W
    double heightMm;          // SheetHeightMm: T
    double datumGapMm;        // DatumAboveBandMm: top of the band table to the datum line
    double upperRowMm;        // UpperRowHeightMm: hU, a row of the upper block
    double rowGapMm;          // BandGapMm: g, added to every row pitch of both blocks
    double lowerRowMm;        // LowerRowHeightMm: hL, a row of the lower block
    int upperRows;            // UpperRowCount: nU
    int lowerRows;            // LowerRowCount: nL
    double headingWidth1Mm;   // HeadingWidth1Mm: c1, the items' names
    double headingWidth2Mm;   // HeadingWidth2Mm: c2, their units
    double headingWidth3Mm;   // HeadingWidth3Mm: c3, the elevation labels; 0 = none
    double triangleOffsetMm;  // TriangleOffsetMm: a, scale triangle left of the headings' edge
    double triangleHeightMm;  // TriangleHeightMm: bh
    double triangleWidthMm;   // TriangleWidthMm: bw
    double triangleBaseMm;    // TriangleBaseMm: b0, its base above the datum line
    double majorIntervalM;    // MajorTickM: elevation scale, metres of elevation; 0 = none
    double minorIntervalM;    // MinorTickM: metres of elevation; 0 = none
    double horizontalScale;   // HorizontalScale: H, drawing units per paper millimetre
    double verticalScale;     // VerticalScale: V
    double headingTextMm;     // HeadingTextHeightMm: headings, units and the title
    double valueTextMm;       // ValueTextHeightMm: band values, "i= ", "L= ", scale texts
    double elevationTextMm;   // ElevationTextHeightMm: "D.L = " and the elevation labels
    double leaderTextMm;      // FlagTextHeightMm: manhole labels
    double profileHeightMm;   // ProfileHeightMm: P, profile area above the datum line
    double leaderAngleDeg;    // FlagAngleDeg: degrees
    double leaderLengthMm;    // FlagLengthMm: when the leader is not fitted to its label
    double groundToDatumMm;   // GroundAboveDatumMm: lowest ground to the datum line
    double bandLeftMm;        // BandLeftMm: xL; the band ends as far from the right edge
    double outerMarginMm;     // OuterFrameMarginMm: outer frame from the sheet edge
    double innerMarginMm;     // InnerFrameMarginMm: inner frame from the sheet edge
    double bandBaseMm;        // BandBottomMm: B, lower edge of the band table
    // BandRowOfPipeSize ... BandRowOfDistance: band row of each BandItem, 1 = the top row;
    // 0 = not shown.
    std::array<int, 8> itemRow{};

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
