// Cell editor decisions for the editable grids.
#include "common/cell_edit.h"

#include "common/fullwidth.h"

namespace common {

namespace {
GridParams make(int rows, int cols, ColumnSet typing, ColumnSet keyOpen, int k, int wrapCol,
                ColumnSet numeric) {
    GridParams p;
    p.dataRows = rows;
    p.dataCols = cols;
    p.typing = typing;
    p.keyOpen = keyOpen;
    p.numeric = numeric;
    p.k = k;
    p.wrapCol = wrapCol;
    p.wrapRowLimit = rows;
    return p;
}
}  // namespace

// Number columns: lengths, levels, counts, gradients, inverts, covers, marks, depths and
// sizes. Route numbers, labels, pipe codes, manhole numbers and types, and code names are
// text.
GridParams routeGridParams() { return make(200, 4, {1, 4}, {1, 4}, 1, 1, {2, 4}); }
GridParams splitGridParams() { return make(1000, 12, {2, 7}, {1, 12, 1}, 6, 2, {2, 12, 4}); }
GridParams manholeGridParams() { return make(1000, 8, {2, 5}, {1, 8}, 4, 2, {4, 8}); }
GridParams changePointGridParams() { return make(200, 4, {1, 4}, {1, 4}, 1, 1, {2, 4}); }
GridParams circularGridParams() { return make(100, 4, {1, 4}, {1, 4}, 1, 1, {2, 4}); }
GridParams boxGridParams() { return make(100, 5, {1, 5}, {1, 5}, 1, 1, {2, 5}); }
GridParams manholeTypeGridParams() { return make(100, 2, {1, 2}, {1, 2}, 1, 1, {2, 2}); }

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
