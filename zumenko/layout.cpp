// The layout button, the automatic datum level and the checks of the layout fields.
#include "zumenko/layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/numtext.h"

namespace zumenko {
namespace {

std::string_view withoutBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The number's text for from_chars, which takes no leading "+".
std::string_view trimmed(std::string_view s) {
    s = withoutBlanks(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    return s;
}

// Ground-to-DL drop in metres: GroundAboveDatumMm (paper mm) at the vertical scale.
double dropM(const Drawing& doc) {
    return doc.format.number(common::FormatItem::GroundAboveDatumMm) *
           doc.format.number(common::FormatItem::VerticalScale) / 1000;
}

}  // namespace

int stationCount(const Drawing& doc) {
    for (int r = 1; r <= doc.fgrid7.dataRows(); ++r)
        if (doc.fgrid7.text(r, SplitPointCol::Distance).empty()) return r - 1;
    return doc.fgrid7.dataRows();
}

double floorToFive(double x) { return std::floor(x / 5) * 5 + 0.0; }

double automaticDatumLevel(const Drawing& doc, bool upstreamToDownstream) {
    const common::Table& t = upstreamToDownstream ? doc.fgrid7 : doc.fgrid10;
    double lowest = common::val(t.text(1, SplitPointCol::Ground));
    for (int r = 2; r <= t.dataRows() && !t.text(r, SplitPointCol::Ground).empty(); ++r)
        lowest = std::min(lowest, common::val(t.text(r, SplitPointCol::Ground)));
    return floorToFive(lowest - dropM(doc));
}

LayoutResult layoutButton(const Drawing& doc, int startNo, int endNo) {
    LayoutResult res;
    res.startNo = startNo;
    res.endNo = endNo;
    const int n = stationCount(doc);
    if (n < 2) return res;
    if (endNo > n) endNo = n;
    if (startNo > n) startNo = n;
    startNo = std::max(startNo, 1);  // row 0 holds the headings
    if (startNo >= endNo) endNo = startNo + 1;
    if (endNo > n) {  // the start was the last station: the stretch is the last span
        endNo = n;
        startNo = n - 1;
    }
    res.ok = true;
    res.startNo = startNo;
    res.endNo = endNo;
    res.length = common::valFloat(doc.fgrid7.text(endNo, SplitPointCol::Distance)) -
                 common::valFloat(doc.fgrid7.text(startNo, SplitPointCol::Distance));
    res.lengthText = common::formatGeneral(res.length);
    res.datumLevel =
        floorToFive(common::val(doc.fgrid7.text(endNo, SplitPointCol::Ground)) - dropM(doc));
    res.datumText = common::formatGeneral(res.datumLevel);
    return res;
}

std::string trimmedField(std::string_view text) { return std::string(withoutBlanks(text)); }

std::optional<int> parseStationNumber(std::string_view text) {
    std::string_view s = trimmed(text);
    int v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> parseDatumLevel(std::string_view text) {
    std::string_view s = trimmed(text);
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

}  // namespace zumenko
