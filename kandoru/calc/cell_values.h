// Numbers in and out of the calculation tables: a cell is read in single precision, a
// computed value is written with the mask "0.##0". A value that is not finite never
// reaches a cell: it stops the calculation with a message naming the cell.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/table.h"
#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

// Thrown inside a calculation command when a cell holds, or would receive, a value that
// is not finite in single precision; the command catches it and reports it.
struct NonFiniteValue {
    std::string caption;
    int row;
    int col;
};

// The caption a message uses for a table of the document or of its format data.
std::string tableCaption(const Document& doc, const common::Table& table);

// "数値が大きすぎます（caption　row行　column列）。" (title "データエラー", critical).
void reportNonFinite(common::Ui& ui, const NonFiniteValue& where);

// The value of a cell in single precision; a blank or non-numeric text is 0.
float cellFloat(const Document& doc, const common::Table& t, int r, int c);

// A computed value as cell (r, c) of t would show it, "0.##0"; the same guard as putValue.
std::string valueText(const Document& doc, const common::Table& t, int r, int c, float v);
std::string valueText(const Document& doc, const common::Table& t, int r, int c, double v);
template <class T>
std::string valueText(const Document&, const common::Table&, int, int, T) = delete;

// Writes a computed value formatted "0.##0" (an absent rounding result as ""). The value
// must stay finite when it is read back as a float.
void putValue(const Document& doc, common::Table& t, int r, int c, float v);
void putValue(const Document& doc, common::Table& t, int r, int c, double v);
void putValue(const Document& doc, common::Table& t, int r, int c, std::optional<double> v);
template <class T>
void putValue(const Document&, common::Table&, int, int, T) = delete;

// putValue, returning what reading the cell gives afterwards (cellFloat).
float putValueBack(const Document& doc, common::Table& t, int r, int c, float v);
float putValueBack(const Document& doc, common::Table& t, int r, int c, double v);
float putValueBack(const Document& doc, common::Table& t, int r, int c, std::optional<double> v);
template <class T>
float putValueBack(const Document&, common::Table&, int, int, T) = delete;

// common::mask3(text), with the text itself when it already is a "0.##0" text.
std::string mask3Text(const std::string& text);

// Row of the first blank text in column c at or after row 1 (rows() when there is none):
// the end of a scan that stops at the first blank key cell.
int firstBlank(const common::Table& t, int c);

}  // namespace kandoru

namespace kandoru {

// Indices 0 .. keys.size() - 1 in stable ascending order of their keys.
std::vector<size_t> stableOrder(const std::vector<double>& keys);

// Writes rows (each cols() texts, index 0 unused) into data rows 1.. of a table that its
// heading routine has just cleared and labelled, in stable ascending order of the number
// in column c. Returns, for each written row from row 1 on, the index in rows it came from.
std::vector<size_t> writeSortedRows(common::Table& t, std::vector<common::Table::Row>& rows, int c);

// Where the change points of each route stand on the chain: for every route number of the
// change-point table (rows down to the first blank route number), the distance of the
// first of the chain's rows 0 .. count - 1 labelled with it (label(i), distance(i)), the
// scan ending after the outlet's row. A change point's distance is its own distance plus
// that start.
class ChangePointStarts {
public:
    template <class Label, class Distance>
    ChangePointStarts(const Document& doc, size_t count, Label label, Distance distance)
        : cps_(doc.fgrid4) {
        for (int c = 1; c < cps_.rows() && !cps_.text(c, ChangePointCol::Route).empty(); ++c)
            starts_.emplace(cps_.text(c, ChangePointCol::Route), std::nullopt);
        const std::string& outlet = doc.settings.outletRoute;
        for (size_t i = 0; i < count; ++i) {
            const std::string& l = label(i);
            auto it = starts_.find(l);
            if (it != starts_.end() && !it->second) it->second = distance(i);
            if (l == outlet) break;
        }
    }
    // The start of change-point row c's route, 0 when no row carries its label.
    float start(int c) const;

private:
    const common::Table& cps_;
    std::unordered_map<std::string_view, std::optional<float>> starts_;
};

// The work-table label of a change point of route: the route number and "変".
inline std::string changePointLabel(const std::string& route) { return route + "変"; }

// Stable ascending sort of data rows first..last by the number in column c; relabels.
// For the work tables, whose cells carry no colour.
void sortRowsByValue(common::Table& t, int first, int last, int c);

}  // namespace kandoru
