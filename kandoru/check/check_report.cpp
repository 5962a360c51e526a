// Texts of the design checks: settings, span numbers, findings, the TSV and the listing.
#include "kandoru/check/check_report.h"

#include <algorithm>

#include "common/numtext.h"
#include "kandoru/check/limits.h"

namespace kandoru::check {

std::string formulaName(FlowFormula formula) {
    return formula == FlowFormula::Kutter ? "クッター式" : "マニング式";
}

namespace {

std::string mm(const std::optional<double>& v) {
    return v ? common::formatGeneral(*v) + " mm" : "（なし）";
}

std::string spacingText() {
    std::string t;
    for (const SpacingStep& s : kLimits.spacing) {
        if (!t.empty()) t += "、";
        if (s.upToSizeMm == kLimits.spacing.back().upToSizeMm)
            t += "それより大きい管 ";
        else
            t += common::formatGeneral(s.upToSizeMm) + " mm 以下 ";
        t += common::formatGeneral(s.maxSpacingM) + " m";
    }
    return t;
}

// Decodes one UTF-8 sequence at i (advancing i); invalid bytes count as one code point.
char32_t nextCodePoint(const std::string& s, size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
    ++i;
    for (; extra > 0 && i < s.size(); --extra, ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return cp;
}

std::string padded(const std::string& text, size_t width, bool right = false) {
    const size_t w = displayWidth(text);
    const std::string pad(w < width ? width - w : 0, ' ');
    return right ? pad + text : text + pad;
}

// Rows of cells as lines of columns two blanks apart; columns in `right` right-aligned.
std::string textTable(const std::vector<std::vector<std::string>>& rows,
                      const std::vector<bool>& right) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line = " ";
        for (size_t c = 0; c < row.size(); ++c) {
            const bool r = c < right.size() && right[c];
            line += " " + (c + 1 == row.size() && !r ? row[c] : padded(row[c], widths[c], r));
            if (c + 1 < row.size()) line += " ";
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}

}  // namespace

size_t displayWidth(const std::string& utf8) {
    size_t w = 0;
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        const bool halfKana = cp >= 0xFF61 && cp <= 0xFF9F;
        w += cp >= 0x1100 && !halfKana ? 2 : 1;
    }
    return w;
}

std::vector<std::pair<std::string, std::string>> settingsSummary(const CheckSettings& s) {
    return {
        {"流速公式", formulaName(s.formula)},
        {"管種", s.pipeType + "（粗度係数 n = " + common::formatMask(s.n, 3) + "）"},
        {"管径の範囲", mm(s.minSizeMm) + " ～ " + mm(s.maxSizeMm)},
        {"最小土被り", s.minCoverM ? common::formatMask(*s.minCoverM, 3) + " m" : "（なし）"},
        {"流速の範囲", common::formatMask(kLimits.minVelocityMs, 1) + " ～ " +
                           common::formatMask(kLimits.maxVelocityMs, 1) + " m/s（汚水、満流）"},
        {"断面", "円形管は満流、矩形渠は内高の " +
                     common::formatGeneral(kLimits.boxDepthRatio * 100) + " % の水深"},
        {"人孔の最大間隔", spacingText()},
        {"副管", "落差 " + common::formatGeneral(kLimits.dropPipeFromM) + " m 以上" +
                     (s.dropPipeBox ? "（自動設置のため照査しない）" : "")},
    };
}

SpanTexts spanTexts(const Span& span) {
    SpanTexts t;
    t.sizeMm = span.sizeMm ? common::formatGeneral(*span.sizeMm) : "";
    t.gradient = common::formatMask(span.gradientPermille, 3);
    if (span.flow) {
        t.n = common::formatMask(span.flow->n, 3);
        t.velocity = common::formatMask(span.flow->velocityMs, 3);
        t.flow = common::formatMask(span.flow->flowM3s, 5);
    }
    return t;
}

std::string findingText(const Finding& f) {
    std::string t(ruleText(f.rule));
    if (!f.where.empty()) t += "（" + f.where + "）";
    return t;
}

std::string withUnit(const Finding& f, const std::string& number) {
    const std::string_view unit = ruleUnit(f.rule);
    if (number.empty() || unit.empty()) return number;
    return number + " " + std::string(unit);
}

std::string checkTsv(const CheckResult& result) {
    std::string out;
    for (const Span& s : result.spans) {
        if (!s.flow) continue;
        const SpanTexts t = spanTexts(s);
        out += "span\t" + s.label + "\t" + s.code + "\t" + t.sizeMm + "\t" + t.gradient + "\t" +
               t.n + "\t" + t.velocity + "\t" + t.flow + "\n";
    }
    for (const Finding& f : result.findings)
        out += "finding\t" + std::string(ruleKey(f.rule)) + "\t" + f.label + "\t" + f.value + "\t" +
               f.limit + "\n";
    return out;
}

std::string checkListing(const std::string& projectName, const CheckResult& result) {
    std::string out = "設計チェック";
    if (!projectName.empty()) out += "　" + projectName;
    out += "\n";
    for (const auto& [caption, value] : settingsSummary(result.settings))
        out += "  " + caption + "：" + value + "\n";

    out += "\n流下能力（" + std::to_string(result.spans.size()) + " 区間）\n";
    std::vector<std::vector<std::string>> spans{
        {"行", "路線番号", "管記号", "D mm", "勾配 ‰", "n", "V m/s", "Q m³/s"}};
    for (const Span& s : result.spans) {
        const SpanTexts t = spanTexts(s);
        spans.push_back({std::to_string(s.row), s.label, s.code, t.sizeMm, t.gradient, t.n,
                         s.flow ? t.velocity : "－", s.flow ? t.flow : "－"});
    }
    out += textTable(spans, {true, false, false, true, true, true, true, true});

    if (result.findings.empty()) {
        out += "\n指摘はありません。\n";
        return out;
    }
    out += "\n指摘 " + std::to_string(result.findings.size()) + " 件\n";
    std::vector<std::vector<std::string>> rows{{"行", "路線番号", "値", "基準", "内容"}};
    for (const Finding& f : result.findings)
        rows.push_back({std::to_string(f.row), f.label, withUnit(f, f.value), withUnit(f, f.limit),
                        findingText(f)});
    out += textTable(rows, {true, false, true, true, false});
    return out;
}

}  // namespace kandoru::check
