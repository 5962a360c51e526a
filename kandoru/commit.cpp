// Commit rules of the route, change-point, manhole and split tables, and the F4 release.
#include "kandoru/commit.h"

#include "common/numtext.h"
#include "kandoru/calc/row_ops.h"

namespace kandoru {

namespace {

bool isBlank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

bool inData(const common::Table& t, int row, int col) {
    return row >= 1 && row <= t.dataRows() && col >= 1 && col <= t.dataCols();
}

}  // namespace

// Route table. A split count below 1 (or blank) is stored as "1"; a route number typed
// into a freshly inserted route row also labels the split row reserved for it; lengths and
// ground levels are stored "0.##0". A changed split count adjusts the route's split rows;
// when that adjustment cannot make room, the count keeps its old text.
void commitRoute(Document& doc, common::Ui& ui, int row, int col, const std::string& text) {
    auto& routes = doc.fgrid1;
    if (!inData(routes, row, col)) return;
    const std::string t =
        col == 3 && (text.empty() || common::val(text) < 1) ? std::string("1") : text;
    switch (col) {
        case 1:
            routes.setText(row, 1, t);
            if (doc.reservedSplitRow) {
                int reserved = *doc.reservedSplitRow;
                if (doc.fgrid2.text(reserved, 1).empty()) doc.fgrid2.setText(reserved, 1, t);
                doc.reservedSplitRow.reset();
            }
            break;
        case 2:
        case 4:
            routes.setText(row, col, common::mask3(t));
            break;
        case 3: {
            const int oldCount = wholeNumber(routes.text(row, 3));
            const int diff = oldCount - wholeNumber(t);
            // The adjustment works on the edited row's route: the current row may already
            // have moved on when a click elsewhere ended the edit.
            if (oldCount != 0 && !adjustSplitRows(doc, ui, routes.text(row, 1), oldCount, diff))
                return;
            routes.setText(row, 3, t);
            break;
        }
    }
    if (routes.text(row, 3).empty() && !routes.text(row, 1).empty()) routes.setText(row, 3, "1");
}

void commitChangePoint(Document& doc, int row, int col, const std::string& text) {
    auto& points = doc.fgrid4;
    if (!inData(points, row, col)) return;
    points.setText(row, col, col == 1 ? text : common::mask3(text));
}

void commitManhole(Document& doc, int row, int col, const std::string& text) {
    if (!inData(doc.fgrid3, row, col)) return;
    doc.fgrid3.setText(row, col, text);
}

// Split table. Lengths, ground levels, gradients and inverts are stored "0.##0". A typed
// ground level is fixed (mark 10, purple) unless the row is a route's first split, whose
// level belongs to the route table. A typed invert fixes that end and releases the other;
// a blank one releases it. The mark columns change only through these rules and F4.
void commitSplit(Document& doc, int row, int col, const std::string& text) {
    auto& split = doc.fgrid2;
    if (!inData(split, row, col)) return;
    using common::CellColor;
    switch (col) {
        case 2:
        case 5:
            split.setText(row, col, common::mask3(text));
            break;
        case 3: {
            split.setText(row, 3, common::mask3(text));
            split.setColor(row, 3, CellColor::Purple);
            doc.setGroundMark(row, 10);
            const std::string& label = split.text(row, 1);
            const auto& routes = doc.fgrid1;
            for (int r = 1; !label.empty() && r <= routes.dataRows() && !routes.text(r, 1).empty();
                 ++r) {
                if (routes.text(r, 1) != label) continue;
                split.setText(row, 3, common::mask3(routes.text(r, 4)));
                doc.setGroundMark(row, 0);
                split.setColor(row, 3, CellColor::Black);
                break;
            }
            break;
        }
        case 6:
        case 7: {
            const int other = col == 6 ? 7 : 6;
            split.setText(row, col, common::mask3(text));
            const bool blank = isBlank(text);
            split.setColor(row, col, blank ? CellColor::Black : CellColor::Purple);
            split.setColor(row, other, CellColor::Black);
            const std::string fixed = blank ? "0" : "10";
            if (col == 6) {
                doc.setStartMark(row, fixed);
                doc.setEndMark(row, "0");
            } else {
                doc.setEndMark(row, fixed);
                doc.setStartMark(row, "0");
            }
            break;
        }
        case kColGroundMark:
        case kColStartMark:
        case kColEndMark:
            // The marks follow from the fixed values; a text typed over them would leave a
            // mark that no cell colour shows.
            break;
        default:
            split.setText(row, col, text);
            break;
    }
}

void releaseFixed(Document& doc, int row, int col) {
    if (col < 3 || col > 7 || !inData(doc.fgrid2, row, col)) return;
    doc.fgrid2.setColor(row, col, common::CellColor::Black);
    if (col == 3) doc.setGroundMark(row, 0);
    if (col == 6) doc.setStartMark(row, "0");
    if (col == 7) doc.setEndMark(row, "0");
}

}  // namespace kandoru
