// The sheet set: stretches chosen greedily from the left, each as long as its sheet's frame
// allows, with a datum level that keeps its ground and pipes in the profile area.
#include "zumenko/sheet_set.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/numtext.h"
#include "zumenko/layout.h"
#include "zumenko/script_writer.h"
#include "zumenko/sections.h"
#include "zumenko/sheet_geometry.h"
#include "zumenko/stations.h"
#include "zumenko/text_layout.h"

namespace zumenko {
namespace {

// A thousandth of a drawing millimetre: the rounding of the numbers the script writes.
constexpr double kTolerance = 1e-3;

// The ground points of the stretch's ground line: distance and level, metres.
struct GroundPoint {
    double distanceM;
    double levelM;
};

std::vector<GroundPoint> groundPoints(const Drawing& doc, const Stations& p, int first, int last) {
    // The table and the half-millimetre window the layout-directed ground line uses.
    const common::Table& t = p.fwd ? doc.fgrid5 : doc.fgrid14;
    const double from = p.distanceM(first) - 0.0005, to = p.distanceM(last) + 0.0005;
    std::vector<GroundPoint> out;
    for (int r = 1; r <= t.dataRows() && !t.text(r, common::kKeyCol).empty(); ++r) {
        double d = common::val(t.text(r, GroundPointCol::Distance));
        if (d >= from && d <= to)
            out.push_back({d, common::val(t.text(r, GroundPointCol::Ground))});
    }
    return out;
}

// A drawn pipe: its lowest and highest line at its left and right station, metres.
struct PipeEnds {
    int left;  // the station it leaves
    double bottomL, bottomR, topL, topR;
};

std::vector<PipeEnds> pipes(const Drawing& doc, const DrawOptions& opt, const Stations& p,
                            int first, int last) {
    std::vector<PipeEnds> out;
    Section sec;
    for (int r = first; r < last; ++r) {
        // A code without a match keeps the previous span's section, as drawn.
        if (auto s = lookUpSection(doc, p.span(r, SplitCol::PipeCode))) sec = *s;
        if (p.span(r, SplitCol::Label) == doc.settings.outletRoute) continue;
        const double below = opt.pipeWall ? sec.wB : 0, above = sec.d + (opt.pipeWall ? sec.wT : 0);
        const double ia = p.leftInvert(r), ib = p.rightInvert(r);
        out.push_back({r, ia - below, ib - below, ia + above, ib + above});
    }
    return out;
}

// The station a ground point at distance d belongs to: the last one at or before it.
int stationAt(const Stations& p, int first, int last, double d) {
    int r = first;
    while (r < last && p.distanceM(r + 1) <= d + 0.0005) ++r;
    return r;
}

// The lowest ground point or pipe bottom of the stretch, metres.
double lowestLevel(const Drawing& doc, const DrawOptions& opt, const Stations& p, int first,
                   int last) {
    bool any = false;
    double lowest = 0;
    auto take = [&](double v) {
        lowest = any ? std::min(lowest, v) : v;
        any = true;
    };
    for (const auto& gp : groundPoints(doc, p, first, last)) take(gp.levelM);
    for (const auto& pe : pipes(doc, opt, p, first, last)) {
        take(pe.bottomL);
        take(pe.bottomR);
    }
    return lowest;
}

std::vector<int> outsideStations(const Drawing& doc, const DrawOptions& opt, const Stations& p,
                                 int first, int last, double dl) {
    const SheetGeometry g(doc.format);
    const double metresPerMm = g.verticalScale / 1000;
    const double top = dl + g.profileHeightMm * metresPerMm;
    // The lowest label of each station, as an elevation: the ground stays below it.
    const std::vector<double> bases =
        p.labelBasesMm(first, last, g.datumLineMm + g.profileHeightMm);
    auto labelFloor = [&](int r) {
        double base = bases[static_cast<size_t>(r - first)] - (p.subPipe(r) ? 10 : 0);
        return dl + (base - g.datumLineMm) * metresPerMm;
    };
    std::vector<int> out;
    auto mark = [&](int r) {
        if (std::find(out.begin(), out.end(), r) == out.end()) out.push_back(r);
    };
    const double eps = 1e-9;
    for (const auto& gp : groundPoints(doc, p, first, last)) {
        int r = stationAt(p, first, last, gp.distanceM);
        if (gp.levelM < dl - eps || gp.levelM > labelFloor(r) + eps) mark(r);
    }
    for (const auto& pe : pipes(doc, opt, p, first, last)) {
        if (pe.bottomL < dl - eps || pe.topL > top + eps) mark(pe.left);
        if (pe.bottomR < dl - eps || pe.topR > top + eps) mark(pe.left + 1);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The stretch drawn as one sheet with datum level dl: whether the stations' own elements
// stand inside the frame, and the box of the ground line and pipes, the only elements a
// datum level moves.
struct Trial {
    bool stationsInside = true;
    Box levels;
    Box frame;
};

Trial drawTrial(const Drawing& doc, const DrawOptions& opt, int first, int last, double dl) {
    Figure figure;
    SheetStretch sheet;
    sheet.first = first;
    sheet.last = last;
    sheet.datumLevel = dl;
    const SheetParts parts = drawSheet(doc, opt, sheet, figure);
    // The frame, band and scales are the sheet's own; only the stations can run past the
    // frame: to the right, or up when the stretch climbs more than the sheet holds.
    Trial t;
    t.frame = figure.sheets.front().frame;
    for (size_t i = parts.stationsFrom; i < parts.levelsFrom && t.stationsInside; ++i)
        t.stationsInside = t.frame.contains(elementBox(figure.elements[i]), kTolerance);
    for (size_t i = parts.levelsFrom; i < figure.elements.size(); ++i)
        t.levels.add(elementBox(figure.elements[i]));
    return t;
}

bool inside(const Trial& t) { return t.stationsInside && t.frame.contains(t.levels, kTolerance); }

// The datum level that keeps the stretch inside its sheet's frame, nullopt when none does:
// the rule's (the lowest ground or pipe bottom less the ground-to-DL drop, rounded down to
// 5 m). A deep line can rise past the frame's top from there: then the lowest multiple of
// 5 m, or else of a metre, that brings its ground line below the top while its lowest
// ground or pipe still stands on the datum line.
std::optional<double> fittingDatum(const Drawing& doc, const DrawOptions& opt, const Stations& p,
                                   int first, int last) {
    const SheetGeometry g(doc.format);
    const double lowest = lowestLevel(doc, opt, p, first, last);
    const double rule = floorToFive(lowest - g.groundToDatumM());
    const Trial t = drawTrial(doc, opt, first, last, rule);
    if (!t.stationsInside) return std::nullopt;
    if (t.frame.contains(t.levels, kTolerance)) return rule;
    if (t.levels.minX < t.frame.minX - kTolerance || t.levels.maxX > t.frame.maxX + kTolerance)
        return std::nullopt;
    // A higher datum level draws the levels lower by K per metre.
    const double need = rule + (t.levels.maxY - t.frame.maxY) / g.unitsPerMetreRise;
    for (double step : {5.0, 1.0}) {
        const double dl = std::ceil(need / step - 1e-9) * step + 0.0;
        if (dl <= lowest + 1e-9) return dl;
    }
    return std::nullopt;
}

// The last station of the longest run from s that fits its sheet (s + 1 when not even
// that one span does).
int longestFit(const Drawing& doc, const DrawOptions& opt, const Stations& p, int s, int n) {
    int good = s + 1;
    if (!fittingDatum(doc, opt, p, s, good)) return good;
    // No station further from the stretch's start than the frame is wide can fit.
    const SheetGeometry g(doc.format);
    const double reachM = (g.widthMm - g.profileLeftMm()) * g.horizontalScale / 1000;
    int bad = good + 1;
    while (bad <= n && p.distanceM(bad) - p.distanceM(s) <= reachM) ++bad;
    // Each station more only adds to what must fit: search the last that does.
    while (bad - good > 1) {
        int mid = good + (bad - good) / 2;
        (fittingDatum(doc, opt, p, s, mid) ? good : bad) = mid;
    }
    return good;
}

}  // namespace

bool stretchFits(const Drawing& doc, const DrawOptions& opt, int first, int last) {
    return fittingDatum(doc, opt, Stations(doc, opt.upstreamToDownstream), first, last).has_value();
}

SheetSet planSheets(const Drawing& doc, const DrawOptions& opt) {
    SheetSet set;
    const Stations p(doc, opt.upstreamToDownstream);
    const int n = p.count();
    set.stations = n;
    if (n < 2) return set;
    const SheetGeometry g(doc.format);
    int s = 1;
    while (s < n) {
        SetSheet sheet;
        sheet.first = s;
        sheet.fits = fittingDatum(doc, opt, p, s, s + 1).has_value();
        const int good = longestFit(doc, opt, p, s, n);
        sheet.last = good;
        sheet.lengthM = p.distanceM(good) - p.distanceM(s);
        sheet.datumLevel =
            fittingDatum(doc, opt, p, s, good)
                .value_or(floorToFive(lowestLevel(doc, opt, p, s, good) - g.groundToDatumM()));
        sheet.outside = outsideStations(doc, opt, p, s, good, sheet.datumLevel);
        set.sheets.push_back(std::move(sheet));
        s = good;
    }
    return set;
}

std::string sheetTitleSuffix(size_t k, size_t n) {
    if (n <= 1) return {};
    return "（" + std::to_string(k) + "／" + std::to_string(n) + "）";
}

Figure drawSheetSet(const Drawing& doc, const DrawOptions& opt, const SheetSet& set) {
    const SheetGeometry g(doc.format);
    Figure figure;
    const size_t n = set.sheets.size();
    for (size_t k = 0; k < n; ++k) {
        const SetSheet& s = set.sheets[k];
        // Without frames the title goes on layer 0, on every sheet as on the first.
        if (k > 0 && !opt.frame) figure.selectLayer("0");
        SheetStretch stretch;
        stretch.first = s.first;
        stretch.last = s.last;
        stretch.datumLevel = s.datumLevel;
        stretch.xOffset = static_cast<double>(k) * (g.widthMm + kSheetGapMm) * g.horizontalScale;
        stretch.titleSuffix = sheetTitleSuffix(k + 1, n);
        drawSheet(doc, opt, stretch, figure);
    }
    return figure;
}

Figure drawSetSheet(const Drawing& doc, const DrawOptions& opt, const SheetSet& set, size_t k) {
    Figure figure;
    if (k >= set.sheets.size()) return figure;
    const SetSheet& s = set.sheets[k];
    SheetStretch stretch;
    stretch.first = s.first;
    stretch.last = s.last;
    stretch.datumLevel = s.datumLevel;
    stretch.titleSuffix = sheetTitleSuffix(k + 1, set.sheets.size());
    drawSheet(doc, opt, stretch, figure);
    return figure;
}

int stationNumber(const SheetSet& set, const DrawOptions& opt, int row) {
    return opt.upstreamToDownstream ? row : set.stations + 1 - row;
}

ScriptResult drawSheetSetScript(const Drawing& doc, const DrawOptions& opt) {
    ScriptResult res;
    if ((res.error = checkDrawingFormat(doc))) return res;
    const SheetSet set = planSheets(doc, opt);
    if (set.sheets.empty()) {
        res.error = DrawError{kLayoutTitle, kNoStretchText};
        return res;
    }
    res.figure = drawSheetSet(doc, opt, set);
    if ((res.error = checkDrawable(res.figure))) return res;
    res.text = writeScript(res.figure);
    return res;
}

std::optional<std::string> layoutFitWarning(const Drawing& doc, const DrawOptions& opt) {
    const Stations p(doc, opt.upstreamToDownstream);
    const int n = p.count();
    if (checkDrawingFormat(doc) || opt.startNo < 1 || opt.startNo >= opt.endNo || opt.endNo > n)
        return std::nullopt;
    // The stretch in drawing order: downstream first it starts at the end number.
    const int first = opt.upstreamToDownstream ? opt.startNo : n + 1 - opt.endNo;
    const int last = opt.upstreamToDownstream ? opt.endNo : n + 1 - opt.startNo;
    if (inside(drawTrial(doc, opt, first, last, opt.datumLevel))) return std::nullopt;
    const int stations = last - first + 1;
    const int good = longestFit(doc, opt, p, first, n);
    if (!fittingDatum(doc, opt, p, first, first + 1))
        return "選んだ区間は用紙の枠に収まりません。最初のスパンだけでも枠からはみ出します。";
    if (good >= last) {
        const auto dl = fittingDatum(doc, opt, p, first, last);
        return "選んだ区間は ＤＬ " + common::formatGeneral(opt.datumLevel) +
               " m では用紙の枠に収まりません。ＤＬ " + common::formatGeneral(dl.value_or(0)) +
               " m なら " + std::to_string(stations) + " 測点すべてが収まります。";
    }
    const int k = good - first + 1;
    const int from = opt.upstreamToDownstream ? opt.startNo : opt.endNo - k + 1;
    const int to = opt.upstreamToDownstream ? opt.startNo + k - 1 : opt.endNo;
    return "選んだ区間の " + std::to_string(stations) +
           " 測点は用紙の枠に収まりません。枠に収まるのは " + std::to_string(k) +
           " 測点（起点番号 " + std::to_string(from) + "～終点番号 " + std::to_string(to) +
           "）までです。";
}

}  // namespace zumenko
