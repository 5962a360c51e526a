// The sheet's lengths read from the drawing format record, and the band's derived edges.
#include "zumenko/sheet_geometry.h"

namespace zumenko {

SheetGeometry::SheetGeometry(const common::FormatData& f)
    : widthMm(f.number(4, 2)),
      heightMm(f.number(4, 3)),
      datumGapMm(f.number(4, 4)),
      upperRowMm(f.number(4, 5)),
      rowGapMm(f.number(4, 6)),
      lowerRowMm(f.number(4, 7)),
      upperRows(static_cast<int>(f.number(5, 1))),
      lowerRows(static_cast<int>(f.number(5, 2))),
      headingWidth1Mm(f.number(5, 3)),
      headingWidth2Mm(f.number(5, 4)),
      headingWidth3Mm(f.number(5, 5)),
      triangleOffsetMm(f.number(5, 6)),
      triangleHeightMm(f.number(5, 7)),
      triangleWidthMm(f.number(6, 1)),
      triangleBaseMm(f.number(6, 2)),
      majorIntervalM(f.number(6, 3)),
      minorIntervalM(f.number(6, 4)),
      horizontalScale(f.number(6, 5)),
      verticalScale(f.number(6, 6)),
      headingTextMm(f.number(8, 1)),
      valueTextMm(f.number(8, 3)),
      elevationTextMm(f.number(8, 5)),
      leaderTextMm(f.number(9, 1)),
      profileHeightMm(f.number(9, 3)),
      leaderAngleDeg(f.number(9, 4)),
      leaderLengthMm(f.number(10, 2)),
      groundToDatumMm(f.number(10, 1)),
      bandLeftMm(f.number(10, 5)),
      outerMarginMm(f.number(10, 7)),
      innerMarginMm(f.number(10, 8)),
      bandBaseMm(f.number(13, 1)) {
    for (int i = 0; i < 8; ++i)
        itemRow[static_cast<size_t>(i)] = static_cast<int>(f.number(7, i + 1));
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
