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
        if (routes.text(r, RouteCol::Route).empty()) {
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
        if (cps.text(r, ChangePointCol::Route) != outlet) continue;
        ui.message(Icon::Critical, "路線番号入力エラー",
                   "流末路線番号 (" + rowText(r) + "行" + ") は入力できません。\r\n" +
                       "もしくは、有効データが入力されていません。");
        for (int c = 1; c <= ChangePointCol::Count; ++c) cps.setText(r, c, "");
        cps.removeRow(r);
        cps.setCurrentRow(cps.dataRows());
        return false;
    }

    const int routeEnd = firstBlank(routes, RouteCol::Route);
    std::unordered_map<std::string, std::vector<int>> routeRows;
    for (int r = 1; r < routeEnd; ++r) routeRows[routes.text(r, RouteCol::Route)].push_back(r);

    const int cpEnd = firstBlank(cps, ChangePointCol::Route);
    for (int r = 1; r < cpEnd; ++r) {
        if (routeRows.count(cps.text(r, ChangePointCol::Route))) continue;
        ui.message(Icon::Critical, "路線番号入力エラー",
                   "地盤変化点データの　" + rowText(r) + "　行目の路線番号は無効です。");
        return false;
    }

    for (int r = 1; r < cpEnd; ++r) {
        if (cps.text(r, ChangePointCol::Distance).empty())
            cps.setText(r, ChangePointCol::Distance, "0.000");
        if (cps.text(r, ChangePointCol::Ground).empty())
            cps.setText(r, ChangePointCol::Ground, "0.000");
        if (cps.text(r, ChangePointCol::Cover).empty())
            cps.setText(r, ChangePointCol::Cover, "1.000");
    }

    for (int r = 1; r <= cps.dataRows(); ++r) {
        if (cps.text(r, ChangePointCol::Route).empty() ||
            cps.text(r, ChangePointCol::Distance) != "0.000")
            continue;
        ui.message(Icon::Critical, "距離入力エラー",
                   "地盤変化点データの　" + rowText(r) +
                       "　行目の距離は ０m "
                       "以上にしてください。\r\n地盤変化点に人孔がある場合は入力不要です。");
        return false;
    }

    for (int r = 1; r < cpEnd; ++r) {
        const float distance = cellFloat(doc, cps, r, ChangePointCol::Distance);
        for (int rr : routeRows[cps.text(r, ChangePointCol::Route)]) {
            if (distance < cellFloat(doc, routes, rr, RouteCol::Length)) continue;
            ui.message(Icon::Critical, "距離入力エラー",
                       "地盤変化点データの　" + rowText(r) + "　行目の距離を　" +
                           routes.text(rr, RouteCol::Length) + "m 未満にしてください。");
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
        const std::string& route = routes.text(r, RouteCol::Route);
        std::string count = routes.text(r, RouteCol::SplitCount);
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
        labelled[static_cast<size_t>(r)] = !split.text(r, SplitCol::Label).empty();
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
    const int changePoints = firstBlank(doc.fgrid4, ChangePointCol::Route) - 1;
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
        if (routes.text(r, RouteCol::Route) == outlet) {
            if (routes.text(r, RouteCol::Ground).empty())
                routes.setText(r, RouteCol::Ground, outletGround);
            routes.setText(r, RouteCol::Length, "");
            if (common::val(routes.text(r, RouteCol::SplitCount)) > 1)
                routes.setText(r, RouteCol::SplitCount, "1");
            outletRow = r;
            break;
        }
        if (routes.text(r, RouteCol::Route).empty()) routes.setText(r, RouteCol::Route, outlet);
        if (routes.text(r, RouteCol::SplitCount).empty())
            routes.setText(r, RouteCol::SplitCount, "1");
        if (routes.text(r, RouteCol::Ground).empty())
            routes.setText(r, RouteCol::Ground, outletGround);
        if (routes.text(r, RouteCol::Route) == outlet) {
            outletRow = r;
            break;
        }
    }
    if (outletRow > 0)
        for (int r = outletRow + 1; r <= routes.dataRows(); ++r)
            for (int c = 1; c <= RouteCol::Count; ++c) routes.setText(r, c, "");

    // Zero lengths are generated afresh below.
    for (int r = 1; r < split.rows() && !split.text(r, SplitCol::Length).empty(); ++r)
        if (common::valFloat(split.text(r, SplitCol::Length)) == 0)
            split.setText(r, SplitCol::Length, "");

    int counter = 0;
    for (int r = 1; r < routes.rows() && !routes.text(r, RouteCol::Route).empty(); ++r) {
        const std::string& route = routes.text(r, RouteCol::Route);
        const bool isOutlet = route == outlet;
        const std::string& count = routes.text(r, RouteCol::SplitCount);
        const int n = splitCount(count);
        const double asNumber = common::val(count);
        for (int k = 1; k <= n; ++k) {
            const int s = ++counter;
            if (k == 1) {
                split.setText(s, SplitCol::Label, route);
                if (isOutlet) {
                    split.setText(s, SplitCol::Ground, mask3Text(routes.text(r, RouteCol::Ground)));
                } else if (split.text(s, SplitCol::Length).empty()) {
                    split.setText(s, SplitCol::Length, mask3Text(routes.text(r, RouteCol::Length)));
                    split.setText(s, SplitCol::Ground, mask3Text(routes.text(r, RouteCol::Ground)));
                }
            } else if (asNumber >= k) {
                split.setText(s, SplitCol::Label, route + "-" + std::to_string(k - 1));
                if (split.text(s, SplitCol::Length).empty()) {
                    split.setText(s, SplitCol::Length, "0.000");
                    split.setText(s, SplitCol::Ground, "0.000");
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
    row(1)[ProfilePointCol::Distance] = "0.000";
    float total = 0;  // running distance, single precision
    int r = 1;
    for (; r < routes.rows() && !routes.text(r, RouteCol::Route).empty(); ++r) {
        const std::string& length = routes.text(r, RouteCol::Length);
        if (routes.text(r, RouteCol::Route) != outlet && length.empty()) {
            ui.message(Icon::Critical, "路線長入力エラー",
                       "路線長 (" + rowText(r) + "行" + ") を入力してください。");
            // The table as far as it was built.
            for (int w = 1; w <= static_cast<int>(rows.size()); ++w)
                for (size_t c = 1; c < width; ++c)
                    f8.setText(w, static_cast<int>(c), rows[static_cast<size_t>(w - 1)][c]);
            return false;
        }
        row(r)[ProfilePointCol::Label] = routes.text(r, RouteCol::Route);
        if (!length.empty()) row(r)[ProfilePointCol::Length] = length;
        row(r)[ProfilePointCol::Ground] = routes.text(r, RouteCol::Ground);
        if (!length.empty()) {
            total = total + cellFloat(doc, routes, r, RouteCol::Length);
            row(r + 1)[ProfilePointCol::Distance] =
                valueText(doc, f8, r + 1, ProfilePointCol::Distance, total);
        }
    }
    const int routeRows = r - 1;

    // FGrid8, change points below the route rows, placed by their route's start.
    const ChangePointStarts starts(
        doc, static_cast<size_t>(routeRows),
        [&](size_t i) -> const std::string& { return rows[i][ProfilePointCol::Label]; },
        [&](size_t i) { return common::valFloat(rows[i][ProfilePointCol::Distance]); });
    int w = routeRows;
    for (int c = 1; c < cps.rows() && !cps.text(c, ChangePointCol::Route).empty(); ++c) {
        ++w;
        auto& cp = row(w);
        cp[ProfilePointCol::Label] = changePointLabel(cps.text(c, ChangePointCol::Route));
        cp[ProfilePointCol::Length] = cps.text(c, ChangePointCol::Distance);
        cp[ProfilePointCol::Ground] = cps.text(c, ChangePointCol::Ground);
        cp[ProfilePointCol::Cover] = cps.text(c, ChangePointCol::Cover);
        const float distance =
            cellFloat(doc, cps, c, ChangePointCol::Distance) + starts.start(c);  // float
        cp[ProfilePointCol::Distance] = valueText(doc, f8, w, ProfilePointCol::Distance, distance);
    }
    writeSortedRows(f8, rows, ProfilePointCol::Distance);

    // Segment lengths, then the ground gradient (%) of the segment ending at each row.
    for (int u = 1; u + 1 < f8.rows() && !f8.text(u + 1, ProfilePointCol::Distance).empty(); ++u) {
        float segment = cellFloat(doc, f8, u + 1, ProfilePointCol::Distance) -
                        cellFloat(doc, f8, u, ProfilePointCol::Distance);
        putValue(doc, f8, u, ProfilePointCol::Length, segment);
    }
    const std::optional<int> gradientDigits = digitCount(digitSetting(doc, kDigitGradient));
    for (int u = 1; u + 1 < f8.rows() && !f8.text(u + 1, ProfilePointCol::Ground).empty(); ++u) {
        const float length = cellFloat(doc, f8, u, ProfilePointCol::Length);
        if (length == 0) continue;
        // float throughout: (ground difference / length) * 100
        float gradient = (cellFloat(doc, f8, u + 1, ProfilePointCol::Ground) -
                          cellFloat(doc, f8, u, ProfilePointCol::Ground)) /
                         length * 100;
        putValue(doc, f8, u + 1, ProfilePointCol::Gradient,
                 RoundToDigits(gradient, gradientDigits));
    }

    // FGrid7: row s is split row s. Cleared first, so that rows of a longer earlier
    // split table do not live on in FGrid5 and the drawing.
    FGrid7midasi(doc);
    const std::string outletGround = common::mask3(doc.settings.outletGround);
    f7.setText(1, SplitPointCol::Distance, "0.000");
    total = 0;
    for (int s = 1; s < split.rows() && !split.text(s, SplitCol::Label).empty(); ++s) {
        if (split.text(s, SplitCol::Label) == outlet) {
            split.setText(s, SplitCol::Length, "");
            if (split.text(s, SplitCol::Ground).empty())
                split.setText(s, SplitCol::Ground, outletGround);
        }
        f7.setText(s, SplitPointCol::Label, split.text(s, SplitCol::Label));
        const std::string& length = split.text(s, SplitCol::Length);
        if (!length.empty()) f7.setText(s, SplitPointCol::Length, length);
        if (split.text(s, SplitCol::Ground).empty()) split.setText(s, SplitCol::Ground, "0");
        f7.setText(s, SplitPointCol::Ground, split.text(s, SplitCol::Ground));
        if (!length.empty()) {
            total = total + cellFloat(doc, split, s, SplitCol::Length);
            putValue(doc, f7, s + 1, SplitPointCol::Distance, total);
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
    const int points = firstBlank(f7, SplitPointCol::Label) - 1;
    const int changePoints = firstBlank(cps, ChangePointCol::Route) - 1;
    const ChangePointStarts starts(
        doc, static_cast<size_t>(points),
        [&](size_t i) -> const std::string& {
            return f7.text(static_cast<int>(i) + 1, SplitPointCol::Label);
        },
        [&](size_t i) {
            return common::valFloat(f7.text(static_cast<int>(i) + 1, SplitPointCol::Distance));
        });
    std::vector<std::string> changePointDistance(static_cast<size_t>(changePoints));
    for (int c = 1; c <= changePoints; ++c) {
        const float distance =
            cellFloat(doc, cps, c, ChangePointCol::Distance) + starts.start(c);  // float
        changePointDistance[static_cast<size_t>(c - 1)] =
            valueText(doc, f5, points + c, GroundPointCol::Distance, distance);
    }
    std::vector<double> keys(static_cast<size_t>(points + changePoints));
    for (int s = 1; s <= points; ++s)
        keys[static_cast<size_t>(s - 1)] = common::val(f7.text(s, SplitPointCol::Distance));
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
            put(r, GroundPointCol::Label, f7.text(i + 1, SplitPointCol::Label));
            put(r, GroundPointCol::Distance, f7.text(i + 1, SplitPointCol::Distance));
            put(r, GroundPointCol::Ground, f7.text(i + 1, SplitPointCol::Ground));
        } else {
            const int c = i - points + 1;
            put(r, GroundPointCol::Label, changePointLabel(cps.text(c, ChangePointCol::Route)));
            put(r, GroundPointCol::Distance, changePointDistance[static_cast<size_t>(c - 1)]);
            put(r, GroundPointCol::Ground, cps.text(c, ChangePointCol::Ground));
        }
    }
    f5.setCurrent(1, GroundPointCol::Label);
}

}  // namespace kandoru
