// Commit rules of the editable tables: what a text committed by the cell editor turns
// into, and the cells, marks and colours that follow from it.
#pragma once

#include <string>

#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

// Route table (FGrid1): split counts, route numbers (the reserved split row), lengths and
// ground levels, and the split-row adjustment on a changed split count.
void commitRoute(Document& doc, common::Ui& ui, int row, int col, const std::string& text);
// Change-point table (FGrid4): columns 2-4 "0.##0", column 1 as typed.
void commitChangePoint(Document& doc, int row, int col, const std::string& text);
// Manhole table (FGrid3): as typed.
void commitManhole(Document& doc, int row, int col, const std::string& text);
// Split table (FGrid2): numbers "0.##0", fixed ground levels and inverts with their marks
// and purple colour.
void commitSplit(Document& doc, int row, int col, const std::string& text);
// F4 on the split table: releases the fixed value of the current cell (columns 3-7).
void releaseFixed(Document& doc, int row, int col);

}  // namespace kandoru
