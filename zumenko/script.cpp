// The command script generator. Sheet lengths are paper millimetres (drawn x H), distances
// along the line metres (x 1000), elevations metres (x K = H x 1000 / V). Every number is
// written in the general number form of the double computed.
#include "zumenko/script.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "common/numtext.h"
#include "zumenko/layout.h"
#include "zumenko/sections.h"

namespace zumenko {
namespace {

constexpr const char* kEndLine = "                        ";  // 24 blanks: Enter
constexpr int kMaxBandRows = 20;
constexpr long kMaxTicks = 10000;

// Band items in the order of format values 7.1 ... 7.8.
enum Item : int {
    kPipeSize,
    kGradient,
    kSectionDistance,
    kGround,
    kCover,
    kInvert,
    kExcavation,
    kDistance
};
constexpr std::array<const char*, 8> kHeadings{"管　　径", "勾　　配", "区間距離", "地 盤 高",
                                               "土　　被", "管 底 高", "掘 削 深", "追加距離"};
constexpr std::array<const char*, 8> kUnits{"ＭＭ", "‰", "Ｍ", "Ｍ", "Ｍ", "Ｍ", "Ｍ", "Ｍ"};

std::string num(double x) { return common::formatGeneral(x); }

// The general form, written in place; whole numbers (most coordinates) take a short cut
// that gives the same digits.
void appendNum(std::string& out, double x) {
    if (x == std::trunc(x) && std::fabs(x) < 1e15) {
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x));
        out.append(buf, r.ptr);
    } else {
        out += common::formatGeneral(x);
    }
}

// The sheet as the drawing format record lays it out, in paper millimetres.
struct Sheet {
    explicit Sheet(const FormatRecord& f)
        : W(f.number(4, 2)),
          T(f.number(4, 3)),
          dlGap(f.number(4, 4)),
          hU(f.number(4, 5)),
          g(f.number(4, 6)),
          hL(f.number(4, 7)),
          nU(static_cast<int>(f.number(5, 1))),
          nL(static_cast<int>(f.number(5, 2))),
          c1(f.number(5, 3)),
          c2(f.number(5, 4)),
          c3(f.number(5, 5)),
          a(f.number(5, 6)),
          bh(f.number(5, 7)),
          bw(f.number(6, 1)),
          b0(f.number(6, 2)),
          im(f.number(6, 3)),
          im2(f.number(6, 4)),
          H(f.number(6, 5)),
          V(f.number(6, 6)),
          th(f.number(8, 1)),
          tv(f.number(8, 3)),
          te(f.number(8, 5)),
          tl(f.number(9, 1)),
          P(f.number(9, 3)),
          leaderAngle(f.number(9, 4)),
          leaderLength(f.number(10, 2)),
          xL(f.number(10, 5)),
          outerM(f.number(10, 7)),
          innerM(f.number(10, 8)),
          B(f.number(13, 1)) {
        for (int i = 0; i < 8; ++i)
            rows[static_cast<size_t>(i)] = static_cast<int>(f.number(7, i + 1));
        x1 = xL + c1;
        x2 = x1 + c2;
        x3 = x2 + c3;
        xR = W - xL;
        BU = B + (nL + 1) * (g + hL);
        BT = BU + nU * (hU + g) - g;
        yDL = BT + dlGap;
        K = H * 1000 / V;
    }

    double lower(int k) const { return B + k * (g + hL); }   // lower edge of lower row k
    double upper(int j) const { return BU + j * (hU + g); }  // lower edge of upper row j
    // Centre of band row r counted from the top (1 ... nU upper, then the lower rows).
    double centre(int r) const {
        if (r <= nU) return BT - (r - 1) * (hU + g) - hU / 2;
        return BU - g - (r - nU - 1) * (hL + g) - hL / 2;
    }

    double W, T, dlGap, hU, g, hL;
    int nU, nL;
    double c1, c2, c3, a, bh, bw, b0, im, im2, H, V, th, tv, te, tl, P, leaderAngle, leaderLength;
    double xL, outerM, innerM, B;
    std::array<int, 8> rows{};
    double x1, x2, x3, xR, BU, BT, yDL, K;
};

class Script {
public:
    void line(std::string_view t) {
        out_ += t;
        out_ += "\r\n";
    }
    void end() { line(kEndLine); }
    void brk() { line("\r"); }
    void layer(const std::string& name) {
        out_ += "_clayer ";
        line(name);
        end();
    }
    void seg(double x1, double y1, double x2, double y2) {
        out_ += "_line ";
        point(x1, y1);
        out_ += ' ';
        point(x2, y2);
        out_ += "\r\n";
        end();
    }
    void text(const char* justify, double x, double y, double h, int angle, std::string_view t,
              int breaks = 1) {
        out_ += justify;
        point(x, y);
        out_ += " h ";
        appendNum(out_, h);
        out_ += " r ";
        appendNum(out_, angle);
        out_ += ' ';
        out_ += t;
        out_ += " \r\n";
        end();
        for (int i = 0; i < breaks; ++i) brk();
    }
    std::string take() { return std::move(out_); }
    void reserve(size_t n) { out_.reserve(n); }

private:
    void point(double x, double y) {
        appendNum(out_, x);
        out_ += ',';
        appendNum(out_, y);
    }

    std::string out_;
};

// A band value with the mask of its digit setting; other settings give the general form.
std::string bandValue(const std::string& text, const std::string& digit) {
    double v = common::val(text);
    if (digit == "1") return common::formatMask(v, 1);
    if (digit == "2") return common::formatMask(v, 2);
    if (digit == "3") return common::formatMask(v, 3);
    return common::formatGeneral(v);
}

// The profile seen in drawing order. Station r is a row of the split-point table; the
// span leaving it is split row r (upstream first) or mirrored row r + 1 (downstream
// first, traversed from its end to its start).
struct Profile {
    Profile(const Drawing& d, bool forward)
        : fwd(forward),
          points(forward ? d.fgrid7 : d.fgrid10),
          spans(forward ? d.split : d.fgrid12),
          holes(forward ? d.manholes : d.fgrid11) {}

    const std::string& distance(int r) const { return points.text(r, 3); }
    const std::string& ground(int r) const { return spans.text(r, 3); }
    const std::string& manhole(int r, int c) const { return holes.text(r, c); }
    bool subPipe(int r) const { return !holes.text(r, 4).empty(); }
    // Distance between station r - 1 and station r.
    double lengthBefore(int r) const {
        return common::val(fwd ? points.text(r - 1, 2) : points.text(r, 2));
    }

    int spanRow(int r) const { return fwd ? r : r + 1; }
    const std::string& spanLength(int r) const { return points.text(spanRow(r), 2); }
    const std::string& span(int r, int c) const { return spans.text(spanRow(r), c); }
    // Values of the span leaving station r at its left end, of the span arriving at
    // station r at its right end: cover, invert level, excavation depth. Downstream first
    // a span is traversed from its end to its start.
    const std::string& leftValue(int r, Item item) const { return value(spanRow(r), item, fwd); }
    const std::string& rightValue(int r, Item item) const {
        return value(spanRow(r - 1), item, !fwd);
    }
    // 起点土被 / 終点土被, 起点管底高 / 終点管底高 of split row s, or 上掘削 / 下掘削 of its
    // manhole.
    const std::string& value(int s, Item item, bool atStart) const {
        if (item == kCover) return spans.text(s, atStart ? 8 : 9);
        if (item == kInvert) return spans.text(s, atStart ? 6 : 7);
        return holes.text(s, atStart ? 6 : 7);
    }

    bool fwd;
    const common::Table& points;
    const common::Table& spans;
    const common::Table& holes;
};

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
        const common::Table& t = opt.upstreamToDownstream ? doc.fgrid7 : doc.fgrid10;
        rg.first = 1;
        rg.last = 0;
        while (rg.last < t.dataRows() && !t.text(rg.last + 1, 3).empty()) ++rg.last;
        rg.spanEnd = t.dataRows();
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

class Generator {
public:
    Generator(const Drawing& doc, const DrawOptions& opt)
        : doc_(doc), opt_(opt), s_(doc.format), f_(doc.format) {}

    std::string run() {
        out_.reserve(1 << 16);
        out_.line("_DTEXTED 1");
        out_.end();
        if (opt_.frame) frame();
        title();
        band();
        scaleTriangle();
        headings();
        Range rg = rangeOf(doc_, opt_);
        Profile p(doc_, opt_.upstreamToDownstream);
        // A chosen stretch starts at the left of the sheet like the whole line does; drawn
        // at its distance along the line it would stand beside the sheet, off its band.
        if (!rg.automatic) origin_ = common::val(p.distance(rg.first));
        elevationScale(rg);
        stations(p, rg);
        groundLine(rg);
        pipes(p, rg);
        out_.line("_zoom e");
        out_.line("*キャンセル*");
        return out_.take();
    }

private:
    double H() const { return s_.H; }
    double X(double dM) const { return (s_.x3 + 50) * s_.H + (dM - origin_) * 1000; }
    double Y(double eM) const { return s_.yDL * s_.H + (eM - dl_) * s_.K; }
    // A segment given in paper millimetres.
    void paperSeg(double x1, double y1, double x2, double y2) {
        out_.seg(x1 * H(), y1 * H(), x2 * H(), y2 * H());
    }

    void frameAt(double m) {
        const double W = s_.W, T = s_.T;
        paperSeg(m, m, W - m, m);
        paperSeg(m, m, m, T - m);
        paperSeg(m, T - m, W - m, T - m);
        paperSeg(W - m, m, W - m, T - m);
    }

    void frame() {
        out_.layer("DefPoints");
        const double W = s_.W, T = s_.T;
        paperSeg(0, 0, W, 0);
        paperSeg(0, 0, 0, T);
        paperSeg(0, T, W, T);
        paperSeg(W, 0, W, T);
        out_.layer(f_.value(9, 9));
        if (f_.value(12, 4) == "1") frameAt(s_.outerM);
        if (f_.value(12, 5) == "1") frameAt(s_.innerM);
    }

    void title() {
        out_.text("_dtext j tl ", (s_.innerM + 2 * s_.th) * H(),
                  (s_.T - s_.innerM - 2 * s_.th) * H(), s_.th * H(), 0, doc_.settings.projectName,
                  2);
    }

    void bandEdges(double y) {
        paperSeg(s_.xL, y, s_.x2, y);
        paperSeg(s_.x3, y, s_.xR, y);
    }

    void bandRow(double y0, double h) {
        bandEdges(y0);
        for (double x : {s_.xL, s_.x1, s_.x2}) paperSeg(x, y0, x, y0 + h);
        if (s_.c3 != 0) paperSeg(s_.x3, y0, s_.x3, y0 + h);
        paperSeg(s_.xR, y0, s_.xR, y0 + h);
        if (s_.g != 0) bandEdges(y0 + h);
    }

    void band() {
        out_.layer(f_.value(9, 5));
        for (int k = 1; k <= s_.nL; ++k) bandRow(s_.lower(k), s_.hL);
        for (int j = 0; j < s_.nU; ++j) bandRow(s_.upper(j), s_.hU);
        if (s_.g == 0) {
            // Rows share their edges; only the topmost row still needs its top.
            if (s_.nU > 0)
                bandEdges(s_.upper(s_.nU - 1) + s_.hU);
            else if (s_.nL > 0)
                bandEdges(s_.lower(s_.nL) + s_.hL);
        }
        paperSeg(s_.xL, s_.yDL, s_.xR, s_.yDL);
    }

    void scaleTriangle() {
        const double xs = s_.x3 - s_.a, yb = s_.yDL + s_.b0;
        paperSeg(xs - s_.bw, yb, xs, yb);
        paperSeg(xs, yb, xs, yb + s_.bh);
        paperSeg(xs - s_.bw, yb, xs, yb + s_.bh);
        out_.text("_dtext j mc ", (xs - s_.bw / 2) * H(), (yb - s_.tv) * H(), s_.tv * H(), 0,
                  "H=1:" + f_.value(6, 5), 2);
        out_.text("_dtext j mc ", (xs + s_.tv) * H(), (yb + s_.bh / 2) * H(), s_.tv * H(), 90,
                  "V=1:" + f_.value(6, 6), 2);
    }

    void headings() {
        out_.layer(f_.value(9, 6));
        for (size_t i = 0; i < 8; ++i) {
            int r = s_.rows[i];
            if (r == 0) continue;
            double y = s_.centre(r) * H();
            out_.text("_dtext j mc ", (s_.xL + s_.c1 / 2) * H(), y, s_.th * H(), 0, kHeadings[i]);
            out_.text("_dtext j mc ", (s_.x1 + s_.c2 / 2 + 1) * H(), y, s_.th * H(), 0, kUnits[i]);
        }
    }

    void elevationScale(const Range& rg) {
        dl_ = rg.dl;
        out_.layer(f_.value(9, 5));
        const double x3 = s_.x3, yDL = s_.yDL, V = s_.V;
        paperSeg(x3, yDL, x3, yDL + s_.P);
        // A datum level ending in 5 moves the major ticks down by half an interval.
        const bool shifted = !rg.dlText.empty() && rg.dlText.back() == '5';
        long majors = 0;
        // Height above DL (metres) and elevation of major tick i.
        auto rise = [&](long i) { return shifted ? i * s_.im - s_.im / 2 : i * s_.im; };
        auto level = [&](long i) {
            return shifted ? dl_ + i * s_.im - s_.im / 2 : dl_ + i * s_.im;
        };
        if (s_.im != 0) {
            majors = static_cast<long>(std::floor(s_.P / (s_.im * 1000 / V)));
            for (long i = 1; i <= majors; ++i) {
                double yT = yDL + rise(i) * 1000 / V;
                paperSeg(x3 - 20, yT, x3, yT);
            }
        }
        if (s_.im2 != 0) {
            long n = static_cast<long>(std::floor(s_.P / (s_.im2 * 1000 / V)));
            for (long i = 1; i <= n; ++i) {
                double yT = yDL + i * s_.im2 * 1000 / V;
                paperSeg(x3 - 5, yT, x3, yT);
            }
        }
        if (s_.im != 0) {
            const double x = (x3 - s_.c3 / 2) * H(), h = s_.te * H();
            out_.text("_dtext j br ", x, yDL * H(), h, 0,
                      "D.L = " + common::formatMask(dl_, 2) + "m");
            for (long i = 1; i <= majors; ++i)
                out_.text("_dtext j br ", x, (yDL + rise(i) * 1000 / V) * H(), h, 0, num(level(i)));
        }
    }

    void stations(const Profile& p, const Range& rg) {
        const double yDL = s_.yDL, top = yDL + s_.P;
        const double theta = s_.leaderAngle * 3.1415 / 180;
        std::vector<double> base;  // label base Bc of each station, paper mm
        for (int r = rg.first; r <= rg.last; ++r) {
            const double X = this->X(common::val(p.distance(r)));
            for (int k = 2; k <= s_.nL; ++k)
                out_.seg(X, (s_.lower(k) - s_.g) * H(), X, s_.lower(k) * H());
            for (int j = 0; j < s_.nU; ++j)
                out_.seg(X, s_.upper(j) * H(), X, (s_.upper(j) + s_.hU) * H());
            // A close station after a manhole with a sub-pipe steps its label down.
            double bc = top;
            if (r > rg.first && p.lengthBefore(r) < 20 && p.subPipe(r - 1)) bc = base.back() - 10;
            base.push_back(bc);
            out_.seg(X, yDL * H(), X, bc * H());
            double L = s_.leaderLength;
            if (f_.value(12, 1) == "1") {
                std::string label =
                    p.manhole(r, 2) + " " + p.manhole(r, 3) + " h=" + p.manhole(r, 8);
                L = s_.tl * static_cast<double>(characters(label)) * 0.8;
            }
            const double dx = L * std::cos(theta) * H();
            out_.seg(X, top * H(), X + dx, (top + L * std::sin(theta)) * H());
            if (p.subPipe(r))
                out_.seg(X, (top - 10) * H(), X + dx, (top - 10 + L * std::sin(theta)) * H());
        }

        out_.layer(f_.value(9, 6));
        for (int r = rg.first; r <= rg.last; ++r) {
            const double X = this->X(common::val(p.distance(r)));
            const double bc = base[static_cast<size_t>(r - rg.first)];
            out_.text("_dtext j BL ", X, bc * H(), s_.tl * H(), 30,
                      " " + p.manhole(r, 2) + "  " + p.manhole(r, 3) + " h=" + p.manhole(r, 8));
            if (p.subPipe(r))
                out_.text("_dtext j BL ", X, (bc - 10) * H(), s_.tl * H(), 30,
                          "   副管φ" + p.manhole(r, 4) + " h=" + p.manhole(r, 5));
        }

        sizes_ = spanSections(doc_, p, rg);
        for (int r = rg.first; r <= rg.last; ++r) {
            const double X = this->X(common::val(p.distance(r)));
            if (r < rg.spanEnd && !p.spanLength(r).empty())
                spanTexts(p, r, X, sizes_[static_cast<size_t>(r - rg.first)]);
            stationValues(p, rg, r, X);
        }
    }

    // Sections of the span leaving each station of the range, a code without a match
    // keeping the previous span's.
    static std::vector<Section> spanSections(const Drawing& doc, const Profile& p,
                                             const Range& rg) {
        std::vector<Section> out;
        Section cur;
        for (int r = rg.first; r <= rg.last; ++r) {
            if (auto s = lookUpSection(doc, p.span(r, 4))) cur = *s;
            out.push_back(cur);
        }
        return out;
    }

    void spanTexts(const Profile& p, int r, double X, const Section& sec) {
        const double x = X + common::val(p.spanLength(r)) / 2 * 1000, h = s_.tv * H();
        out_.text("_dtext j bc ", x, s_.yDL * H(), h, 0, p.span(r, 1));
        const std::string size = "φ" + num(sec.d * 1000);
        const std::string& grad = p.span(r, 5);
        const std::string& dist = p.span(r, 2);
        if (s_.nU != 0) {
            auto put = [&](Item item, const std::string& t) {
                int row = s_.rows[item];
                if (row != 0) out_.text("_dtext j mc ", x, s_.centre(row) * H(), h, 0, t);
            };
            put(kPipeSize, size);
            if (!grad.empty()) put(kGradient, bandValue(grad, doc_.digit(kDigitGradient)));
            if (!dist.empty()) put(kSectionDistance, bandValue(dist, doc_.digit(kDigitDistance)));
        } else {
            out_.text("_dtext j mc ", x, (s_.yDL + 25) * H(), h, 0, size);
            if (!grad.empty())
                out_.text("_dtext j mc ", x, (s_.yDL + 20) * H(), h, 0,
                          "i= " + bandValue(grad, doc_.digit(kDigitGradient)));
            if (!dist.empty())
                out_.text("_dtext j mc ", x, (s_.yDL + 15) * H(), h, 0,
                          "L= " + bandValue(dist, doc_.digit(kDigitDistance)));
        }
    }

    void stationValues(const Profile& p, const Range& rg, int r, double X) {
        const double h = s_.tv * H(), off = 0.6 * s_.tv * H();
        auto lone = [&](Item item, const std::string& text, Digit digit) {
            int row = s_.rows[item];
            if (row == 0 || text.empty()) return;
            out_.text("_dtext j mc ", X, s_.centre(row) * H(), h, 90,
                      bandValue(text, doc_.digit(digit)));
        };
        auto pair = [&](Item item, Digit digit) {
            int row = s_.rows[item];
            if (row == 0) return;
            const std::string empty;
            const std::string& leaving = r < rg.spanEnd ? p.leftValue(r, item) : empty;
            const std::string& arriving = r > rg.first ? p.rightValue(r, item) : empty;
            const bool both = !leaving.empty() && !arriving.empty();
            const double y = s_.centre(row) * H();
            if (!leaving.empty())
                out_.text("_dtext j mc ", both ? X + off : X, y, h, 90,
                          bandValue(leaving, doc_.digit(digit)));
            if (!arriving.empty())
                out_.text("_dtext j mc ", both ? X - off : X, y, h, 90,
                          bandValue(arriving, doc_.digit(digit)));
        };
        lone(kGround, p.ground(r), kDigitGround);
        pair(kCover, kDigitCover);
        pair(kInvert, kDigitInvert);
        pair(kExcavation, kDigitExcavation);
        lone(kDistance, p.distance(r), kDigitDistance);
    }

    void groundLine(const Range& rg) {
        out_.layer(f_.value(9, 8));
        const bool fwd = opt_.upstreamToDownstream;
        const common::Table& t =
            rg.automatic ? (fwd ? doc_.fgrid8 : doc_.fgrid13) : (fwd ? doc_.fgrid5 : doc_.fgrid14);
        const int dc = rg.automatic ? 3 : 2, gc = dc + 1;
        // A point on the stretch's ends belongs to it; the half millimetre absorbs the
        // rounding of distances summed separately in the mirrored tables.
        const common::Table& pts = fwd ? doc_.fgrid7 : doc_.fgrid10;
        const double from = common::val(pts.text(rg.first, 3)) - 0.0005;
        const double to = common::val(pts.text(rg.last, 3)) + 0.0005;
        bool have = false;
        double d0 = 0, g0 = 0;
        for (int r = 1; r <= t.dataRows() && !t.text(r, 1).empty(); ++r) {
            double d = common::val(t.text(r, dc)), gl = common::val(t.text(r, gc));
            if (!rg.automatic && (d < from || d > to)) continue;
            if (have) out_.seg(X(d0), Y(g0), X(d), Y(gl));
            have = true;
            d0 = d;
            g0 = gl;
        }
    }

    void pipes(const Profile& p, const Range& rg) {
        out_.layer(f_.value(9, 7));
        for (int r = rg.first; r < rg.last; ++r) {
            if (p.span(r, 1) == doc_.settings.outletRoute) continue;
            const Section& sec = sizes_[static_cast<size_t>(r - rg.first)];
            const double xa = X(common::val(p.distance(r))), xb = X(common::val(p.distance(r + 1)));
            // Left and right inverts: the span's start and end, or its end and start mirrored.
            const double ia = common::val(p.span(r, p.fwd ? 6 : 7));
            const double ib = common::val(p.span(r, p.fwd ? 7 : 6));
            out_.seg(xa, Y(ia), xb, Y(ib));
            out_.seg(xa, Y(ia + sec.d), xb, Y(ib + sec.d));
            if (opt_.pipeWall) {
                out_.seg(xa, Y(ia - sec.wB), xb, Y(ib - sec.wB));
                out_.seg(xa, Y(ia + sec.d + sec.wT), xb, Y(ib + sec.d + sec.wT));
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
    Sheet s_;
    const FormatRecord& f_;
    Script out_;
    double dl_ = 0;
    double origin_ = 0;  // distance drawn at the profile's left edge, metres
    std::vector<Section> sizes_;
};

bool wholeNumber(double x) { return std::isfinite(x) && x == std::floor(x); }

}  // namespace

std::optional<DrawError> checkDrawingFormat(const Drawing& doc) {
    const FormatRecord& f = doc.format;
    const DrawError band{kFormatErrorTitle, kBandRowsErrorText};
    double nU = f.number(5, 1), nL = f.number(5, 2);
    if (!wholeNumber(nU) || !wholeNumber(nL) || nU < 0 || nL < 0 || nU + nL > kMaxBandRows)
        return band;
    for (int k = 1; k <= 8; ++k) {
        double r = f.number(7, k);
        if (!wholeNumber(r) || r < 0 || r > nU + nL) return band;
    }
    double H = f.number(6, 5), V = f.number(6, 6);
    if (!std::isfinite(H) || !std::isfinite(V) || H <= 0 || V <= 0)
        return DrawError{kFormatErrorTitle, "縮尺が正しくありません。"};
    static const int used[][2] = {{4, 2},  {4, 3},  {4, 4},  {4, 5},  {4, 6},  {4, 7}, {5, 3},
                                  {5, 4},  {5, 5},  {5, 6},  {5, 7},  {6, 1},  {6, 2}, {6, 3},
                                  {6, 4},  {8, 1},  {8, 3},  {8, 5},  {9, 1},  {9, 3}, {9, 4},
                                  {10, 1}, {10, 2}, {10, 5}, {10, 7}, {10, 8}, {13, 1}};
    for (auto& gk : used)
        if (!std::isfinite(f.number(gk[0], gk[1])))
            return DrawError{kFormatErrorTitle, "書式の数値が大きすぎます。"};
    double P = f.number(9, 3);
    for (double interval : {f.number(6, 3), f.number(6, 4)}) {
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

std::string generateScript(const Drawing& doc, const DrawOptions& opt) {
    if (checkDrawingFormat(doc) || checkStretch(doc, opt)) return {};
    return Generator(doc, opt).run();
}

ScriptResult drawScript(const Drawing& doc, const DrawOptions& opt) {
    ScriptResult res;
    res.error = checkDrawingFormat(doc);
    if (!res.error) res.error = checkStretch(doc, opt);
    if (!res.error) res.text = Generator(doc, opt).run();
    return res;
}

}  // namespace zumenko
