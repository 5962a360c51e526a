// Cell editor decisions for the editable grids.
#include "common/cell_edit.h"

#include "common/format/format_data.h"
#include "common/fullwidth.h"
#include "common/profile_tables.h"

namespace common {

namespace {
// lastMoveCol: the last column that moving right reaches before it wraps to wrapCol.
GridParams make(int rows, int cols, ColumnSet typing, ColumnSet keyOpen, int lastMoveCol,
                int wrapCol, ColumnSet numeric) {
    GridParams p;
    p.dataRows = rows;
    p.dataCols = cols;
    p.typing = typing;
    p.keyOpen = keyOpen;
    p.numeric = numeric;
    p.k = cols + 1 - lastMoveCol;
    p.wrapCol = wrapCol;
    p.wrapRowLimit = rows;
    return p;
}
}  // namespace

// Number columns: lengths, levels, counts, gradients, inverts, covers, marks, depths and
// sizes. Route numbers, labels, pipe codes, manhole numbers and types, and code names are
// text.
GridParams routeGridParams() {
    using C = RouteCol;
    return make(kRouteRows, C::Count, {C::Route, C::Ground}, {C::Route, C::Ground}, C::Ground,
                C::Route, {C::Length, C::Ground});
}
GridParams splitGridParams() {
    using C = SplitCol;
    return make(kProfileTableRows, C::Count, {C::Length, C::EndInvert},
                {C::Label, C::Count, C::Label}, C::EndInvert, C::Length,
                {C::Length, C::EndMark, C::PipeCode});
}
GridParams manholeGridParams() {
    using C = ManholeCol;
    return make(kProfileTableRows, C::Count, {C::Number, C::Drop}, {C::Label, C::Count}, C::Drop,
                C::Number, {C::DropPipeMm, C::Depth});
}
GridParams changePointGridParams() {
    using C = ChangePointCol;
    return make(kRouteRows, C::Count, {C::Route, C::Cover}, {C::Route, C::Cover}, C::Cover,
                C::Route, {C::Distance, C::Cover});
}
GridParams circularGridParams() {
    using C = CircularCol;
    return make(kFormatTableRows, C::Count, {C::Code, C::Count}, {C::Code, C::Count}, C::Count,
                C::Code, {C::Diameter, C::Excavation});
}
GridParams boxGridParams() {
    using C = BoxCol;
    return make(kFormatTableRows, C::Count, {C::Code, C::Count}, {C::Code, C::Count}, C::Count,
                C::Code, {C::Height, C::Excavation});
}
GridParams manholeTypeGridParams() {
    using C = ManholeTypeCol;
    return make(kFormatTableRows, C::Count, {C::Name, C::Count}, {C::Name, C::Count}, C::Count,
                C::Name, {C::LargestPipeMm, C::LargestPipeMm});
}

std::string utf8Of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

OpenDecision decideOpen(char32_t code, const std::string& cellText) {
    if (code <= 31) {
        if (code == kCodeEnter) return {true, cellText, Caret::End};
        if (code == kCodeBackspace) return {true, "", Caret::End};
        return {};
    }
    if (code == kCodeSpace) return {true, cellText, Caret::Start};
    if (code == 127) return {};  // DEL is a control code, not a character
    return {true, utf8Of(code), Caret::End};
}

bool numericKeyPasses(char32_t c) {
    c = asciiNumberChar(c);
    return c < 32 || c == U'-' || c == U'.' || (c >= U'0' && c <= U'9');
}

CellPos moveAfterEnter(const GridParams& p, CellPos cur, bool moveRight) {
    if (moveRight) {
        if (cur.col < (p.dataCols + 1) - p.k) {
            ++cur.col;
        } else {
            cur.col = p.wrapCol;
            if (cur.row < p.wrapRowLimit) ++cur.row;
        }
        return cur;
    }
    return moveDown(p, cur);
}

CellPos moveUp(const GridParams&, CellPos cur) {
    if (cur.row > 1) --cur.row;
    return cur;
}

CellPos moveDown(const GridParams& p, CellPos cur) {
    if (cur.row < p.dataRows) ++cur.row;
    return cur;
}

}  // namespace common
