// Judanhenka: the change-point pass on FGrid6, and its results put back into the split
// table, FGrid8 and the manhole table.
//
// Precision as in the main pass: cells are floats, settings doubles, each formula in the
// order of its rule.
#include "kandoru/calc/change_point.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/numtext.h"
#include "kandoru/calc/cell_values.h"
#include "kandoru/calc/profile.h"
#include "kandoru/calc/rounding.h"

namespace kandoru {

namespace {

constexpr int kMaxRows = 1000;

// Split-table column c goes to FGrid6 column kToWork[c].
constexpr int kToWork[SplitCol::Count + 1] = {0,
                                              WorkCol::Label,
                                              WorkCol::Length,
                                              WorkCol::Ground,
                                              WorkCol::PipeCode,
                                              WorkCol::Gradient,
                                              WorkCol::StartInvert,
                                              WorkCol::EndInvert,
                                              WorkCol::StartCover,
                                              WorkCol::EndCover,
                                              WorkCol::GroundMark,
                                              WorkCol::StartMark,
                                              WorkCol::EndMark};

bool isFixed(const std::string& mark) { return common::val(mark) == 10; }

// Builds FGrid6 (steps 1 to 5) and returns, for split row j, the FGrid6 row of its copy
// (index 0 unused).
std::vector<int> buildWorkTable(Document& doc, int splitRows, int changePoints) {
    const auto& sp = doc.fgrid2;
    const auto& cps = doc.fgrid4;
    auto& w = doc.fgrid6;
    FGrid6midasi(doc);

    // Item i is split row i + 1 for i < splitRows, then the change points: its distance
    // along the chain as text, and as the table gives it back.
    const auto total = static_cast<size_t>(splitRows + changePoints);
    std::vector<std::string> distanceText(total);
    std::vector<float> distance(total);
    auto setDistance = [&](size_t i, int row, float d) {
        distanceText[i] = valueText(doc, w, row, WorkCol::Distance, d);
        distance[i] = common::valFloat(distanceText[i]);
    };
    for (int r = 1; r <= splitRows; ++r) {
        const auto i = static_cast<size_t>(r - 1);
        if (r == 1)
            setDistance(i, r, 0.0f);
        else
            setDistance(i, r,
                        distance[i - 1] + cellFloat(doc, sp, r - 1, SplitCol::Length));  // float
    }
    // Each change point at its route's start plus its distance.
    const ChangePointStarts starts(
        doc, static_cast<size_t>(splitRows),
        [&](size_t i) -> const std::string& {
            return sp.text(static_cast<int>(i) + 1, SplitCol::Label);
        },
        [&](size_t i) { return distance[i]; });
    for (int c = 1; c <= changePoints; ++c) {
        const int k = splitRows + c;
        const float d =
            cellFloat(doc, cps, c, ChangePointCol::Distance) + starts.start(c);  // float
        setDistance(static_cast<size_t>(k - 1), k, d);
    }

    std::vector<double> keys(total);
    for (size_t i = 0; i < total; ++i) keys[i] = common::val(distanceText[i]);
    std::vector<size_t> order = stableOrder(keys);
    order.resize(std::min(order.size(), static_cast<size_t>(w.dataRows())));
    const int rows = static_cast<int>(order.size());
    std::vector<int> workRow(static_cast<size_t>(splitRows) + 2, 0);
    for (int k = 1; k <= rows; ++k) {
        const size_t i = order[static_cast<size_t>(k - 1)];
        if (i < static_cast<size_t>(splitRows)) {
            const int r = static_cast<int>(i) + 1;
            workRow[static_cast<size_t>(r)] = k;
            const auto& cells = sp.row(r);
            for (size_t c = 1; c <= SplitCol::Count;
                 ++c)  // the cells are empty from the heading routine
                if (!cells[c].empty()) w.setText(k, kToWork[c], cells[c]);
        } else {
            const int c = static_cast<int>(i) - splitRows + 1;
            w.setText(k, WorkCol::Label, changePointLabel(cps.text(c, ChangePointCol::Route)));
            w.setText(k, WorkCol::Ground, mask3Text(cps.text(c, ChangePointCol::Ground)));
            w.setText(k, WorkCol::PlannedCover, mask3Text(cps.text(c, ChangePointCol::Cover)));
        }
        w.setText(k, WorkCol::Distance, std::move(distanceText[i]));
    }

    // Lengths to the next row; the last row keeps its own.
    for (int k = 1; k < rows; ++k) {
        const float length = distance[order[static_cast<size_t>(k)]] -
                             distance[order[static_cast<size_t>(k - 1)]];  // float
        putValue(doc, w, k, WorkCol::Length, length);
    }
    // A change point lies on the pipe of the split above it.
    for (int k = 2; k <= rows; ++k) {
        if (order[static_cast<size_t>(k - 1)] < static_cast<size_t>(splitRows)) continue;
        if (w.text(k, WorkCol::PipeCode).empty())
            w.setText(k, WorkCol::PipeCode, w.text(k - 1, WorkCol::PipeCode));
        if (w.text(k, WorkCol::Gradient).empty())
            w.setText(k, WorkCol::Gradient, w.text(k - 1, WorkCol::Gradient));
    }
    return workRow;
}

// The FGrid6 rows of each label in table order, for pairing the k-th occurrence of a
// label in one table with its k-th occurrence in the other.
std::unordered_map<std::string_view, std::vector<int>> rowsByLabel(const common::Table& t) {
    std::unordered_map<std::string_view, std::vector<int>> rows;
    for (int r = 1; r < t.rows() && !t.text(r, WorkCol::Label).empty(); ++r)
        rows[t.text(r, WorkCol::Label)].push_back(r);
    return rows;
}

// The change-point pass proper over the splits (step 8).
void designOnWorkTable(Document& doc, const std::vector<int>& workRow, int splitRows) {
    auto& w = doc.fgrid6;
    const SectionTable sections(doc);
    const ProfileSettings s(doc);
    const std::optional<int> digits = s.invertDigits;
    Section sec;
    float previousHeight = 0;
    // Carried from split j to split j + 1, whose working row is the end row of split j:
    // its distance and ground level (the pass writes neither).
    std::optional<float> distance, ground;
    for (int j = 1; j <= splitRows; ++j) {
        const int r = workRow[static_cast<size_t>(j)];
        const int n = workRow[static_cast<size_t>(j + 1)];
        if (r == 0 || n == 0) break;
        if (w.text(r, WorkCol::Length).empty() || w.text(r, WorkCol::PipeCode).empty() ||
            w.text(r, WorkCol::Gradient).empty())
            break;
        previousHeight = sec.height;
        sec = sections.lookup(w.text(r, WorkCol::PipeCode), sec);
        const float dr = distance ? *distance : cellFloat(doc, w, r, WorkCol::Distance);
        const float dn = cellFloat(doc, w, n, WorkCol::Distance);
        distance = dn;
        const float g = cellFloat(doc, w, r, WorkCol::Gradient);
        const bool fixed =
            isFixed(w.text(r, WorkCol::StartMark)) || isFixed(w.text(r, WorkCol::EndMark));
        const float gl0 = ground ? *ground : cellFloat(doc, w, r, WorkCol::Ground);
        const float gl1 = cellFloat(doc, w, n, WorkCol::Ground);
        ground = gl1;
        const SplitCells cells{&w,
                               r,
                               WorkCol::StartInvert,
                               WorkCol::EndInvert,
                               j > 1 ? workRow[static_cast<size_t>(j - 1)] : 0,
                               WorkCol::EndInvert,
                               gl0,
                               gl1,
                               dn - dr,  // float
                               g,
                               isFixed(w.text(r, WorkCol::StartMark)),
                               isFixed(w.text(r, WorkCol::EndMark))};
        const Inverts designed = designSplit(doc, s, cells, sec, previousHeight, /*first=*/j == 1);
        float start = designed.start, end = designed.end;

        const float D = sec.height, tT = sec.top;
        // The invert of a change point at distance dc on the straight pipe from the start.
        auto onPipe = [&](float dc) {
            return RoundToDigits(start - (dc - dr) * g / 1000, digits);  // float
        };
        for (int c = r + 1; c < n; ++c) {
            const float dc = cellFloat(doc, w, c, WorkCol::Distance);
            const float invert = putValueBack(doc, w, c, WorkCol::StartInvert, onPipe(dc));
            if (fixed) continue;  // a typed invert stands; its change points follow it
            const float glc = cellFloat(doc, w, c, WorkCol::Ground);
            const float required = cellFloat(doc, w, c, WorkCol::PlannedCover);
            if (glc - invert - D - tT < required) {  // float
                const float lowered = putValueBack(doc, w, c, WorkCol::StartInvert,
                                                   RoundToDigits(glc - required - D - tT, digits));
                end = putValueBack(doc, w, r, WorkCol::EndInvert,
                                   RoundToDigits(lowered - (dn - dc) * g / 1000, digits));
                start = putValueBack(doc, w, r, WorkCol::StartInvert,
                                     RoundToDigits(lowered + (dc - dr) * g / 1000, digits));
            }
        }
        for (int c = r + 1; c < n; ++c)
            putValue(doc, w, c, WorkCol::StartInvert,
                     onPipe(cellFloat(doc, w, c, WorkCol::Distance)));

        putValue(doc, w, r, WorkCol::StartCover,
                 RoundToDigits(gl0 - start - D - tT, s.coverDigits));
        putValue(doc, w, r, WorkCol::EndCover, RoundToDigits(gl1 - end - D - tT, s.coverDigits));
    }
}

// The adjusted inverts and covers back into the split table and FGrid8, and the manhole
// results recomputed from them.
void putBack(Document& doc, const std::vector<int>& workRow, int splitRows, int computedRows) {
    auto& sp = doc.fgrid2;
    auto& f8 = doc.fgrid8;
    const auto& w = doc.fgrid6;
    for (int j = 1; j <= splitRows; ++j) {
        const int r = workRow[static_cast<size_t>(j)];
        if (r == 0) continue;
        // Inverts and covers: the work table holds them one column further right.
        static_assert(WorkCol::StartInvert == SplitCol::StartInvert + 1 &&
                      WorkCol::EndCover == SplitCol::EndCover + 1);
        for (int c = SplitCol::StartInvert; c <= SplitCol::EndCover; ++c)
            sp.setText(j, c, w.text(r, c + 1));
    }
    const auto byLabel = rowsByLabel(w);
    std::unordered_map<std::string_view, size_t> seen;
    for (int q = 1; q < f8.rows() && !f8.text(q, ProfilePointCol::Label).empty(); ++q) {
        auto it = byLabel.find(f8.text(q, ProfilePointCol::Label));
        if (it == byLabel.end()) continue;
        const size_t k = seen[it->first]++;
        if (k < it->second.size())
            f8.setText(q, ProfilePointCol::Invert, w.text(it->second[k], WorkCol::StartInvert));
    }

    const SectionTable sections(doc);
    const ProfileSettings s(doc);
    Section sec;
    std::optional<float> ground;  // carried: the end ground of split i is the start of i + 1
    float previousEnd = 0;
    for (int i = 1; i <= computedRows; ++i) {
        sec = sections.lookup(sp.text(i, SplitCol::PipeCode), sec);
        const Inverts inv{cellFloat(doc, sp, i, SplitCol::StartInvert),
                          cellFloat(doc, sp, i, SplitCol::EndInvert)};
        const float gl0 = ground ? *ground : cellFloat(doc, sp, i, SplitCol::Ground);
        const float gl1 = cellFloat(doc, sp, i + 1, SplitCol::Ground);
        ground = gl1;
        manholeRow(doc, s, i, sec, {inv, gl0, gl1, previousEnd});
        previousEnd = inv.end;
    }
    manholeDepths(doc);
}

}  // namespace

bool Judanhenka(Document& doc, common::Ui& ui, int computedRows) {
    const int splitRows = firstBlank(doc.fgrid2, SplitCol::Label) - 1;
    const int changePoints = firstBlank(doc.fgrid4, ChangePointCol::Route) - 1;
    if (splitRows + changePoints > kMaxRows) {
        ui.message(common::Icon::Critical, "データエラー",
                   "分割データと地盤変化点の合計が1000行を超えるため計算出来ません。");
        return false;
    }
    const auto workRow = buildWorkTable(doc, splitRows, changePoints);
    if (doc.fgrid2.text(2, SplitCol::Label).empty()) return true;
    designOnWorkTable(doc, workRow, splitRows);
    putBack(doc, workRow, splitRows, computedRows);
    return true;
}

}  // namespace kandoru
