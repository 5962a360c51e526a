// Test input for the drawing: hand-off lines written from tables, and a small profile
// with a drawing format whose numbers are easy to follow by hand.
#pragma once

#include <string>
#include <vector>

#include "zumenko/drawing.h"

namespace zumenko_test {

// The 6,519 hand-off lines (UTF-8) of the source tables, settings and format record of
// doc, in the layout the editor writes. The mirrored tables of doc are not written.
std::vector<std::string> handoffLines(const zumenko::Drawing& doc);

// Sets a table row from texts, columns 1, 2, ...
void setRow(common::Table& t, int r, const std::vector<std::string>& cells);

// A drawing format: A1 sheet, H = 500, V = 100, three upper rows of 10 mm and five lower
// rows of 8 mm without gaps, heading columns 25 / 10 / 15 mm.
void setSampleFormat(zumenko::Drawing& doc);

// Three routes: 1 (30 m in two spans), 2 (20 m), outlet 3; a change point of route 1 at
// 20 m; manhole 2 with a sub-pipe; circular pipe codes and one box code.
void setSampleProfile(zumenko::Drawing& doc);

// A profile of n stations (n - 1 spans of 12.5 m and the outlet) with every table the
// drawing reads, for size and speed.
void setLongProfile(zumenko::Drawing& doc, int n);

// The sample, written as hand-off lines and read back: the drawing program's view.
zumenko::Drawing sampleDrawing();

}  // namespace zumenko_test
