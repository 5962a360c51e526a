// The split calculation: checks, span generation (Spancalc) and work tables (CopySet).
#include "kandoru/calc/split.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/numtext.h"
#include "kandoru/calc/cell_values.h"
#include "kandoru/calc/interpolation.h"
#include "kandoru/calc/rounding.h"

namespace kandoru {

using common::Icon;

namespace {

constexpr int kMaxRows = 1000;  // split table and merged work tables

const char* const kConfirmText =
    "分割計算を実行してもよろしいですか\r\n"
    "実行すると以前の分割データは更新されます\r\n"
    "元に戻すことは出来ません\r\n"
    "\r\n"
    "更新しない場合は、上部の分割データタブをクリックして下さい　　";

std::string rowText(int r) { return std::to_string(r); }

// Step 1: a route row after a blank route row. Reports and returns false.
bool blankRowCheck(const Document& doc, common::Ui& ui) {
    const auto& routes = doc.fgrid1;
    bool blankSeen = false;
    for (int r = 1; r <= routes.dataRows(); ++r) {
        if (routes.text(r, 1).empty()) {
            blankSeen = true;
        } else if (blankSeen) {
            ui.message(
                Icon::Exclamation, "データエラー",
                "データの途中に、空白行があるので計算出来ません。空白行を削除してください。");
            return false;
        }
    }
    return true;
}

// Step 2: the change-point checks, each ending the operation. Writes the defaults of 2.3
// and removes a change point on the outlet route.
bool changePointChecks(Document& doc, common::Ui& ui) {
    auto& cps = doc.fgrid4;
    const auto& routes = doc.fgrid1;
    const std::string& outlet = doc.settings.outletRoute;

    for (int r = 1; r <= cps.dataRows(); ++r) {
        if (cps.text(r, 1) != outlet) continue;
        ui.message(Icon::Critical, "路線番号入力エラー",
                   "流末路線番号 (" + rowText(r) + "行" + ") は入力できません。\r\n" +
                       "もしくは、有効データが入力されていません。");
        for (int c = 1; c <= 4; ++c) cps.setText(r, c, "");
        cps.removeRow(r);
        cps.setCurrentRow(cps.dataRows());
        return false;
    }

    const int routeEnd = firstBlank(routes, 1);
    std::unordered_map<std::string, std::vector<int>> routeRows;
    for (int r = 1; r < routeEnd; ++r) routeRows[routes.text(r, 1)].push_back(r);

    const int cpEnd = firstBlank(cps, 1);
    for (int r = 1; r < cpEnd; ++r) {
        if (routeRows.count(cps.text(r, 1))) continue;
        ui.message(Icon::Critical, "路線番号入力エラー",
                   "地盤変化点データの　" + rowText(r) + "　行目の路線番号は無効です。");
        return false;
    }

    for (int r = 1; r < cpEnd; ++r) {
        if (cps.text(r, 2).empty()) cps.setText(r, 2, "0.000");
        if (cps.text(r, 3).empty()) cps.setText(r, 3, "0.000");
        if (cps.text(r, 4).empty()) cps.setText(r, 4, "1.000");
    }

    for (int r = 1; r <= cps.dataRows(); ++r) {
        if (cps.text(r, 1).empty() || cps.text(r, 2) != "0.000") continue;
        ui.message(Icon::Critical, "距離入力エラー",
                   "地盤変化点データの　" + rowText(r) +
                       "　行目の距離は ０m "
                       "以上にしてください。\r\n地盤変化点に人孔がある場合は入力不要です。");
        return false;
    }

    for (int r = 1; r < cpEnd; ++r) {
        const float distance = cellFloat(doc, cps, r, 2);
        for (int rr : routeRows[cps.text(r, 1)]) {
            if (distance < cellFloat(doc, routes, rr, 2)) continue;
            ui.message(Icon::Critical, "距離入力エラー",
                       "地盤変化点データの　" + rowText(r) + "　行目の距離を　" +
                           routes.text(rr, 2) + "m 未満にしてください。");
            return false;
        }
    }
    return true;
}

// A route row as the span generation will see it after the normalisation.
struct PlannedRoute {
    int row;
    bool outlet;
    std::string count;  // the split-count text after the normalisation
};

// The route rows down to the outlet row, normalised on paper: nothing is written.
std::vector<PlannedRoute> planRoutes(const Document& doc) {
    const auto& routes = doc.fgrid1;
    const std::string& outlet = doc.settings.outletRoute;
    std::vector<PlannedRoute> plan;
    for (int r = 1; r <= routes.dataRows(); ++r) {
        const std::string& route = routes.text(r, 1);
        std::string count = routes.text(r, 3);
        if (route == outlet) {
            if (common::hasNumber(count) && common::val(count) > 1) count = "1";
            plan.push_back({r, true, count});
            break;
        }
        if (count.empty()) count = "1";
        bool becomesOutlet = route.empty();  // the first blank row becomes the outlet row
        plan.push_back({r, becomesOutlet, count});
        if (becomesOutlet) break;
    }
    return plan;
}

// The checks that keep the split rows inside the tables, before anything is written:
// every split count giving its route at least one split and a label on each, at most 1000
// split rows, and split rows and change points together within the merged work tables.
bool sizeChecks(const Document& doc, common::Ui& ui) {
    const auto plan = planRoutes(doc);
    long long total = 0;
    for (const auto& p : plan) {
        // The count rounded half to even must give the route at least one split, and no
        // more splits than the count reaches ("1.5" would make two rows, the second never
        // labelled): an unlabelled row in the middle of the table ends every later scan.
        const double count = common::val(p.count);
        const int n = splitCount(p.count);
        if (!common::hasNumber(p.count) || n < 1 || count < n) {
            ui.message(
                Icon::Critical, "分割数入力エラー",
                "路線基本データの　" + rowText(p.row) + "　行目の分割数が正しくありません。");
            return false;
        }
        total += splitCount(p.count);
    }
    if (total > kMaxRows) {
        ui.message(Icon::Critical, "データエラー",
                   "分割数の合計が1000行を超えるため計算出来ません。");
        return false;
    }

    // Split rows the work tables will hold: the labelled rows after the generation, down
    // to the first blank label (rows below the generated ones keep their labels).
    const auto& split = doc.fgrid2;
    std::vector<char> labelled(static_cast<size_t>(kMaxRows) + 2, 0);
    for (int r = 1; r <= kMaxRows; ++r)
        labelled[static_cast<size_t>(r)] = !split.text(r, 1).empty();
    int counter = 0;
    for (const auto& p : plan) {
        const int n = splitCount(p.count);
        const double asNumber = common::val(p.count);
        for (int k = 1; k <= n; ++k) {
            ++counter;
            if (k == 1 || asNumber >= k) labelled[static_cast<size_t>(counter)] = 1;
        }
    }
    int splitRows = 0;
    while (splitRows < kMaxRows && labelled[static_cast<size_t>(splitRows + 1)]) ++splitRows;
    const int changePoints = firstBlank(doc.fgrid4, 1) - 1;
    if (splitRows + changePoints > kMaxRows) {
        ui.message(Icon::Critical, "データエラー",
                   "分割データと地盤変化点の合計が1000行を超えるため計算出来ません。");
        return false;
    }
    return true;
}

SplitOutcome runOperation(Document& doc, common::Ui& ui) {
    const bool noGap = blankRowCheck(doc, ui);
    if (!changePointChecks(doc, ui)) return SplitOutcome::Stopped;
    if (!noGap) return SplitOutcome::Stopped;

    bool answer = true;
    if (doc.splitDataMark) answer = ui.ask("分割計算", kConfirmText, Icon::Question);
    if (doc.settings.outletRoute.empty() || doc.settings.outletGround.empty()) {
        ui.message(Icon::Critical, "未入力警告", "流末設定が未入力です");
        return SplitOutcome::Stopped;
    }
    if (!answer) return SplitOutcome::Stopped;
    if (!sizeChecks(doc, ui)) return SplitOutcome::Stopped;

    Spancalc(doc);
    // Hokan starts by building the work tables from the same cells, so CopySet runs here
    // only when Hokan will not: a route without length, which CopySet reports.
    if (routeLengthsPresent(doc))
        Hokan(doc, ui);
    else
        CopySet(doc, ui);

    doc.splitDataMark = true;
    doc.setCurrentTab(kTabSplit, ui);
    return SplitOutcome::Completed;
}

}  // namespace

int splitCount(const std::string& countText) {
    double n = std::nearbyint(common::val(countText));  // halves to even
    if (!(n > -1e6)) return -1000000;
    if (n > 1e6) return 1000000;
    return static_cast<int>(n);
}

SplitOutcome splitCalculation(Document& doc, common::Ui& ui, SplitButton button) {
    if (button != SplitButton::Split) doc.splitDataMark = false;
    try {
        return runOperation(doc, ui);
    } catch (const NonFiniteValue& where) {
        reportNonFinite(ui, where);
        return SplitOutcome::NonFinite;
    }
}

void Spancalc(Document& doc) {
    auto& routes = doc.fgrid1;
    auto& split = doc.fgrid2;
    const std::string& outlet = doc.settings.outletRoute;
    const std::string outletGround = common::mask3(doc.settings.outletGround);

    FGrid2midasi(doc);

    // Normalise down to the outlet row, which thereby becomes the last route.
    int outletRow = 0;
    for (int r = 1; r <= routes.dataRows(); ++r) {
        if (routes.text(r, 1) == outlet) {
            if (routes.text(r, 4).empty()) routes.setText(r, 4, outletGround);
            routes.setText(r, 2, "");
            if (common::val(routes.text(r, 3)) > 1) routes.setText(r, 3, "1");
            outletRow = r;
            break;
        }
        if (routes.text(r, 1).empty()) routes.setText(r, 1, outlet);
        if (routes.text(r, 3).empty()) routes.setText(r, 3, "1");
        if (routes.text(r, 4).empty()) routes.setText(r, 4, outletGround);
        if (routes.text(r, 1) == outlet) {
            outletRow = r;
            break;
        }
    }
    if (outletRow > 0)
        for (int r = outletRow + 1; r <= routes.dataRows(); ++r)
            for (int c = 1; c <= 4; ++c) routes.setText(r, c, "");

    // Zero lengths are generated afresh below.
    for (int r = 1; r < split.rows() && !split.text(r, 2).empty(); ++r)
        if (common::valFloat(split.text(r, 2)) == 0) split.setText(r, 2, "");

    int counter = 0;
    for (int r = 1; r < routes.rows() && !routes.text(r, 1).empty(); ++r) {
        const std::string& route = routes.text(r, 1);
        const bool isOutlet = route == outlet;
        const std::string& count = routes.text(r, 3);
        const int n = splitCount(count);
        const double asNumber = common::val(count);
        for (int k = 1; k <= n; ++k) {
            const int s = ++counter;
            if (k == 1) {
                split.setText(s, 1, route);
                if (isOutlet) {
                    split.setText(s, 3, mask3Text(routes.text(r, 4)));
                } else if (split.text(s, 2).empty()) {
                    split.setText(s, 2, mask3Text(routes.text(r, 2)));
                    split.setText(s, 3, mask3Text(routes.text(r, 4)));
                }
            } else if (asNumber >= k) {
                split.setText(s, 1, route + "-" + std::to_string(k - 1));
                if (split.text(s, 2).empty()) {
                    split.setText(s, 2, "0.000");
                    split.setText(s, 3, "0.000");
                }
            }
        }
    }
}

bool CopySet(Document& doc, common::Ui& ui) {
    const auto& routes = doc.fgrid1;
    const auto& cps = doc.fgrid4;
    auto& split = doc.fgrid2;
    auto& f7 = doc.fgrid7;
    auto& f8 = doc.fgrid8;
    const std::string& outlet = doc.settings.outletRoute;

    FGrid5midasi(doc);
    FGrid8midasi(doc);

    // FGrid8, route rows: column 3 is the route's start distance along the chain. The
    // rows are put together first and written once, in distance order.
    const auto width = static_cast<size_t>(f8.cols());
    std::vector<common::Table::Row> rows;
    rows.reserve(static_cast<size_t>(f8.dataRows()));
    auto row = [&](int r) -> common::Table::Row& {  // row r (1-based) of the table to be
        while (static_cast<int>(rows.size()) < r) rows.emplace_back(width);
        return rows[static_cast<size_t>(r - 1)];
    };
    row(1)[3] = "0.000";
    float total = 0;  // running distance, single precision
    int r = 1;
    for (; r < routes.rows() && !routes.text(r, 1).empty(); ++r) {
        const std::string& length = routes.text(r, 2);
        if (routes.text(r, 1) != outlet && length.empty()) {
            ui.message(Icon::Critical, "路線長入力エラー",
                       "路線長 (" + rowText(r) + "行" + ") を入力してください。");
            // The table as far as it was built.
            for (int w = 1; w <= static_cast<int>(rows.size()); ++w)
                for (size_t c = 1; c < width; ++c)
                    f8.setText(w, static_cast<int>(c), rows[static_cast<size_t>(w - 1)][c]);
            return false;
        }
        row(r)[1] = routes.text(r, 1);
        if (!length.empty()) row(r)[2] = length;
        row(r)[4] = routes.text(r, 4);
        if (!length.empty()) {
            total = total + cellFloat(doc, routes, r, 2);
            row(r + 1)[3] = valueText(doc, f8, r + 1, 3, total);
        }
    }
    const int routeRows = r - 1;

    // FGrid8, change points below the route rows, placed by their route's start.
    const ChangePointStarts starts(
        doc, static_cast<size_t>(routeRows),
        [&](size_t i) -> const std::string& { return rows[i][1]; },
        [&](size_t i) { return common::valFloat(rows[i][3]); });
    int w = routeRows;
    for (int c = 1; c < cps.rows() && !cps.text(c, 1).empty(); ++c) {
        ++w;
        auto& cp = row(w);
        cp[1] = changePointLabel(cps.text(c, 1));
        cp[2] = cps.text(c, 2);
        cp[4] = cps.text(c, 3);
        cp[7] = cps.text(c, 4);
        const float distance = cellFloat(doc, cps, c, 2) + starts.start(c);  // float
        cp[3] = valueText(doc, f8, w, 3, distance);
    }
    writeSortedRows(f8, rows, 3);

    // Segment lengths, then the ground gradient (%) of the segment ending at each row.
    for (int u = 1; u + 1 < f8.rows() && !f8.text(u + 1, 3).empty(); ++u) {
        float segment = cellFloat(doc, f8, u + 1, 3) - cellFloat(doc, f8, u, 3);
        putValue(doc, f8, u, 2, segment);
    }
    const std::optional<int> gradientDigits = digitCount(digitSetting(doc, kDigitGradient));
    for (int u = 1; u + 1 < f8.rows() && !f8.text(u + 1, 4).empty(); ++u) {
        const float length = cellFloat(doc, f8, u, 2);
        if (length == 0) continue;
        // float throughout: (ground difference / length) * 100
        float gradient = (cellFloat(doc, f8, u + 1, 4) - cellFloat(doc, f8, u, 4)) / length * 100;
        putValue(doc, f8, u + 1, 5, RoundToDigits(gradient, gradientDigits));
    }

    // FGrid7: row s is split row s. Cleared first, so that rows of a longer earlier
    // split table do not live on in FGrid5 and the drawing.
    FGrid7midasi(doc);
    const std::string outletGround = common::mask3(doc.settings.outletGround);
    f7.setText(1, 3, "0.000");
    total = 0;
    for (int s = 1; s < split.rows() && !split.text(s, 1).empty(); ++s) {
        if (split.text(s, 1) == outlet) {
            split.setText(s, 2, "");
            if (split.text(s, 3).empty()) split.setText(s, 3, outletGround);
        }
        f7.setText(s, 1, split.text(s, 1));
        const std::string& length = split.text(s, 2);
        if (!length.empty()) f7.setText(s, 2, length);
        if (split.text(s, 3).empty()) split.setText(s, 3, "0");
        f7.setText(s, 4, split.text(s, 3));
        if (!length.empty()) {
            total = total + cellFloat(doc, split, s, 2);
            putValue(doc, f7, s + 1, 3, total);
        }
    }

    buildFGrid5(doc);
    return true;
}

void buildFGrid5(Document& doc) {
    const auto& f7 = doc.fgrid7;
    const auto& cps = doc.fgrid4;
    auto& f5 = doc.fgrid5;
    FGrid5midasi(doc);
    // Item i is FGrid7 row i + 1 for i < points, then the change points.
    const int points = firstBlank(f7, 1) - 1;
    const int changePoints = firstBlank(cps, 1) - 1;
    const ChangePointStarts starts(
        doc, static_cast<size_t>(points),
        [&](size_t i) -> const std::string& { return f7.text(static_cast<int>(i) + 1, 1); },
        [&](size_t i) { return common::valFloat(f7.text(static_cast<int>(i) + 1, 3)); });
    std::vector<std::string> changePointDistance(static_cast<size_t>(changePoints));
    for (int c = 1; c <= changePoints; ++c) {
        const float distance = cellFloat(doc, cps, c, 2) + starts.start(c);  // float
        changePointDistance[static_cast<size_t>(c - 1)] =
            valueText(doc, f5, points + c, 2, distance);
    }
    std::vector<double> keys(static_cast<size_t>(points + changePoints));
    for (int s = 1; s <= points; ++s) keys[static_cast<size_t>(s - 1)] = common::val(f7.text(s, 3));
    for (int c = 1; c <= changePoints; ++c)
        keys[static_cast<size_t>(points + c - 1)] =
            common::val(changePointDistance[static_cast<size_t>(c - 1)]);
    std::vector<size_t> order = stableOrder(keys);
    order.resize(std::min(order.size(), static_cast<size_t>(f5.dataRows())));
    // The cells are empty from the heading routine: only texts are written.
    auto put = [&](int r, int col, const std::string& text) {
        if (!text.empty()) f5.setText(r, col, text);
    };
    for (size_t k = 0; k < order.size(); ++k) {
        const int r = static_cast<int>(k) + 1;
        const int i = static_cast<int>(order[k]);
        if (i < points) {
            put(r, 1, f7.text(i + 1, 1));
            put(r, 2, f7.text(i + 1, 3));
            put(r, 3, f7.text(i + 1, 4));
        } else {
            const int c = i - points + 1;
            put(r, 1, changePointLabel(cps.text(c, 1)));
            put(r, 2, changePointDistance[static_cast<size_t>(c - 1)]);
            put(r, 3, cps.text(c, 3));
        }
    }
    f5.setCurrent(1, 1);
}

}  // namespace kandoru
