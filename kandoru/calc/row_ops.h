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

// "1行削除" under the route table. Refuses without a selected row (current row 200); asks;
// in a document opened from a file the route's split rows go too (as many as its split
// count, only rows of that route); a reserved split row below them moves up with them. The
// route row is removed; both tables park their current row on the last row.
void routeRowDelete(Document& doc, common::Ui& ui);

// "1行挿入" under the route table. Refuses without a selected row; refuses, changing
// nothing, when a table would lose a filled last row; asks. A route with split rows gets an
// empty split row before its first one, reserved for the new route's number. The new route
// row has split count "1".
void routeRowInsert(Document& doc, common::Ui& ui);

// "1行削除" / "1行挿入" under the change-point table.
void changePointRowDelete(Document& doc, common::Ui& ui);
void changePointRowInsert(Document& doc, common::Ui& ui);

// "管・勾配複写": from split row 2 down to the outlet route's row (or the first empty label),
// an empty pipe code or gradient takes the one of the row above. Filled cells stay.
void copyPipeAndGradient(Document& doc);

enum class ManholeNumbering { ByLabel, Ascending, Descending };  // "路線", "昇順", "降順"

// Column 2 of manhole rows 1..n, n the labelled split rows above the first empty label:
// "No." + the split label, + i, or + (n - i + 1).
void numberManholes(Document& doc, ManholeNumbering how);

// "人孔種別": for split rows down to the first one without length, pipe code or gradient,
// the pipe size D (m; circular diameter, a box height overriding it) selects the manhole
// type whose largest diameter range (previous largest / 1000, own largest / 1000] holds it
// (the first type from 0). Outlet manholes take the outlet manhole type. Needs the format
// data. A row whose pipe code is not in the section tables gets no type; a row that meets
// a value that is not a number is skipped and reported once at the end.
void assignManholeTypes(Document& doc, common::Ui& ui);

// "　副管を自動設置する。" changed to checked. Cleared: every drop-pipe diameter goes. Set:
// every split row whose manhole drop is at least 0.6 m gets the drop-pipe diameter of its
// circular pipe: DropPipe1Mm up to MainPipeLimit1Mm, DropPipe2Mm up to MainPipeLimit2Mm,
// DropPipe3Mm up to MainPipeLimit3Mm, DropPipe4Mm above. Needs the format data; rows
// meeting a value that is not a number are skipped and reported once.
// The 0.6 m is the placement's own fixed limit, not the format's DropThresholdMm: the
// placement has never read that item, and reading it would move the drop pipes of every
// document whose format sets it to anything but 600 mm.
void setDropPipes(Document& doc, common::Ui& ui, bool checked);

// Recolouring of fixed cells, after a file was opened: tab 2 is shown, then for every split
// row above the first empty label the ground level (column 3), start invert (6) and end
// invert (7) whose mark is 10 turn purple. Other cells keep their colour.
void Colorchange(Document& doc, common::Ui& ui);

}  // namespace kandoru
