// The design checks written out: the tab-separated table, the plain listing of gesui
// check and the texts the panel and the calculation sheet share.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "kandoru/check/design_check.h"

namespace kandoru::check {

// "マニング式" or "クッター式".
std::string formulaName(FlowFormula formula);

// The settings and limits the checks used, as (caption, value) lines in Japanese.
std::vector<std::pair<std::string, std::string>> settingsSummary(const CheckSettings& s);

// One span's numbers as shown: D mm, gradient ‰, n, V m/s (3 decimals), Q m³/s (5).
struct SpanTexts {
    std::string sizeMm, gradient, n, velocity, flow;
};
SpanTexts spanTexts(const Span& span);

// The rule with what part of the row it concerns: "土被りが最小土被り未満（起点）".
std::string findingText(const Finding& f);
// A value or limit with its unit: "0.584 m/s".
std::string withUnit(const Finding& f, const std::string& number);

// UTF-8, LF: "span\tlabel\tcode\tD mm\tgradient\tn\tV\tQ" for every span with hydraulics,
// then "finding\trule\tlabel\tvalue\tlimit" for each finding.
std::string checkTsv(const CheckResult& result);

// The listing gesui check prints: the settings, the span table and the findings.
std::string checkListing(const std::string& projectName, const CheckResult& result);

// Columns of a text table padded to their display width (a full-width character counts
// two columns, a half-width katakana one).
size_t displayWidth(const std::string& utf8);

}  // namespace kandoru::check
