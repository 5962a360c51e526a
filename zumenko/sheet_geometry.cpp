// The sheet's lengths read from the drawing format record, and the band's derived edges.
#include "zumenko/sheet_geometry.h"

namespace zumenko {

using Item = common::FormatItem;

SheetGeometry::SheetGeometry(const common::FormatData& f)
    : widthMm(f.number(Item::SheetWidthMm)),
      heightMm(f.number(Item::SheetHeightMm)),
      datumGapMm(f.number(Item::DatumAboveBandMm)),
      upperRowMm(f.number(Item::UpperRowHeightMm)),
      rowGapMm(f.number(Item::BandGapMm)),
      lowerRowMm(f.number(Item::LowerRowHeightMm)),
      upperRows(static_cast<int>(f.number(Item::UpperRowCount))),
      lowerRows(static_cast<int>(f.number(Item::LowerRowCount))),
      headingWidth1Mm(f.number(Item::HeadingWidth1Mm)),
      headingWidth2Mm(f.number(Item::HeadingWidth2Mm)),
      headingWidth3Mm(f.number(Item::HeadingWidth3Mm)),
      triangleOffsetMm(f.number(Item::TriangleOffsetMm)),
      triangleHeightMm(f.number(Item::TriangleHeightMm)),
      triangleWidthMm(f.number(Item::TriangleWidthMm)),
      triangleBaseMm(f.number(Item::TriangleBaseMm)),
      majorIntervalM(f.number(Item::MajorTickM)),
      minorIntervalM(f.number(Item::MinorTickM)),
      horizontalScale(f.number(Item::HorizontalScale)),
      verticalScale(f.number(Item::VerticalScale)),
      headingTextMm(f.number(Item::HeadingTextHeightMm)),
      valueTextMm(f.number(Item::ValueTextHeightMm)),
      elevationTextMm(f.number(Item::ElevationTextHeightMm)),
      leaderTextMm(f.number(Item::FlagTextHeightMm)),
      profileHeightMm(f.number(Item::ProfileHeightMm)),
      leaderAngleDeg(f.number(Item::FlagAngleDeg)),
      leaderLengthMm(f.number(Item::FlagLengthMm)),
      groundToDatumMm(f.number(Item::GroundAboveDatumMm)),
      bandLeftMm(f.number(Item::BandLeftMm)),
      outerMarginMm(f.number(Item::OuterFrameMarginMm)),
      innerMarginMm(f.number(Item::InnerFrameMarginMm)),
      bandBaseMm(f.number(Item::BandBottomMm)) {
    for (int i = 0; i < 8; ++i)
        itemRow[static_cast<size_t>(i)] =
            static_cast<int>(f.number(common::kBandRowItems[static_cast<size_t>(i)]));
    headingRight1Mm = bandLeftMm + headingWidth1Mm;
    headingRight2Mm = headingRight1Mm + headingWidth2Mm;
    headingsRightMm = headingRight2Mm + headingWidth3Mm;
    bandRightMm = widthMm - bandLeftMm;
    upperBlockBaseMm = bandBaseMm + (lowerRows + 1) * (rowGapMm + lowerRowMm);
    bandTopMm = upperBlockBaseMm + upperRows * (upperRowMm + rowGapMm) - rowGapMm;
    datumLineMm = bandTopMm + datumGapMm;
    unitsPerMetreRise = horizontalScale * 1000 / verticalScale;
}

double SheetGeometry::rowCentreMm(int r) const {
    if (r <= upperRows) return bandTopMm - (r - 1) * (upperRowMm + rowGapMm) - upperRowMm / 2;
    return upperBlockBaseMm - rowGapMm - (r - upperRows - 1) * (lowerRowMm + rowGapMm) -
           lowerRowMm / 2;
}

}  // namespace zumenko
