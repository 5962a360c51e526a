// Cell reading and writing of the calculations, with the finiteness guard.
#include "kandoru/calc/cell_values.h"

#include <cfloat>
#include <cmath>

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

void putValue(const Document& doc, common::Table& t, int r, int c, float v) {
    if (!std::isfinite(v)) throw NonFiniteValue{tableCaption(doc, t), r, c};
    t.setText(r, c, common::formatMask(v, 3));
}

void putValue(const Document& doc, common::Table& t, int r, int c, double v) {
    // The cell is read back as a float: a double beyond the float range is as bad as inf.
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(FLT_MAX))
        throw NonFiniteValue{tableCaption(doc, t), r, c};
    t.setText(r, c, common::formatMask(v, 3));
}

void putValue(const Document& doc, common::Table& t, int r, int c, std::optional<double> v) {
    if (!v) {
        t.setText(r, c, "");
        return;
    }
    putValue(doc, t, r, c, *v);
}

int firstBlank(const common::Table& t, int c) {
    int r = 1;
    while (r < t.rows() && !t.text(r, c).empty()) ++r;
    return r;
}

}  // namespace kandoru

namespace kandoru {

void sortRowsByValue(common::Table& t, int first, int last, int c) {
    const auto col = static_cast<size_t>(c);
    t.sortRows(first, last, [col](const common::Table::Row& a, const common::Table::Row& b) {
        return common::val(a[col]) < common::val(b[col]);
    });
}

}  // namespace kandoru
