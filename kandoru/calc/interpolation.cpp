// Hokan: ground levels of the split points, linear along the ground polyline.
#include "kandoru/calc/interpolation.h"

#include <string>
#include <string_view>
#include <unordered_map>

#include "common/numtext.h"
#include "kandoru/calc/cell_values.h"
#include "kandoru/calc/rounding.h"
#include "kandoru/calc/split.h"

namespace kandoru {

namespace {

// Row of the last occurrence of each label, rows 1 to the first blank label: a nested
// scan that assigns for every match leaves the last one standing.
std::unordered_map<std::string_view, int> lastRows(const common::Table& t, int labelCol) {
    std::unordered_map<std::string_view, int> rows;
    rows.reserve(static_cast<size_t>(t.rows()));
    for (int r = 1; r < t.rows() && !t.text(r, labelCol).empty(); ++r)
        rows[t.text(r, labelCol)] = r;
    return rows;
}

// Each route's split lengths must add up to its length. Blank lengths become "0".
bool lengthCheck(Document& doc, common::Ui& ui) {
    const auto& routes = doc.fgrid1;
    auto& split = doc.fgrid2;
    const std::string& outlet = doc.settings.outletRoute;
    bool ok = true;
    int counter = 0;
    for (int r = 1; r < routes.rows() && !routes.text(r, RouteCol::Route).empty(); ++r) {
        if (routes.text(r, RouteCol::Route) == outlet) break;
        const int n = splitCount(routes.text(r, RouteCol::SplitCount));
        float sum = 0;  // single precision, as the lengths
        for (int k = 1; k <= n; ++k) {
            const int s = ++counter;
            if (split.text(s, SplitCol::Length).empty()) split.setText(s, SplitCol::Length, "0");
            sum = sum + cellFloat(doc, split, s, SplitCol::Length);
        }
        const float length = cellFloat(doc, routes, r, RouteCol::Length);
        // To the millimetre: 10.100 + 10.100 + 10.100 is 30.300001 in single precision.
        if (common::formatMask(length, 3) != common::formatMask(sum, 3)) {
            ui.message(common::Icon::Critical, "路線距離エラー",
                       "路線番号 " + routes.text(r, RouteCol::Route) +
                           " の路線合計が、路線ﾃﾞｰﾀの路線長と合致しません。");
            ok = false;
        }
    }
    return ok;
}

}  // namespace

bool routeLengthsPresent(const Document& doc) {
    const auto& routes = doc.fgrid1;
    for (int r = 1; r <= routes.dataRows(); ++r)
        if (!routes.text(r, RouteCol::Route).empty() &&
            routes.text(r, RouteCol::Route) != doc.settings.outletRoute &&
            routes.text(r, RouteCol::Length).empty())
            return false;
    return true;
}

void Hokan(Document& doc, common::Ui& ui) {
    auto& split = doc.fgrid2;
    auto& f7 = doc.fgrid7;
    const auto& f8 = doc.fgrid8;

    if (!routeLengthsPresent(doc)) return;
    if (!CopySet(doc, ui)) return;
    if (!lengthCheck(doc, ui)) return;

    // Along FGrid8: every split point before polyline point a lies on segment a - 1 .. a.
    const std::optional<int> gradientDigits = digitCount(digitSetting(doc, kDigitGradient));
    int j = 1;
    bool done = false;
    for (int a = 2; a < f8.rows() && !done; ++a) {
        if (f8.text(a, ProfilePointCol::Distance).empty() ||
            f7.text(j, SplitPointCol::Distance).empty())
            break;
        const float pointDistance = cellFloat(doc, f8, a, ProfilePointCol::Distance);
        const float previousDistance = cellFloat(doc, f8, a - 1, ProfilePointCol::Distance);
        const float previousGround = cellFloat(doc, f8, a - 1, ProfilePointCol::Ground);
        const float gradient = cellFloat(doc, f8, a, ProfilePointCol::Gradient);  // percent
        float splitDistance = cellFloat(doc, f7, j, SplitPointCol::Distance);
        while (pointDistance > splitDistance) {
            const float delta = splitDistance - previousDistance;
            const float rise = gradient * delta / 100;  // product, then the division
            const float level = previousGround + rise;
            putValue(doc, f7, j, SplitPointCol::Ground, RoundToDigits(level, gradientDigits));
            ++j;
            if (f7.text(j, SplitPointCol::Distance).empty()) {
                done = true;
                break;
            }
            splitDistance = cellFloat(doc, f7, j, SplitPointCol::Distance);
        }
    }

    // Typed ground levels stand.
    std::unordered_map<std::string_view, int> splitRows;
    for (int b = 1; b < f7.rows() && !f7.text(b, SplitPointCol::Label).empty(); ++b) {
        if (doc.groundMark(b) != 10) continue;
        if (splitRows.empty()) splitRows = lastRows(split, SplitCol::Label);
        auto it = splitRows.find(f7.text(b, SplitPointCol::Label));
        if (it != splitRows.end())
            f7.setText(b, SplitPointCol::Ground,
                       mask3Text(split.text(it->second, SplitCol::Ground)));
    }

    // A split of no length has no ground of its own, fixed or not.
    for (int c = 1; c < split.rows() && !split.text(c, SplitCol::Label).empty(); ++c)
        if (f7.text(c, SplitPointCol::Length) == "0.000")
            f7.setText(c, SplitPointCol::Ground, "0.000");

    const auto f7Rows = lastRows(f7, SplitPointCol::Label);
    for (int d = 1; d < split.rows() && !split.text(d, SplitCol::Label).empty(); ++d) {
        auto it = f7Rows.find(split.text(d, SplitCol::Label));
        if (it != f7Rows.end())
            split.setText(d, SplitCol::Ground,
                          mask3Text(f7.text(it->second, SplitPointCol::Ground)));
    }

    // The drawing takes its ground points from FGrid5: give it the interpolated levels.
    buildFGrid5(doc);
}

}  // namespace kandoru
