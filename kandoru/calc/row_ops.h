// Row and table operations of the profile document: inserting and deleting rows with the
// split table kept in step, the split-row adjustment on a changed split count, copying
// pipe codes and gradients down, manhole numbering, types and drop pipes, and the
// recolouring of fixed cells.
#pragma once

#include <string>

#include "common/table.h"
#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

inline constexpr const char* kInsertRefusedTitle = "行の挿入";
inline constexpr const char* kInsertRefusedText =
    "表の最終行にデータがあるため、行を挿入できません。";

// A split count, route count or similar cell text as a whole number: its leading numeric
// part rounded to the nearest whole number, halves to even; an empty or non-numeric text is
// 0. Values beyond the table sizes are clamped so that callers can count with them safely.
int wholeNumber(const std::string& text);

// True when count rows can be inserted into t without dropping a last row that holds
// text in columns 1..lastCol: every insertion drops the table's last row, so the last
// count rows must be empty. The split table passes 9: its mark columns always hold a mark.
bool canInsertRows(const common::Table& t, int count, int lastCol);

// Shows the refusal of an insertion that would push data out of a table.
void insertRefused(common::Ui& ui);

// True when split label belongs to route: the first split (label == route) or a further
// split "route-k".
bool isSplitOfRoute(const std::string& label, const std::string& route);

// Split-row adjustment after the split count of route changed from oldCount to
// oldCount - diff (diff = old - new). Runs only when oldCount is not 0.
// diff < 0: |diff| empty rows are inserted directly after every split row labelled route;
// diff > 0: for every such row its split length becomes "0" and the diff rows below it
// are removed, as far as they are splits of that route. The reserved split row is cleared,
// the split table's current row parked on row 1000 and the marks resynced.
// Returns false, changing nothing, when the insertions would push filled rows out of the
// table (the refusal is shown).
bool adjustSplitRows(Document& doc, common::Ui& ui, const std::string& route, int oldCount,
                     int diff);

// Recolouring of fixed cells, after a file was opened: tab 2 is shown, then for every split
// row above the first empty label the ground level (column 3), start invert (6) and end
// invert (7) whose mark is 10 turn purple. Other cells keep their colour.
void Colorchange(Document& doc, common::Ui& ui);

}  // namespace kandoru
