// The stations and spans of the profile in drawing order: upstream first from the source
// tables, downstream first from the mirrored ones.
#pragma once

#include <string>
#include <vector>

#include "common/numtext.h"
#include "zumenko/drawing.h"
#include "zumenko/sheet_geometry.h"

namespace zumenko {

// Station r is a row of the split-point table (FGrid7, or FGrid10 downstream first); the
// span leaving it is split row r (upstream first) or mirrored row r + 1 (downstream first,
// traversed from its end to its start).
struct Stations {
    Stations(const Drawing& d, bool upstreamFirst)
        : fwd(upstreamFirst),
          points(upstreamFirst ? d.fgrid7 : d.fgrid10),
          spans(upstreamFirst ? d.split : d.fgrid12),
          holes(upstreamFirst ? d.manholes : d.fgrid11) {}

    // Station rows: up to the first blank 追加距離.
    int count() const {
        int n = 0;
        while (n < points.dataRows() && !points.text(n + 1, SplitPointCol::Distance).empty()) ++n;
        return n;
    }
    const std::string& distance(int r) const { return points.text(r, SplitPointCol::Distance); }
    double distanceM(int r) const { return common::val(points.text(r, SplitPointCol::Distance)); }
    const std::string& ground(int r) const { return spans.text(r, SplitCol::Ground); }
    const std::string& manhole(int r, int c) const { return holes.text(r, c); }
    bool subPipe(int r) const { return !holes.text(r, ManholeCol::DropPipeMm).empty(); }
    // Distance between station r - 1 and station r.
    double lengthBefore(int r) const {
        return common::val(points.text(fwd ? r - 1 : r, SplitPointCol::Length));
    }
    // The manhole label: number, type and depth.
    std::string label(int r) const {
        return " " + manhole(r, ManholeCol::Number) + "  " + manhole(r, ManholeCol::Type) +
               " h=" + manhole(r, ManholeCol::Depth);
    }

    // Base of the manhole label of each station first ... last, paper mm: the top of the
    // profile area, except that a station closer than 20 m after a manhole with a sub-pipe
    // stands 10 mm below the previous station's, clear of that sub-pipe's label.
    std::vector<double> labelBasesMm(int first, int last, double topMm) const {
        std::vector<double> base;
        for (int r = first; r <= last; ++r) {
            double bc = topMm;
            if (r > first && lengthBefore(r) < 20 && subPipe(r - 1)) bc = base.back() - 10;
            base.push_back(bc);
        }
        return base;
    }

    int spanRow(int r) const { return fwd ? r : r + 1; }
    const std::string& spanLength(int r) const {
        return points.text(spanRow(r), SplitPointCol::Length);
    }
    const std::string& span(int r, int c) const { return spans.text(spanRow(r), c); }
    // The station's split label, such as 3 or 3-1.
    const std::string& splitLabel(int r) const { return points.text(r, SplitPointCol::Label); }
    // Values of the span leaving station r at its left end, of the span arriving at
    // station r at its right end: cover, invert level, excavation depth. Downstream first
    // a span is traversed from its end to its start.
    const std::string& leftValue(int r, BandItem item) const {
        return value(spanRow(r), item, fwd);
    }
    const std::string& rightValue(int r, BandItem item) const {
        return value(spanRow(r - 1), item, !fwd);
    }
    // 起点土被 / 終点土被, 起点管底高 / 終点管底高 of split row s, or 上掘削 / 下掘削 of its
    // manhole.
    const std::string& value(int s, BandItem item, bool atStart) const {
        if (item == kCover)
            return spans.text(s, atStart ? SplitCol::StartCover : SplitCol::EndCover);
        if (item == kInvert)
            return spans.text(s, atStart ? SplitCol::StartInvert : SplitCol::EndInvert);
        return holes.text(s, atStart ? ManholeCol::UpperExcavation : ManholeCol::LowerExcavation);
    }
    // Inverts of the span leaving station r at its left and right ends, metres.
    double leftInvert(int r) const {
        return common::val(span(r, fwd ? SplitCol::StartInvert : SplitCol::EndInvert));
    }
    double rightInvert(int r) const {
        return common::val(span(r, fwd ? SplitCol::EndInvert : SplitCol::StartInvert));
    }

    bool fwd;
    const common::Table& points;
    const common::Table& spans;
    const common::Table& holes;
};

}  // namespace zumenko
