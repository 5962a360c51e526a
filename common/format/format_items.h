// The 91 settings items of the format data: their names, what each holds, and where the
// files keep it (item n is field k of settings line g, both from 1).
#pragma once

#include <array>

namespace common {

// Every item by name; the value is the item number of the format manager's window and of
// the files. Lengths are paper millimetres unless the name says otherwise.
enum class FormatItem : int {
    // Drop-pipe rule ("副管設置設定"): a main pipe of at most limit n mm gets a drop pipe of
    // DropPipe n mm, larger main pipes DropPipe4Mm; a drop pipe is set from DropThresholdMm.
    MainPipeLimit1Mm = 1,
    DropPipe1Mm = 2,
    MainPipeLimit2Mm = 3,
    DropPipe2Mm = 4,
    MainPipeLimit3Mm = 5,
    DropPipe3Mm = 6,
    DropPipe4Mm = 7,
    DropThresholdMm = 8,
    // Sheet ("用紙") and band table.
    SheetStandard = 9,  // "A0" ... "B1"
    SheetWidthMm = 10,
    SheetHeightMm = 11,
    DatumAboveBandMm = 12,  // top of the band table to the datum line
    UpperRowHeightMm = 13,  // band height 1: rows of the upper block
    BandGapMm = 14,         // added to every row pitch of both blocks
    LowerRowHeightMm = 15,  // band height 2
    UpperRowCount = 16,
    LowerRowCount = 17,
    HeadingWidth1Mm = 18,  // the three heading columns left of the band
    HeadingWidth2Mm = 19,
    HeadingWidth3Mm = 20,  // 0: no third column
    // The scale triangle beside the heading columns.
    TriangleOffsetMm = 21,
    TriangleHeightMm = 22,
    TriangleWidthMm = 23,
    TriangleBaseMm = 24,
    MajorTickM = 25,  // elevation scale intervals, metres
    MinorTickM = 26,
    HorizontalScale = 27,  // H of 1:H
    VerticalScale = 28,    // V of 1:V
    // Band row (from the top, 0: not shown) of each band item.
    BandRowOfPipeSize = 29,
    BandRowOfGradient = 30,
    BandRowOfSectionDistance = 31,
    BandRowOfGround = 32,
    BandRowOfCover = 33,
    BandRowOfInvert = 34,
    BandRowOfExcavation = 35,
    BandRowOfDistance = 36,
    // Text heights and aspect ratios ("文字の設定").
    HeadingTextHeightMm = 37,
    HeadingTextAspect = 38,
    ValueTextHeightMm = 39,
    ValueTextAspect = 40,
    ElevationTextHeightMm = 41,
    ElevationTextAspect = 42,
    ScaleTextHeightMm = 43,
    ScaleTextAspect = 44,
    FlagTextHeightMm = 45,
    FlagTextAspect = 46,
    ProfileHeightMm = 47,  // flags stand this high above the datum line
    FlagAngleDeg = 48,
    // Layer names.
    BandLayer = 49,
    TextLayer = 50,
    PipeLayer = 51,
    GroundLayer = 52,
    FrameLayer = 53,
    GroundAboveDatumMm = 54,  // lowest ground to the datum line, at the vertical scale
    FlagLengthMm = 55,
    RouteMarkWidthMm = 56,
    RouteMarkHeightMm = 57,
    BandLeftMm = 58,  // sheet's left edge to the band's
    FlagClearanceMm = 59,
    OuterFrameMarginMm = 60,
    InnerFrameMarginMm = 61,
    // Exclusive choices: the flow arrow, the route-number mark.
    ArrowOn = 62,
    ArrowOff = 63,
    RouteMarkCircle = 64,
    RouteMarkRectangle = 65,
    RouteMarkNone = 66,
    // Check boxes.
    FlagFitsText = 67,
    RouteMarkDoubleLine = 68,
    ChangePointLines = 69,
    DrawOuterFrame = 70,
    DrawInnerFrame = 71,
    BandBottomMm = 72,  // sheet's bottom edge to the band's
    // 73 to 91: reserved, "dummy" in the file.
    FirstReserved = 73,
    LastReserved = 91,
};

inline constexpr int kFormatItemCount = 91;

// How an item is written in the format file: a quoted text, a truth value (one choice of
// a group), a whole number (a check box, 1 or 0), or the reserved text "dummy".
enum class FormatItemKind { Text, Choice, Check, Reserved };

// Fields per settings line: items 1-3, 4-6, 7-8, 9-15, 16-22, 23-28, 29-36, 37-44, 45-53,
// 54-61, 62-66, 67-71, 72-81, 82-91.
inline constexpr std::array<int, 14> kFormatLineSizes{3, 3, 2, 7, 7, 6, 8, 8, 9, 8, 5, 5, 10, 10};

constexpr int itemNumber(FormatItem item) { return static_cast<int>(item); }

constexpr FormatItemKind formatItemKind(int n) {
    if (n >= itemNumber(FormatItem::ArrowOn) && n <= itemNumber(FormatItem::RouteMarkNone))
        return FormatItemKind::Choice;
    if (n >= itemNumber(FormatItem::FlagFitsText) && n <= itemNumber(FormatItem::DrawInnerFrame))
        return FormatItemKind::Check;
    if (n >= itemNumber(FormatItem::FirstReserved)) return FormatItemKind::Reserved;
    return FormatItemKind::Text;
}
constexpr FormatItemKind formatItemKind(FormatItem item) {
    return formatItemKind(itemNumber(item));
}

// Item number of g.k; 0 when the place does not exist.
constexpr int itemAt(int g, int k) {
    if (g < 1 || g > static_cast<int>(kFormatLineSizes.size())) return 0;
    if (k < 1 || k > kFormatLineSizes[static_cast<size_t>(g - 1)]) return 0;
    int n = 0;
    for (int i = 0; i < g - 1; ++i) n += kFormatLineSizes[static_cast<size_t>(i)];
    return n + k;
}

// The exclusive choice groups: the flow arrow, the route-number mark.
inline constexpr std::array<FormatItem, 2> kArrowChoices{FormatItem::ArrowOn, FormatItem::ArrowOff};
inline constexpr std::array<FormatItem, 3> kRouteMarkChoices{
    FormatItem::RouteMarkCircle, FormatItem::RouteMarkRectangle, FormatItem::RouteMarkNone};

// The band items in the order of their band-row items.
inline constexpr std::array<FormatItem, 8> kBandRowItems{
    FormatItem::BandRowOfPipeSize,        FormatItem::BandRowOfGradient,
    FormatItem::BandRowOfSectionDistance, FormatItem::BandRowOfGround,
    FormatItem::BandRowOfCover,           FormatItem::BandRowOfInvert,
    FormatItem::BandRowOfExcavation,      FormatItem::BandRowOfDistance};

}  // namespace common
