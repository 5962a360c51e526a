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
    const std::string t = col == RouteCol::SplitCount && (text.empty() || common::val(text) < 1)
                              ? std::string("1")
                              : text;
    switch (col) {
        case RouteCol::Route:
            routes.setText(row, RouteCol::Route, t);
            if (doc.reservedSplitRow) {
                int reserved = *doc.reservedSplitRow;
                if (doc.fgrid2.text(reserved, SplitCol::Label).empty())
                    doc.fgrid2.setText(reserved, SplitCol::Label, t);
                doc.reservedSplitRow.reset();
            }
            break;
        case RouteCol::Length:
        case RouteCol::Ground:
            routes.setText(row, col, common::mask3(t));
            break;
        case RouteCol::SplitCount: {
            const int oldCount = wholeNumber(routes.text(row, RouteCol::SplitCount));
            const int diff = oldCount - wholeNumber(t);
            // The adjustment works on the edited row's route: the current row may already
            // have moved on when a click elsewhere ended the edit.
            if (oldCount != 0 &&
                !adjustSplitRows(doc, ui, routes.text(row, RouteCol::Route), oldCount, diff))
                return;
            routes.setText(row, RouteCol::SplitCount, t);
            break;
        }
    }
    if (routes.text(row, RouteCol::SplitCount).empty() &&
        !routes.text(row, RouteCol::Route).empty())
        routes.setText(row, RouteCol::SplitCount, "1");
}

void commitChangePoint(Document& doc, int row, int col, const std::string& text) {
    auto& points = doc.fgrid4;
    if (!inData(points, row, col)) return;
    points.setText(row, col, col == ChangePointCol::Route ? text : common::mask3(text));
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
        case SplitCol::Length:
        case SplitCol::Gradient:
            split.setText(row, col, common::mask3(text));
            break;
        case SplitCol::Ground: {
            split.setText(row, SplitCol::Ground, common::mask3(text));
            split.setColor(row, SplitCol::Ground, CellColor::Purple);
            doc.setGroundMark(row, 10);
            const std::string& label = split.text(row, SplitCol::Label);
            const auto& routes = doc.fgrid1;
            for (int r = 1; !label.empty() && r <= routes.dataRows() &&
                            !routes.text(r, RouteCol::Route).empty();
                 ++r) {
                if (routes.text(r, RouteCol::Route) != label) continue;
                split.setText(row, SplitCol::Ground,
                              common::mask3(routes.text(r, RouteCol::Ground)));
                doc.setGroundMark(row, 0);
                split.setColor(row, SplitCol::Ground, CellColor::Black);
                break;
            }
            break;
        }
        case SplitCol::StartInvert:
        case SplitCol::EndInvert: {
            const bool start = col == SplitCol::StartInvert;
            const int other = start ? SplitCol::EndInvert : SplitCol::StartInvert;
            split.setText(row, col, common::mask3(text));
            const bool blank = isBlank(text);
            split.setColor(row, col, blank ? CellColor::Black : CellColor::Purple);
            split.setColor(row, other, CellColor::Black);
            const std::string fixed = blank ? "0" : "10";
            if (start) {
                doc.setStartMark(row, fixed);
                doc.setEndMark(row, "0");
            } else {
                doc.setEndMark(row, fixed);
                doc.setStartMark(row, "0");
            }
            break;
        }
        case SplitCol::GroundMark:
        case SplitCol::StartMark:
        case SplitCol::EndMark:
            // The marks follow from the fixed values; a text typed over them would leave a
            // mark that no cell colour shows.
            break;
        default:
            split.setText(row, col, text);
            break;
    }
}

void releaseFixed(Document& doc, int row, int col) {
    if (col < SplitCol::Ground || col > SplitCol::EndInvert || !inData(doc.fgrid2, row, col))
        return;
    doc.fgrid2.setColor(row, col, common::CellColor::Black);
    if (col == SplitCol::Ground) doc.setGroundMark(row, 0);
    if (col == SplitCol::StartInvert) doc.setStartMark(row, "0");
    if (col == SplitCol::EndInvert) doc.setEndMark(row, "0");
}

}  // namespace kandoru
