// Decisions of the in-place cell editor, kept free of any toolkit: which key opens the
// editor with which text, and where the current cell goes after Enter, Up and Down.
#pragma once

#include <string>

namespace common {

// Data columns first..last, without `except` (-1: none).
struct ColumnSet {
    int first = 1;
    int last = 1;
    int except = -1;
    bool contains(int c) const { return c >= first && c <= last && c != except; }
};

struct GridParams {
    int dataRows = 1;
    int dataCols = 1;
    ColumnSet typing;      // a typed character opens the editor here
    ColumnSet keyOpen;     // Delete, F2 and input-method keys open it here
    ColumnSet numeric;     // number columns: full-width digits commit as ASCII
    int k = 1;             // moving right goes on while column < (dataCols + 1) - k
    int wrapCol = 1;       // column reached after the last one
    int wrapRowLimit = 1;  // the row advances on wrapping only while row < this
};

// The editable grids of the suite.
GridParams routeGridParams();        // FGrid1
GridParams splitGridParams();        // FGrid2
GridParams manholeGridParams();      // FGrid3
GridParams changePointGridParams();  // FGrid4
GridParams circularGridParams();     // FGrid9 (format manager)
GridParams boxGridParams();          // FGrid10 (format manager)
GridParams manholeTypeGridParams();  // FGrid11 (format manager)

// Character codes of the key presses and the substitutes the key-down handler passes.
inline constexpr char32_t kCodeBackspace = 8;  // also Delete
inline constexpr char32_t kCodeEnter = 13;     // also F2
inline constexpr char32_t kCodeSpace = 32;     // also input-method keys

enum class Caret { Start, End };

struct OpenDecision {
    bool open = false;
    std::string text;  // the editor's starting text (UTF-8)
    Caret caret = Caret::End;
};

// What an opening code does to the editor over a cell holding cellText.
OpenDecision decideOpen(char32_t code, const std::string& cellText);

struct CellPos {
    int row = 1;
    int col = 1;
    bool operator==(const CellPos&) const = default;
};

CellPos moveAfterEnter(const GridParams& p, CellPos cur, bool moveRight);
CellPos moveUp(const GridParams& p, CellPos cur);
CellPos moveDown(const GridParams& p, CellPos cur);

// The numeric key filter of plain numeric fields: control codes, "-", "." and digits pass,
// their full-width forms too (the field takes them as ASCII); every other character is
// refused with a beep.
bool numericKeyPasses(char32_t code);

// A double quote cannot be stored in the files; editors refuse it with a beep.
inline bool refusedEverywhere(char32_t code) { return code == U'"'; }

// UTF-8 text of one code point.
std::string utf8Of(char32_t code);

}  // namespace common
