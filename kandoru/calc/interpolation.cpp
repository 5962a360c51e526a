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
std::unordered_map<std::string_view, int> lastRows(const common::Table& t) {
    std::unordered_map<std::string_view, int> rows;
    rows.reserve(static_cast<size_t>(t.rows()));
    for (int r = 1; r < t.rows() && !t.text(r, 1).empty(); ++r) rows[t.text(r, 1)] = r;
    return rows;
}

// Each route's split lengths must add up to its length. Blank lengths become "0".
bool lengthCheck(Document& doc, common::Ui& ui) {
    const auto& routes = doc.fgrid1;
    auto& split = doc.fgrid2;
    const std::string& outlet = doc.settings.outletRoute;
    bool ok = true;
    int counter = 0;
    for (int r = 1; r < routes.rows() && !routes.text(r, 1).empty(); ++r) {
        if (routes.text(r, 1) == outlet) break;
        const int n = splitCount(routes.text(r, 3));
        float sum = 0;  // single precision, as the lengths
        for (int k = 1; k <= n; ++k) {
            const int s = ++counter;
            if (split.text(s, 2).empty()) split.setText(s, 2, "0");
            sum = sum + cellFloat(doc, split, s, 2);
        }
        const float length = cellFloat(doc, routes, r, 2);
        // To the millimetre: 10.100 + 10.100 + 10.100 is 30.300001 in single precision.
        if (common::formatMask(length, 3) != common::formatMask(sum, 3)) {
            ui.message(common::Icon::Critical, "路線距離エラー",
                       "路線番号 " + routes.text(r, 1) +
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
        if (!routes.text(r, 1).empty() && routes.text(r, 1) != doc.settings.outletRoute &&
            routes.text(r, 2).empty())
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
        if (f8.text(a, 3).empty() || f7.text(j, 3).empty()) break;
        const float pointDistance = cellFloat(doc, f8, a, 3);
        const float previousDistance = cellFloat(doc, f8, a - 1, 3);
        const float previousGround = cellFloat(doc, f8, a - 1, 4);
        const float gradient = cellFloat(doc, f8, a, 5);  // percent
        float splitDistance = cellFloat(doc, f7, j, 3);
        while (pointDistance > splitDistance) {
            const float delta = splitDistance - previousDistance;
            const float rise = gradient * delta / 100;  // product, then the division
            const float level = previousGround + rise;
            putValue(doc, f7, j, 4, RoundToDigits(level, gradientDigits));
            ++j;
            if (f7.text(j, 3).empty()) {
                done = true;
                break;
            }
            splitDistance = cellFloat(doc, f7, j, 3);
        }
    }

    // Typed ground levels stand.
    std::unordered_map<std::string_view, int> splitRows;
    for (int b = 1; b < f7.rows() && !f7.text(b, 1).empty(); ++b) {
        if (doc.groundMark(b) != 10) continue;
        if (splitRows.empty()) splitRows = lastRows(split);
        auto it = splitRows.find(f7.text(b, 1));
        if (it != splitRows.end()) f7.setText(b, 4, mask3Text(split.text(it->second, 3)));
    }

    // A split of no length has no ground of its own, fixed or not.
    for (int c = 1; c < split.rows() && !split.text(c, 1).empty(); ++c)
        if (f7.text(c, 2) == "0.000") f7.setText(c, 4, "0.000");

    const auto f7Rows = lastRows(f7);
    for (int d = 1; d < split.rows() && !split.text(d, 1).empty(); ++d) {
        auto it = f7Rows.find(split.text(d, 1));
        if (it != f7Rows.end()) split.setText(d, 3, mask3Text(f7.text(it->second, 4)));
    }

    // The drawing takes its ground points from FGrid5: give it the interpolated levels.
    buildFGrid5(doc);
}

}  // namespace kandoru
