// The design checks: one pass over the spans of the split table, the manhole table and
// the change points, each rule comparing a value as the tables show it with its limit.
#include "kandoru/check/design_check.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "common/format/section_lookup.h"
#include "common/numtext.h"
#include "kandoru/calc/rounding.h"
#include "kandoru/check/limits.h"

namespace kandoru::check {

namespace {

struct RuleInfo {
    std::string_view key;
    std::string_view text;
    std::string_view unit;
};

constexpr RuleInfo kRules[] = {
    {"velocity-low", "流速が最小流速未満", "m/s"},
    {"velocity-high", "流速が最大流速超過", "m/s"},
    {"size-min", "管径が最小管径未満", "mm"},
    {"size-max", "管径が最大管径超過", "mm"},
    {"size-decrease", "上流の管より小さい管径", "mm"},
    {"gradient", "勾配が 0 以下", "‰"},
    {"spacing", "人孔間隔が最大間隔超過", "m"},
    {"cover", "土被りが最小土被り未満", "m"},
    {"manhole-type", "人孔種別の最大管径より大きい管", "mm"},
    {"drop-pipe", "落差 0.6 m 以上で副管なし", "m"},
    {"section-unknown", "断面が不明で水理計算できない", ""},
};

const RuleInfo& info(Rule r) { return kRules[static_cast<size_t>(r)]; }

// A value as a table shows it with `decimals`, read back: the checks compare what the
// user sees, so 0.5996 m/s shown as 0.600 is not below 0.6.
double shown(double value, int decimals) {
    return common::val(common::formatMask(value, decimals));
}

std::string text3(double value) { return common::formatMask(value, 3); }
std::string sizeText(double mm) { return common::formatGeneral(mm); }

std::optional<double> positiveSetting(const std::string& text) {
    if (!common::hasNumber(text)) return std::nullopt;
    const double v = common::val(text);
    if (!(v > 0) || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A section of the format data as the checks need it, in double precision.
struct SectionInfo {
    bool box = false;
    double heightM = 0;               // D of a pipe, inner height of a box
    double topM = 0;                  // wall of a pipe, top slab of a box
    std::optional<FlowSection> flow;  // none for a box code without "□B×H" or no diameter
};

// The sections of the pipe codes, found as the profile calculation finds them (the exact
// code name) and read once per code.
class Sections {
public:
    explicit Sections(const Document& doc) : lookup_(doc.format, common::CodeMatch::Exact) {}

    const SectionInfo* find(const std::string& code) {
        auto [it, added] = byCode_.try_emplace(code);
        if (!added) return it->second ? &*it->second : nullptr;
        const auto row = lookup_.find(code);
        if (!row) return nullptr;
        const common::Table& t = *row->table;
        SectionInfo& s = it->second.emplace();
        s.box = row->shape == common::SectionShape::Box;
        s.heightM = common::val(t.text(row->row, row->heightCol));
        s.topM = common::val(t.text(row->row, row->topCol));
        if (s.box) {
            if (auto size = boxSizeOfCode(code))
                s.flow =
                    boxPartFull(size->widthMm / 1000, size->heightMm / 1000, kLimits.boxDepthRatio);
        } else if (s.heightM > 0 && std::isfinite(s.heightM)) {
            s.flow = circularFull(s.heightM);
        }
        return &*it->second;
    }

private:
    common::SectionLookup lookup_;
    std::unordered_map<std::string, std::optional<SectionInfo>> byCode_;
};

// Size in mm to the micrometre, so that 0.2 m reads as 200 mm exactly.
double mmOf(double metres) { return std::round(metres * 1e6) / 1e3; }

class Checker {
public:
    explicit Checker(const Document& doc)
        : doc_(doc), sections_(doc), coverDecimals_(coverDecimals(doc)) {
        result_.settings = checkSettings(doc);
    }

    CheckResult run() {
        collectSpans();
        for (size_t i = 0; i < result_.spans.size(); ++i) checkSpan(i);
        // The manhole at the end of the last span (normally the outlet's) has no span.
        if (!result_.spans.empty()) {
            const int last = result_.spans.back().row + 1;
            if (!doc_.fgrid2.text(last, SplitCol::Label).empty()) manholeType(last);
        }
        return std::move(result_);
    }

private:
    static int coverDecimals(const Document& doc) {
        return digitCount(digitSetting(doc, kDigitCover)).value_or(3);
    }

    const Span* spanAt(int row) const {
        if (result_.spans.empty()) return nullptr;
        const int first = result_.spans.front().row;
        const int k = row - first;
        if (k < 0 || k >= static_cast<int>(result_.spans.size())) return nullptr;
        return &result_.spans[static_cast<size_t>(k)];
    }

    void add(Rule rule, int row, std::string value, std::string limit, CellRef cell,
             std::string where = {}, std::string label = {}) {
        if (label.empty()) label = doc_.fgrid2.text(row, SplitCol::Label);
        result_.findings.push_back({rule, row, std::move(label), std::move(value), std::move(limit),
                                    std::move(where), cell});
    }

    // The rows the profile calculation designed, as its main pass walks them.
    void collectSpans() {
        const auto& sp = doc_.fgrid2;
        const CheckSettings& s = result_.settings;
        auto designed = [&sp](int r) {
            return !sp.text(r, SplitCol::Length).empty() &&
                   !sp.text(r, SplitCol::PipeCode).empty() &&
                   !sp.text(r, SplitCol::Gradient).empty();
        };
        int end = 1;
        while (end < sp.rows() && designed(end)) ++end;
        result_.spans.reserve(static_cast<size_t>(end - 1));
        for (int r = 1; r < end; ++r) {
            Span span;
            span.row = r;
            span.label = sp.text(r, SplitCol::Label);
            span.code = sp.text(r, SplitCol::PipeCode);
            span.gradientPermille = common::val(sp.text(r, SplitCol::Gradient));
            const SectionInfo* sec = sections_.find(span.code);
            if (sec && sec->heightM > 0 && std::isfinite(sec->heightM))
                span.sizeMm = mmOf(sec->heightM);
            const double slope = span.gradientPermille / 1000;
            if (sec && sec->flow && slope > 0 && std::isfinite(slope)) {
                SpanFlow f;
                f.n = s.n;
                f.areaM2 = sec->flow->areaM2;
                f.radiusM = sec->flow->radiusM;
                f.velocityMs = velocity(s.formula, f.radiusM, slope, s.n);
                f.flowM3s = capacity(*sec->flow, f.velocityMs);
                span.flow = f;
            }
            result_.spans.push_back(std::move(span));
        }
    }

    void checkSpan(size_t i) {
        const Span& span = result_.spans[i];
        const int r = span.row;
        const SectionInfo* sec = sections_.find(span.code);
        const CellRef codeCell{Grid::Split, r, SplitCol::PipeCode};
        const CellRef gradientCell{Grid::Split, r, SplitCol::Gradient};
        const CheckSettings& s = result_.settings;

        if (!sec)
            add(Rule::SectionUnknown, r, span.code, "", codeCell, "書式にない管記号");
        else if (!sec->flow && sec->box)
            add(Rule::SectionUnknown, r, span.code, "□B×H", codeCell, "□B×H の形でない");
        else if (!sec->flow)
            add(Rule::SectionUnknown, r, span.code, "", codeCell, "直径が 0 以下");
        if (!(span.gradientPermille > 0))
            add(Rule::Gradient, r, text3(span.gradientPermille), text3(0), gradientCell);
        if (span.flow) {
            if (auto rule = velocityRule(span.flow->velocityMs))
                add(*rule, r, text3(span.flow->velocityMs),
                    text3(*rule == Rule::VelocityLow ? kLimits.minVelocityMs
                                                     : kLimits.maxVelocityMs),
                    gradientCell);
        }
        if (span.sizeMm && sec && !sec->box) {
            if (s.minSizeMm && *span.sizeMm < *s.minSizeMm)
                add(Rule::SizeMin, r, sizeText(*span.sizeMm), sizeText(*s.minSizeMm), codeCell);
            if (s.maxSizeMm && *span.sizeMm > *s.maxSizeMm)
                add(Rule::SizeMax, r, sizeText(*span.sizeMm), sizeText(*s.maxSizeMm), codeCell);
        }
        if (const Span* up = spanAt(r - 1);
            up && up->sizeMm && span.sizeMm && *span.sizeMm < *up->sizeMm)
            add(Rule::SizeDecrease, r, sizeText(*span.sizeMm), sizeText(*up->sizeMm), codeCell);
        spacing(span);

        manholeType(r);
        dropPipe(r);
        cover(r, SplitCol::StartCover, "起点");
        changePoints(span, sec);
        cover(r, SplitCol::EndCover, "終点");
    }

    // Manholes r and r + 1 bound span r; the largest pipe entering or leaving either of
    // them sets the allowed spacing.
    void spacing(const Span& span) {
        const int r = span.row;
        std::optional<double> largest;
        for (int k = r - 1; k <= r + 1; ++k)
            if (const Span* s = spanAt(k); s && s->sizeMm)
                largest = std::max(largest.value_or(0), *s->sizeMm);
        if (!largest) return;
        const double length = shown(common::val(doc_.fgrid2.text(r, SplitCol::Length)), 3);
        const double limit = maxSpacingM(*largest);
        if (length > limit)
            add(Rule::Spacing, r, text3(length), text3(limit), {Grid::Split, r, SplitCol::Length});
    }

    void cover(int r, int c, const char* where) {
        const auto& min = result_.settings.minCoverM;
        const std::string& t = doc_.fgrid2.text(r, c);
        if (!min || !common::hasNumber(t)) return;
        const double v = common::val(t);
        if (v < *min) add(Rule::Cover, r, text3(v), text3(*min), {Grid::Split, r, c}, where);
    }

    // Change points along span r: the pipe as the split table lays it (start invert and
    // gradient) against the larger of the minimum cover and the cover asked for there.
    void changePoints(const Span& span, const SectionInfo* sec) {
        if (!sec) return;
        if (!changePointsPlaced_) placeChangePoints();
        const auto& sp = doc_.fgrid2;
        const int r = span.row;
        if (!common::hasNumber(sp.text(r, SplitCol::StartInvert))) return;
        const double start = spanStart_[static_cast<size_t>(r - result_.spans.front().row)];
        const double length = common::val(sp.text(r, SplitCol::Length));
        const double startInvert = common::val(sp.text(r, SplitCol::StartInvert));
        const auto& cps = doc_.fgrid4;
        auto it = std::lower_bound(changePoints_.begin(), changePoints_.end(),
                                   std::pair<double, int>{start, 0});
        for (; it != changePoints_.end() && it->first < start + length; ++it) {
            const auto [x, c] = *it;
            const double invert = startInvert - (x - start) * span.gradientPermille / 1000;
            const double ground = common::val(cps.text(c, ChangePointCol::Ground));
            const double v = shown(ground - invert - sec->heightM - sec->topM, coverDecimals_);
            std::optional<double> limit = result_.settings.minCoverM;
            if (common::hasNumber(cps.text(c, ChangePointCol::Cover)))
                limit =
                    std::max(limit.value_or(0), common::val(cps.text(c, ChangePointCol::Cover)));
            if (limit && v < *limit)
                add(Rule::Cover, r, text3(v), text3(*limit),
                    {Grid::ChangePoint, c, ChangePointCol::Cover}, "地盤変化点",
                    cps.text(c, ChangePointCol::Route) + "変");
        }
    }

    // Each change point's distance along the chain: its own distance from the start of
    // its route plus the distance of the route's first split row.
    void placeChangePoints() {
        changePointsPlaced_ = true;
        const auto& sp = doc_.fgrid2;
        std::unordered_map<std::string, double> routeStart;
        double x = 0;
        for (const Span& s : result_.spans) {
            spanStart_.push_back(x);
            routeStart.try_emplace(s.label, x);
            x += common::val(sp.text(s.row, SplitCol::Length));
        }
        const auto& cps = doc_.fgrid4;
        for (int c = 1; c <= cps.dataRows() && !cps.text(c, ChangePointCol::Route).empty(); ++c) {
            auto it = routeStart.find(cps.text(c, ChangePointCol::Route));
            if (it == routeStart.end()) continue;
            changePoints_.emplace_back(
                it->second + common::val(cps.text(c, ChangePointCol::Distance)), c);
        }
        // In distance order, so that each span finds its own with one search.
        std::sort(changePoints_.begin(), changePoints_.end());
    }

    // The manhole at the start of split row r: every pipe entering or leaving it must fit
    // the largest pipe of its type.
    void manholeType(int r) {
        const std::string& name = doc_.fgrid3.text(r, ManholeCol::Type);
        if (name.empty()) return;
        std::optional<double> largestPipe;
        for (const Span* s : {spanAt(r - 1), spanAt(r)})
            if (s && s->sizeMm) largestPipe = std::max(largestPipe.value_or(0), *s->sizeMm);
        if (!largestPipe) return;
        if (typeLargest_.empty()) {
            // The first row of a name counts, the table read down to its first blank name.
            const auto& types = doc_.format.manholeTypes;
            for (int k = 1;
                 k <= types.dataRows() && !types.text(k, common::ManholeTypeCol::Name).empty(); ++k)
                typeLargest_.try_emplace(types.text(k, common::ManholeTypeCol::Name),
                                         &types.text(k, common::ManholeTypeCol::LargestPipeMm));
        }
        auto it = typeLargest_.find(name);
        if (it == typeLargest_.end() || !common::hasNumber(*it->second)) return;
        const double largest = common::val(*it->second);
        if (largest < *largestPipe)
            add(Rule::ManholeType, r, sizeText(*largestPipe), sizeText(largest),
                {Grid::Manhole, r, ManholeCol::Type}, name);
    }

    void dropPipe(int r) {
        if (result_.settings.dropPipeBox) return;
        const auto& mh = doc_.fgrid3;
        const std::string& drop = mh.text(r, ManholeCol::Drop);
        if (!common::hasNumber(drop)) return;
        const double v = common::val(drop);
        const std::string& pipe = mh.text(r, ManholeCol::DropPipeMm);
        const bool hasPipe = pipe.find_first_not_of(' ') != std::string::npos;
        if (v >= kLimits.dropPipeFromM && !hasPipe)
            add(Rule::DropPipe, r, text3(v), text3(kLimits.dropPipeFromM),
                {Grid::Manhole, r, ManholeCol::DropPipeMm});
    }

    const Document& doc_;
    Sections sections_;
    int coverDecimals_;
    CheckResult result_;
    bool changePointsPlaced_ = false;
    std::vector<double> spanStart_;                     // distance of each span's start
    std::vector<std::pair<double, int>> changePoints_;  // distance, change-point row
    std::unordered_map<std::string_view, const std::string*> typeLargest_;  // name: largest mm
};

}  // namespace

std::string_view ruleKey(Rule rule) { return info(rule).key; }
std::string_view ruleText(Rule rule) { return info(rule).text; }
std::string_view ruleUnit(Rule rule) { return info(rule).unit; }

CheckSettings checkSettings(const Document& doc) {
    const Settings& d = doc.settings;
    CheckSettings s;
    s.formula = d.kutter && !d.manning ? FlowFormula::Kutter : FlowFormula::Manning;
    s.pipeType = d.pipeType;
    s.n = kLimits.roughness.front().n;
    for (const Roughness& r : kLimits.roughness)
        if (r.pipeType == d.pipeType) s.n = r.n;
    s.minSizeMm = positiveSetting(d.minDiameter);
    s.maxSizeMm = positiveSetting(d.maxDiameter);
    if (common::hasNumber(d.minCover) && std::isfinite(common::val(d.minCover)))
        s.minCoverM = common::val(d.minCover);
    s.dropPipeBox = doc.dropPipeChecked;
    return s;
}

std::optional<Rule> velocityRule(double velocityMs) {
    const double v = shown(velocityMs, 3);
    if (v < kLimits.minVelocityMs) return Rule::VelocityLow;
    if (v > kLimits.maxVelocityMs) return Rule::VelocityHigh;
    return std::nullopt;
}

CheckResult designCheck(const Document& doc) { return Checker(doc).run(); }

}  // namespace kandoru::check
