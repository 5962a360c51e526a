// Cell reading and writing of the calculations, with the finiteness guard.
#include "kandoru/calc/cell_values.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>
#include <vector>

#include "common/numtext.h"

namespace kandoru {

std::string tableCaption(const Document& doc, const common::Table& t) {
    if (&t == &doc.fgrid1) return "路線基本データ";
    if (&t == &doc.fgrid2) return "分割データ";
    if (&t == &doc.fgrid3) return "人孔データ";
    if (&t == &doc.fgrid4) return "地盤変化点データ";
    if (&t == &doc.format.circular) return "円形断面";
    if (&t == &doc.format.box) return "暗渠(BOX)断面";
    if (&t == &doc.fgrid5 || &t == &doc.fgrid6 || &t == &doc.fgrid7 || &t == &doc.fgrid8)
        return "CAD作成ﾃﾞｰﾀ";
    return "";
}

void reportNonFinite(common::Ui& ui, const NonFiniteValue& w) {
    ui.message(common::Icon::Critical, "データエラー",
               "数値が大きすぎます（" + w.caption + "　" + std::to_string(w.row) + "行　" +
                   std::to_string(w.col) + "列）。");
}

float cellFloat(const Document& doc, const common::Table& t, int r, int c) {
    float v = common::valFloat(t.text(r, c));
    if (!std::isfinite(v)) throw NonFiniteValue{tableCaption(doc, t), r, c};
    return v;
}

std::string valueText(const Document& doc, const common::Table& t, int r, int c, float v) {
    if (!std::isfinite(v)) throw NonFiniteValue{tableCaption(doc, t), r, c};
    return common::formatMask(v, 3);
}

std::string valueText(const Document& doc, const common::Table& t, int r, int c, double v) {
    // The cell is read back as a float: a double beyond the float range is as bad as inf.
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(FLT_MAX))
        throw NonFiniteValue{tableCaption(doc, t), r, c};
    return common::formatMask(v, 3);
}

void putValue(const Document& doc, common::Table& t, int r, int c, float v) {
    t.setText(r, c, valueText(doc, t, r, c, v));
}

void putValue(const Document& doc, common::Table& t, int r, int c, double v) {
    t.setText(r, c, valueText(doc, t, r, c, v));
}

void putValue(const Document& doc, common::Table& t, int r, int c, std::optional<double> v) {
    if (!v) {
        t.setText(r, c, "");
        return;
    }
    putValue(doc, t, r, c, *v);
}

namespace {
float writeAndReadBack(const Document& doc, common::Table& t, int r, int c, std::string text) {
    const float back = common::valFloat(text);
    t.setText(r, c, std::move(text));
    if (!std::isfinite(back)) throw NonFiniteValue{tableCaption(doc, t), r, c};
    return back;
}
}  // namespace

float putValueBack(const Document& doc, common::Table& t, int r, int c, float v) {
    return writeAndReadBack(doc, t, r, c, valueText(doc, t, r, c, v));
}

float putValueBack(const Document& doc, common::Table& t, int r, int c, double v) {
    return writeAndReadBack(doc, t, r, c, valueText(doc, t, r, c, v));
}

float putValueBack(const Document& doc, common::Table& t, int r, int c, std::optional<double> v) {
    return v ? putValueBack(doc, t, r, c, *v) : writeAndReadBack(doc, t, r, c, std::string());
}

namespace {
// "-12.345": what formatMask(x, 3) writes, at most 15 significant digits, so that reading
// and formatting it again gives the same text.
bool isMask3Form(const std::string& t) {
    size_t i = 0, n = t.size();
    bool negative = i < n && t[i] == '-';
    if (negative) ++i;
    size_t intStart = i;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i;
    size_t intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && t[intStart] == '0')) return false;
    if (i + 4 != n || t[i] != '.') return false;
    for (size_t k = i + 1; k < n; ++k)
        if (t[k] < '0' || t[k] > '9') return false;
    size_t significant = t[intStart] == '0' ? 0 : intDigits;
    if (significant == 0) {
        size_t k = i + 1;
        while (k < n && t[k] == '0') ++k;
        if (k == n) return !negative;  // "-0.000" is shown as "0.000"
        significant = n - k;
    } else {
        significant += 3;
    }
    return significant <= 15;
}
}  // namespace

std::string mask3Text(const std::string& text) {
    return isMask3Form(text) ? text : common::mask3(text);
}

int firstBlank(const common::Table& t, int c) {
    int r = 1;
    while (r < t.rows() && !t.text(r, c).empty()) ++r;
    return r;
}

}  // namespace kandoru

namespace kandoru {

std::vector<size_t> stableOrder(const std::vector<double>& keys) {
    std::vector<size_t> order(keys.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    return order;
}

std::vector<size_t> writeSortedRows(common::Table& t, std::vector<common::Table::Row>& rows,
                                    int c) {
    std::vector<double> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows) keys.push_back(common::val(row[static_cast<size_t>(c)]));
    std::vector<size_t> order = stableOrder(keys);
    order.resize(std::min(order.size(), static_cast<size_t>(t.dataRows())));
    for (size_t k = 0; k < order.size(); ++k) {
        auto& row = rows[order[k]];
        for (int col = 1; col < t.cols() && col < static_cast<int>(row.size()); ++col)
            if (!row[static_cast<size_t>(col)].empty())  // the cell is empty already
                t.setText(static_cast<int>(k) + 1, col, std::move(row[static_cast<size_t>(col)]));
    }
    // The labels "r:" stand from the heading routine: the rows moved, not the labels.
    return order;
}

float ChangePointStarts::start(int c) const {
    auto it = starts_.find(cps_.text(c, ChangePointCol::Route));
    return it == starts_.end() ? 0.0f : it->second.value_or(0.0f);
}

void sortRowsByValue(common::Table& t, int first, int last, int c) {
    if (first < 1) first = 1;
    if (last > t.dataRows()) last = t.dataRows();
    if (first >= last) {
        t.relabel();
        return;
    }
    // Keys read once, not at every comparison.
    std::vector<std::pair<double, int>> keys;
    keys.reserve(static_cast<size_t>(last - first + 1));
    for (int r = first; r <= last; ++r) keys.emplace_back(common::val(t.text(r, c)), r);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<common::Table::Row> rows;
    rows.reserve(keys.size());
    for (const auto& k : keys) rows.push_back(t.row(k.second));
    for (size_t i = 0; i < rows.size(); ++i)
        for (int col = 1; col < t.cols(); ++col)
            t.setText(first + static_cast<int>(i), col,
                      std::move(rows[i][static_cast<size_t>(col)]));
    t.relabel();
}

}  // namespace kandoru
