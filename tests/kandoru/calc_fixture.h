// Small documents for the calculation tests: routes, change points, split rows and a
// format with a few pipe sections, written as a user would type them.
#pragma once

#include <string>
#include <vector>

#include "kandoru/document.h"

namespace calc_testing {

using Cells = std::vector<std::string>;

// Writes rows (columns 1..) into table t starting at data row 1.
inline void fill(common::Table& t, const std::vector<Cells>& rows, int firstRow = 1) {
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t c = 0; c < rows[i].size(); ++c)
            t.setText(firstRow + static_cast<int>(i), static_cast<int>(c) + 1, rows[i][c]);
}

// Column c of rows first..last.
inline Cells column(const common::Table& t, int c, int first, int last) {
    Cells out;
    for (int r = first; r <= last; ++r) out.push_back(t.text(r, c));
    return out;
}

// Row r, columns first..last.
inline Cells rowCells(const common::Table& t, int r, int first, int last) {
    Cells out;
    for (int c = first; c <= last; ++c) out.push_back(t.text(r, c));
    return out;
}

// A format with the sections of the examples: circular pipes 200/250/300 with wall
// 0.025, one box culvert, excavation heights 0.100 (pipes) and 0.150 (box).
inline void loadSections(kandoru::Document& doc) {
    fill(doc.format.circular, {{"200", "0.200", "0.020", "0.100"},
                               {"250", "0.250", "0.025", "0.100"},
                               {"300", "0.300", "0.030", "0.100"},
                               {"450", "0.450", "0.040", "0.100"}});
    fill(doc.format.box, {{"B1", "1.000", "0.200", "0.250", "0.150"}});
    doc.formatLoaded = true;
}

// Outlet route "9" at ground 10.500 and the calculation settings of the examples.
inline void outletAndSettings(kandoru::Document& doc) {
    doc.settings.outletRoute = "9";
    doc.settings.outletGround = "10.500";
    doc.settings.minCover = "1.2";
    doc.settings.manholeDrop = "20";
    doc.settings.hinterland = "0";
}

}  // namespace calc_testing
