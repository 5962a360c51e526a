// The profile drawing: frame, title, band table, scales, stations, labels, band values,
// ground line and pipes, as a drawing model; the script is written from it.
#include "zumenko/script.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "common/numtext.h"
#include "zumenko/drawable.h"
#include "zumenko/layout.h"
#include "zumenko/script_writer.h"
#include "zumenko/sections.h"
#include "zumenko/sheet_geometry.h"
#include "zumenko/stations.h"

namespace zumenko {
namespace {

using Item = common::FormatItem;

constexpr int kMaxBandRows = 20;
constexpr long kMaxTicks = 10000;

constexpr std::array<const char*, 8> kHeadings{"管　　径", "勾　　配", "区間距離", "地 盤 高",
                                               "土　　被", "管 底 高", "掘 削 深", "追加距離"};
constexpr std::array<const char*, 8> kUnits{"ＭＭ", "‰", "Ｍ", "Ｍ", "Ｍ", "Ｍ", "Ｍ", "Ｍ"};

std::string num(double x) { return common::formatGeneral(x); }

// A band value with the mask of its digit setting; other settings give the general form.
std::string bandValue(const std::string& text, const std::string& digit) {
    double v = common::val(text);
    if (digit == "1") return common::formatMask(v, 1);
    if (digit == "2") return common::formatMask(v, 2);
    if (digit == "3") return common::formatMask(v, 3);
    return common::formatGeneral(v);
}

struct Range {
    int first = 1;
    int last = 0;
    int spanEnd = 0;  // a station below this row has a leaving span
    bool automatic = false;
    double dl = 0;
    std::string dlText;
};

Range rangeOf(const Drawing& doc, const DrawOptions& opt) {
    Range rg;
    rg.automatic = opt.automatic;
    if (opt.automatic) {
        rg.first = 1;
        rg.last = Stations(doc, opt.upstreamToDownstream).count();
        rg.spanEnd = (opt.upstreamToDownstream ? doc.fgrid7 : doc.fgrid10).dataRows();
        rg.dl = automaticDatumLevel(doc, opt.upstreamToDownstream);
        rg.dlText = num(rg.dl);
    } else {
        int n = stationCount(doc);
        rg.first = opt.upstreamToDownstream ? opt.startNo : n + 1 - opt.endNo;
        rg.last = opt.upstreamToDownstream ? opt.endNo : n + 1 - opt.startNo;
        rg.spanEnd = rg.last;
        rg.dl = opt.datumLevel;
        rg.dlText = opt.datumText.empty() ? num(opt.datumLevel) : opt.datumText;
    }
    return rg;
}

// Draws one sheet into the figure: frame, title, band, scales, then the stations of the
// range. Sheet lengths are paper millimetres (drawn × H), distances along the line metres
// (× 1000), elevations metres (× K).
class Generator {
public:
    Generator(const Drawing& doc, const DrawOptions& opt, Figure& out, double xOffset = 0)
        : doc_(doc), opt_(opt), s_(doc.format), f_(doc.format), out_(out), xOffset_(xOffset) {}

    void run(const Range& rg, std::string_view titleSuffix = {}) {
        out_.scale = H();
        sheetArea();
        if (opt_.frame) frame();
        title(titleSuffix);
        band();
        scaleTriangle();
        headings();
        Stations p(doc_, opt_.upstreamToDownstream);
        // A chosen stretch starts at the left of the sheet like the whole line does; drawn
        // at its distance along the line it would stand beside the sheet, off its band.
        if (!rg.automatic) origin_ = p.distanceM(rg.first);
        elevationScale(rg);
        parts_.stationsFrom = out_.elements.size();
        stations(p, rg);
        parts_.levelsFrom = out_.elements.size();
        groundLine(rg);
        pipes(p, rg);
    }

    const SheetParts& parts() const { return parts_; }

private:
    double H() const { return s_.horizontalScale; }
    double X(double dM) const {
        return xOffset_ + (s_.profileLeftMm() * s_.horizontalScale + (dM - origin_) * 1000);
    }
    double Y(double eM) const {
        return s_.datumLineMm * s_.horizontalScale + (eM - dl_) * s_.unitsPerMetreRise;
    }
    // A point of the sheet given in paper millimetres, and one in drawing units.
    Point paper(double x, double y) const { return {xOffset_ + x * H(), y * H()}; }
    Point at(double x, double y) const { return {x, y}; }
    void paperSeg(double x1, double y1, double x2, double y2) {
        out_.segment(paper(x1, y1), paper(x2, y2));
    }
    void seg(double x1, double y1, double x2, double y2) { out_.segment({x1, y1}, {x2, y2}); }
    void text(Justify j, Point p, double h, double angle, std::string t, int breaks = 1) {
        out_.text(Text{p, j, h, angle, std::move(t), breaks});
    }

    static constexpr Justify kTopLeft{HAlign::Left, VAlign::Top};
    static constexpr Justify kMiddle{HAlign::Center, VAlign::Middle};
    static constexpr Justify kBottomRight{HAlign::Right, VAlign::Bottom};
    static constexpr Justify kBottomLeft{HAlign::Left, VAlign::Bottom};
    static constexpr Justify kBottomCentre{HAlign::Center, VAlign::Bottom};

    void sheetArea() {
        SheetArea area;
        area.border.add(paper(0, 0));
        area.border.add(paper(s_.widthMm, s_.heightMm));
        area.frame = area.border;
        if (opt_.frame) {
            // The innermost frame drawn holds the drawing.
            double m = -1;
            if (f_.text(Item::DrawOuterFrame) == "1") m = s_.outerMarginMm;
            if (f_.text(Item::DrawInnerFrame) == "1") m = std::max(m, s_.innerMarginMm);
            if (m >= 0) {
                area.frame = Box{};
                area.frame.add(paper(m, m));
                area.frame.add(paper(s_.widthMm - m, s_.heightMm - m));
            }
        }
        out_.sheets.push_back(area);
    }

    void frameAt(double m) {
        const double W = s_.widthMm, T = s_.heightMm;
        paperSeg(m, m, W - m, m);
        paperSeg(m, m, m, T - m);
        paperSeg(m, T - m, W - m, T - m);
        paperSeg(W - m, m, W - m, T - m);
    }

    void frame() {
        out_.selectLayer("DefPoints");
        const double W = s_.widthMm, T = s_.heightMm;
        paperSeg(0, 0, W, 0);
        paperSeg(0, 0, 0, T);
        paperSeg(0, T, W, T);
        paperSeg(W, 0, W, T);
        out_.selectLayer(f_.text(Item::FrameLayer));
        if (f_.text(Item::DrawOuterFrame) == "1") frameAt(s_.outerMarginMm);
        if (f_.text(Item::DrawInnerFrame) == "1") frameAt(s_.innerMarginMm);
    }

    void title(std::string_view suffix) {
        const double th = s_.headingTextMm;
        text(kTopLeft, paper(s_.innerMarginMm + 2 * th, s_.heightMm - s_.innerMarginMm - 2 * th),
             th * H(), 0, doc_.settings.projectName + std::string(suffix), 2);
    }

    void bandEdges(double y) {
        paperSeg(s_.bandLeftMm, y, s_.headingRight2Mm, y);
        paperSeg(s_.headingsRightMm, y, s_.bandRightMm, y);
    }

    void bandRow(double y0, double h) {
        bandEdges(y0);
        for (double x : {s_.bandLeftMm, s_.headingRight1Mm, s_.headingRight2Mm})
            paperSeg(x, y0, x, y0 + h);
        if (s_.headingWidth3Mm != 0) paperSeg(s_.headingsRightMm, y0, s_.headingsRightMm, y0 + h);
        paperSeg(s_.bandRightMm, y0, s_.bandRightMm, y0 + h);
        if (s_.rowGapMm != 0) bandEdges(y0 + h);
    }

    void band() {
        out_.selectLayer(f_.text(Item::BandLayer));
        for (int k = 1; k <= s_.lowerRows; ++k) bandRow(s_.lowerRowBaseMm(k), s_.lowerRowMm);
        for (int j = 0; j < s_.upperRows; ++j) bandRow(s_.upperRowBaseMm(j), s_.upperRowMm);
        if (s_.rowGapMm == 0) {
            // Rows share their edges; only the topmost row still needs its top.
            if (s_.upperRows > 0)
                bandEdges(s_.upperRowBaseMm(s_.upperRows - 1) + s_.upperRowMm);
            else if (s_.lowerRows > 0)
                bandEdges(s_.lowerRowBaseMm(s_.lowerRows) + s_.lowerRowMm);
        }
        paperSeg(s_.bandLeftMm, s_.datumLineMm, s_.bandRightMm, s_.datumLineMm);
    }

    void scaleTriangle() {
        const double xs = s_.headingsRightMm - s_.triangleOffsetMm,
                     yb = s_.datumLineMm + s_.triangleBaseMm;
        const double bw = s_.triangleWidthMm, bh = s_.triangleHeightMm, tv = s_.valueTextMm;
        paperSeg(xs - bw, yb, xs, yb);
        paperSeg(xs, yb, xs, yb + bh);
        paperSeg(xs - bw, yb, xs, yb + bh);
        text(kMiddle, paper(xs - bw / 2, yb - tv), tv * H(), 0,
             "H=1:" + f_.text(Item::HorizontalScale), 2);
        text(kMiddle, paper(xs + tv, yb + bh / 2), tv * H(), 90,
             "V=1:" + f_.text(Item::VerticalScale), 2);
    }

    void headings() {
        out_.selectLayer(f_.text(Item::TextLayer));
        const double th = s_.headingTextMm;
        for (size_t i = 0; i < 8; ++i) {
            int r = s_.itemRow[i];
            if (r == 0) continue;
            double y = s_.rowCentreMm(r);
            text(kMiddle, paper(s_.bandLeftMm + s_.headingWidth1Mm / 2, y), th * H(), 0,
                 kHeadings[i]);
            text(kMiddle, paper(s_.headingRight1Mm + s_.headingWidth2Mm / 2 + 1, y), th * H(), 0,
                 kUnits[i]);
        }
    }

    void elevationScale(const Range& rg) {
        dl_ = rg.dl;
        out_.selectLayer(f_.text(Item::BandLayer));
        const double x3 = s_.headingsRightMm, yDL = s_.datumLineMm, V = s_.verticalScale;
        const double im = s_.majorIntervalM, im2 = s_.minorIntervalM, P = s_.profileHeightMm;
        paperSeg(x3, yDL, x3, yDL + P);
        // A datum level ending in 5 moves the major ticks down by half an interval.
        const bool shifted = !rg.dlText.empty() && rg.dlText.back() == '5';
        long majors = 0;
        // Height above DL (metres) and elevation of major tick i.
        auto rise = [&](long i) { return shifted ? i * im - im / 2 : i * im; };
        auto level = [&](long i) { return shifted ? dl_ + i * im - im / 2 : dl_ + i * im; };
        if (im != 0) {
            majors = static_cast<long>(std::floor(P / (im * 1000 / V)));
            for (long i = 1; i <= majors; ++i) {
                double yT = yDL + rise(i) * 1000 / V;
                paperSeg(x3 - 20, yT, x3, yT);
            }
        }
        if (im2 != 0) {
            long n = static_cast<long>(std::floor(P / (im2 * 1000 / V)));
            for (long i = 1; i <= n; ++i) {
                double yT = yDL + i * im2 * 1000 / V;
                paperSeg(x3 - 5, yT, x3, yT);
            }
        }
        if (im != 0) {
            const double x = x3 - s_.headingWidth3Mm / 2, h = s_.elevationTextMm * H();
            text(kBottomRight, paper(x, yDL), h, 0, "D.L = " + common::formatMask(dl_, 2) + "m");
            for (long i = 1; i <= majors; ++i)
                text(kBottomRight, paper(x, yDL + rise(i) * 1000 / V), h, 0, num(level(i)));
        }
    }

    void stations(const Stations& p, const Range& rg) {
        const double yDL = s_.datumLineMm, top = yDL + s_.profileHeightMm;
        const double theta = s_.leaderAngleDeg * 3.1415 / 180;
        const double tl = s_.leaderTextMm;
        const std::vector<double> base = p.labelBasesMm(rg.first, rg.last, top);
        for (int r = rg.first; r <= rg.last; ++r) {
            const double X = this->X(p.distanceM(r));
            for (int k = 2; k <= s_.lowerRows; ++k)
                seg(X, (s_.lowerRowBaseMm(k) - s_.rowGapMm) * H(), X, s_.lowerRowBaseMm(k) * H());
            for (int j = 0; j < s_.upperRows; ++j)
                seg(X, s_.upperRowBaseMm(j) * H(), X, (s_.upperRowBaseMm(j) + s_.upperRowMm) * H());
            const double bc = base[static_cast<size_t>(r - rg.first)];
            seg(X, yDL * H(), X, bc * H());
            double L = s_.leaderLengthMm;
            if (f_.text(Item::FlagFitsText) == "1") {
                std::string label = p.manhole(r, ManholeCol::Number) + " " +
                                    p.manhole(r, ManholeCol::Type) +
                                    " h=" + p.manhole(r, ManholeCol::Depth);
                L = tl * static_cast<double>(characters(label)) * 0.8;
            }
            const double dx = L * std::cos(theta) * H();
            seg(X, top * H(), X + dx, (top + L * std::sin(theta)) * H());
            if (p.subPipe(r))
                seg(X, (top - 10) * H(), X + dx, (top - 10 + L * std::sin(theta)) * H());
        }

        out_.selectLayer(f_.text(Item::TextLayer));
        for (int r = rg.first; r <= rg.last; ++r) {
            const double X = this->X(p.distanceM(r));
            const double bc = base[static_cast<size_t>(r - rg.first)];
            text(kBottomLeft, at(X, bc * H()), tl * H(), 30, p.label(r));
            if (p.subPipe(r))
                text(kBottomLeft, at(X, (bc - 10) * H()), tl * H(), 30,
                     "   副管φ" + p.manhole(r, ManholeCol::DropPipeMm) +
                         " h=" + p.manhole(r, ManholeCol::Drop));
        }

        sizes_ = spanSections(doc_, p, rg);
        for (int r = rg.first; r <= rg.last; ++r) {
            const double X = this->X(p.distanceM(r));
            if (r < rg.spanEnd && !p.spanLength(r).empty())
                spanTexts(p, r, X, sizes_[static_cast<size_t>(r - rg.first)]);
            stationValues(p, rg, r, X);
        }
    }

    // Sections of the span leaving each station of the range, a code without a match
    // keeping the previous span's.
    static std::vector<Section> spanSections(const Drawing& doc, const Stations& p,
                                             const Range& rg) {
        std::vector<Section> out;
        Section cur;
        for (int r = rg.first; r <= rg.last; ++r) {
            if (auto s = lookUpSection(doc, p.span(r, SplitCol::PipeCode))) cur = *s;
            out.push_back(cur);
        }
        return out;
    }

    void spanTexts(const Stations& p, int r, double X, const Section& sec) {
        const double x = X + common::val(p.spanLength(r)) / 2 * 1000, h = s_.valueTextMm * H();
        const double yDL = s_.datumLineMm;
        text(kBottomCentre, at(x, yDL * H()), h, 0, p.span(r, SplitCol::Label));
        const std::string size = "φ" + num(sec.d * 1000);
        const std::string& grad = p.span(r, SplitCol::Gradient);
        const std::string& dist = p.span(r, SplitCol::Length);
        if (s_.upperRows != 0) {
            auto put = [&](BandItem item, std::string t) {
                int row = s_.itemRow[item];
                if (row != 0) text(kMiddle, at(x, s_.rowCentreMm(row) * H()), h, 0, std::move(t));
            };
            put(kPipeSize, size);
            if (!grad.empty()) put(kGradient, bandValue(grad, doc_.digit(kDigitGradient)));
            if (!dist.empty()) put(kSectionDistance, bandValue(dist, doc_.digit(kDigitDistance)));
        } else {
            text(kMiddle, at(x, (yDL + 25) * H()), h, 0, size);
            if (!grad.empty())
                text(kMiddle, at(x, (yDL + 20) * H()), h, 0,
                     "i= " + bandValue(grad, doc_.digit(kDigitGradient)));
            if (!dist.empty())
                text(kMiddle, at(x, (yDL + 15) * H()), h, 0,
                     "L= " + bandValue(dist, doc_.digit(kDigitDistance)));
        }
    }

    void stationValues(const Stations& p, const Range& rg, int r, double X) {
        const double h = s_.valueTextMm * H(), off = 0.6 * s_.valueTextMm * H();
        auto lone = [&](BandItem item, const std::string& value, Digit digit) {
            int row = s_.itemRow[item];
            if (row == 0 || value.empty()) return;
            text(kMiddle, at(X, s_.rowCentreMm(row) * H()), h, 90,
                 bandValue(value, doc_.digit(digit)));
        };
        auto pair = [&](BandItem item, Digit digit) {
            int row = s_.itemRow[item];
            if (row == 0) return;
            const std::string empty;
            const std::string& leaving = r < rg.spanEnd ? p.leftValue(r, item) : empty;
            const std::string& arriving = r > rg.first ? p.rightValue(r, item) : empty;
            const bool both = !leaving.empty() && !arriving.empty();
            const double y = s_.rowCentreMm(row) * H();
            if (!leaving.empty())
                text(kMiddle, at(both ? X + off : X, y), h, 90,
                     bandValue(leaving, doc_.digit(digit)));
            if (!arriving.empty())
                text(kMiddle, at(both ? X - off : X, y), h, 90,
                     bandValue(arriving, doc_.digit(digit)));
        };
        lone(kGround, p.ground(r), kDigitGround);
        pair(kCover, kDigitCover);
        pair(kInvert, kDigitInvert);
        pair(kExcavation, kDigitExcavation);
        lone(kDistance, p.distance(r), kDigitDistance);
    }

    void groundLine(const Range& rg) {
        out_.selectLayer(f_.text(Item::GroundLayer));
        const bool fwd = opt_.upstreamToDownstream;
        const common::Table& t =
            rg.automatic ? (fwd ? doc_.fgrid8 : doc_.fgrid13) : (fwd ? doc_.fgrid5 : doc_.fgrid14);
        const int dc =
            rg.automatic ? int{ProfilePointCol::Distance} : int{GroundPointCol::Distance};
        const int gc = rg.automatic ? int{ProfilePointCol::Ground} : int{GroundPointCol::Ground};
        // A point on the stretch's ends belongs to it; the half millimetre absorbs the
        // rounding of distances summed separately in the mirrored tables.
        const common::Table& pts = fwd ? doc_.fgrid7 : doc_.fgrid10;
        const double from = common::val(pts.text(rg.first, SplitPointCol::Distance)) - 0.0005;
        const double to = common::val(pts.text(rg.last, SplitPointCol::Distance)) + 0.0005;
        bool have = false;
        double d0 = 0, g0 = 0;
        for (int r = 1; r <= t.dataRows() && !t.text(r, common::kKeyCol).empty(); ++r) {
            double d = common::val(t.text(r, dc)), gl = common::val(t.text(r, gc));
            if (!rg.automatic && (d < from || d > to)) continue;
            if (have) seg(X(d0), Y(g0), X(d), Y(gl));
            have = true;
            d0 = d;
            g0 = gl;
        }
    }

    void pipes(const Stations& p, const Range& rg) {
        out_.selectLayer(f_.text(Item::PipeLayer));
        for (int r = rg.first; r < rg.last; ++r) {
            if (p.span(r, SplitCol::Label) == doc_.settings.outletRoute) continue;
            const Section& sec = sizes_[static_cast<size_t>(r - rg.first)];
            const double xa = X(p.distanceM(r)), xb = X(p.distanceM(r + 1));
            // Left and right inverts: the span's start and end, or its end and start mirrored.
            const double ia = p.leftInvert(r), ib = p.rightInvert(r);
            seg(xa, Y(ia), xb, Y(ib));
            seg(xa, Y(ia + sec.d), xb, Y(ib + sec.d));
            if (opt_.pipeWall) {
                seg(xa, Y(ia - sec.wB), xb, Y(ib - sec.wB));
                seg(xa, Y(ia + sec.d + sec.wT), xb, Y(ib + sec.d + sec.wT));
            }
        }
    }

    static size_t characters(const std::string& s) {
        size_t n = 0;
        for (unsigned char c : s)
            if ((c & 0xC0) != 0x80) ++n;
        return n;
    }

    const Drawing& doc_;
    const DrawOptions& opt_;
    SheetGeometry s_;
    const common::FormatData& f_;
    Figure& out_;
    double xOffset_ = 0;  // drawing units: where the sheet's left edge stands
    double dl_ = 0;
    double origin_ = 0;  // distance drawn at the profile's left edge, metres
    std::vector<Section> sizes_;
    SheetParts parts_;
};

bool wholeNumber(double x) { return std::isfinite(x) && x == std::floor(x); }

}  // namespace

std::optional<DrawError> checkDrawingFormat(const Drawing& doc) {
    const common::FormatData& f = doc.format;
    const DrawError band{kFormatErrorTitle, kBandRowsErrorText};
    double nU = f.number(Item::UpperRowCount), nL = f.number(Item::LowerRowCount);
    if (!wholeNumber(nU) || !wholeNumber(nL) || nU < 0 || nL < 0 || nU + nL > kMaxBandRows)
        return band;
    for (common::FormatItem item : common::kBandRowItems) {
        double r = f.number(item);
        if (!wholeNumber(r) || r < 0 || r > nU + nL) return band;
    }
    double H = f.number(Item::HorizontalScale), V = f.number(Item::VerticalScale);
    if (!std::isfinite(H) || !std::isfinite(V) || H <= 0 || V <= 0)
        return DrawError{kFormatErrorTitle, "縮尺が正しくありません。"};
    const SheetGeometry g(f);
    for (double v : {g.widthMm,         g.heightMm,         g.datumGapMm,       g.upperRowMm,
                     g.rowGapMm,        g.lowerRowMm,       g.headingWidth1Mm,  g.headingWidth2Mm,
                     g.headingWidth3Mm, g.triangleOffsetMm, g.triangleHeightMm, g.triangleWidthMm,
                     g.triangleBaseMm,  g.majorIntervalM,   g.minorIntervalM,   g.headingTextMm,
                     g.valueTextMm,     g.elevationTextMm,  g.leaderTextMm,     g.profileHeightMm,
                     g.leaderAngleDeg,  g.leaderLengthMm,   g.groundToDatumMm,  g.bandLeftMm,
                     g.outerMarginMm,   g.innerMarginMm,    g.bandBaseMm})
        if (!std::isfinite(v)) return DrawError{kFormatErrorTitle, "書式の数値が大きすぎます。"};
    double P = f.number(Item::ProfileHeightMm);
    for (double interval : {f.number(Item::MajorTickM), f.number(Item::MinorTickM)}) {
        if (interval == 0) continue;
        double ticks = std::floor(P / (interval * 1000 / V));
        if (!(ticks <= kMaxTicks))
            return DrawError{kFormatErrorTitle, "標高スケールの目盛間隔が小さすぎます。"};
    }
    return std::nullopt;
}

std::optional<DrawError> checkStretch(const Drawing& doc, const DrawOptions& opt) {
    if (opt.automatic) return std::nullopt;
    int n = stationCount(doc);
    if (opt.startNo >= 1 && opt.startNo <= opt.endNo && opt.endNo <= n) return std::nullopt;
    return DrawError{"作図レイアウト", "起点番号と終点番号は 1 から " + std::to_string(n) +
                                           " までの番号で、起点番号を終点番号以下にしてください。"};
}

Figure drawFigure(const Drawing& doc, const DrawOptions& opt) {
    Figure figure;
    // About 60 elements a station; reserved once, since growing a large figure copies it
    // and touches every page twice.
    figure.elements.reserve(4096 + 64 * static_cast<size_t>(stationCount(doc)));
    Generator(doc, opt, figure).run(rangeOf(doc, opt));
    return figure;
}

SheetParts drawSheet(const Drawing& doc, const DrawOptions& opt, const SheetStretch& sheet,
                     Figure& figure) {
    Range rg;
    rg.first = sheet.first;
    rg.last = sheet.last;
    rg.spanEnd = sheet.last;
    rg.dl = sheet.datumLevel;
    rg.dlText = num(sheet.datumLevel);
    Generator g(doc, opt, figure, sheet.xOffset);
    g.run(rg, sheet.titleSuffix);
    return g.parts();
}

std::optional<DrawError> checkDrawable(const Figure& figure) {
    const std::string bad = undrawableValue(figure);
    if (bad.empty()) return std::nullopt;
    return DrawError{kUndrawableTitle,
                     "図面に描けない値があるため、作図コマンドを書き出せません。\r\n" + bad +
                         "\r\n路線長、地盤高、書式の縮尺・文字高さ・画層名を確かめてください。"};
}

std::string generateScript(const Drawing& doc, const DrawOptions& opt) {
    return drawScript(doc, opt).text;
}

ScriptResult drawScript(const Drawing& doc, const DrawOptions& opt) {
    ScriptResult res;
    res.error = checkDrawingFormat(doc);
    if (!res.error) res.error = checkStretch(doc, opt);
    if (res.error) return res;
    res.figure = drawFigure(doc, opt);
    // A script the preview (or AutoCAD) cannot take is never written.
    if ((res.error = checkDrawable(res.figure))) return res;
    res.text = writeScript(res.figure);
    return res;
}

}  // namespace zumenko
