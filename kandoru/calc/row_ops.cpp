// Row and table operations: the split table kept in step with the route table, copy-down,
// manhole numbering, types, drop pipes and the recolouring of fixed cells.
#include "kandoru/calc/row_ops.h"

#include <algorithm>
#include <cmath>

#include "common/numtext.h"

namespace kandoru {

namespace {
constexpr int kSplitLastRow = 1000;
constexpr int kSplitDataCols = 9;    // columns 10-12 hold the marks
constexpr int kCountLimit = 100000;  // far beyond any table; keeps products in int range
}  // namespace

int wholeNumber(const std::string& text) {
    double v = common::val(text);
    if (std::isnan(v)) return 0;
    v = std::clamp(v, double(-kCountLimit), double(kCountLimit));
    return static_cast<int>(std::nearbyint(v));  // default rounding: halves to even
}

bool canInsertRows(const common::Table& t, int count, int lastCol) {
    if (count <= 0) return true;
    if (count > t.dataRows()) return false;
    for (int r = t.dataRows() - count + 1; r <= t.dataRows(); ++r)
        for (int c = 1; c <= lastCol; ++c)
            if (!t.text(r, c).empty()) return false;
    return true;
}

void insertRefused(common::Ui& ui) {
    ui.message(common::Icon::Exclamation, kInsertRefusedTitle, kInsertRefusedText);
}

bool isSplitOfRoute(const std::string& label, const std::string& route) {
    if (route.empty()) return false;
    if (label == route) return true;
    if (label.size() <= route.size() + 1 || label.compare(0, route.size(), route) != 0 ||
        label[route.size()] != '-')
        return false;
    return std::all_of(label.begin() + static_cast<long>(route.size()) + 1, label.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

bool adjustSplitRows(Document& doc, common::Ui& ui, const std::string& route, int oldCount,
                     int diff) {
    if (oldCount == 0) return true;
    auto& split = doc.fgrid2;
    const int last = split.dataRows();
    if (diff < 0) {
        int matches = 0;
        for (int l = 1; l <= last; ++l)
            if (!route.empty() && split.text(l, 1) == route) ++matches;
        if (!canInsertRows(split, matches * -diff, kSplitDataCols)) {
            insertRefused(ui);
            return false;
        }
    }
    doc.reservedSplitRow.reset();
    if (diff < 0) {
        for (int l = 1; l <= last; ++l) {
            if (route.empty() || split.text(l, 1) != route) continue;
            for (int k = 0; k < -diff; ++k) split.insertRowBefore(l + 1);
        }
    } else if (diff > 0) {
        for (int l = 1; l <= last; ++l) {
            if (route.empty() || split.text(l, 1) != route) continue;
            split.setText(l, 2, "0");
            // Only this route's rows go: rows the adjustment inserted earlier carry no label
            // yet, the rest are ... A shorter run than the old count never eats
            // into the next route.
            for (int k = 0; k < diff && l + 1 <= last; ++k) {
                const std::string& below = split.text(l + 1, 1);
                if (!below.empty() && !isSplitOfRoute(below, route)) break;
                split.removeRow(l + 1);
            }
        }
    }
    split.setCurrentRow(kSplitLastRow);
    doc.resyncMarks();
    return true;
}

void Colorchange(Document& doc, common::Ui& ui) {
    doc.setCurrentTab(kTabSplit, ui);
    auto& split = doc.fgrid2;
    for (int c = 1; c <= split.dataRows() && !split.text(c, 1).empty(); ++c) {
        if (common::val(doc.startMark(c)) == 10) split.setColor(c, 6, common::CellColor::Purple);
        if (common::val(doc.endMark(c)) == 10) split.setColor(c, 7, common::CellColor::Purple);
        if (doc.groundMark(c) == 10) split.setColor(c, 3, common::CellColor::Purple);
    }
}

}  // namespace kandoru
