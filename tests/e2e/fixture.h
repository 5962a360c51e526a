// A small calculated profile document with a usable drawing format, for the hand-off
// between the editor and the drawing program.
#pragma once

#include <string>
#include <vector>

#include "kandoru/document.h"

namespace e2e {

inline void fillRow(common::Table& t, int r, const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) t.setText(r, static_cast<int>(c) + 1, cells[c]);
}

// Routes 1 (two spans) and 2 (one span) into the outlet route 3; a sub-pipe at 1-1.
inline kandoru::Document calculatedDocument() {
    kandoru::Document doc;
    fillRow(doc.fgrid1, 1, {"1", "50.000", "2", "12.500"});
    fillRow(doc.fgrid1, 2, {"2", "30.000", "1", "11.800"});
    fillRow(doc.fgrid1, 3, {"3", "0.000", "1", "11.200"});
    fillRow(doc.fgrid2, 1, {"1", "25.000", "12.500", "VU200", "5.0", "11.300", "11.175", "1.200", "0.975"});
    fillRow(doc.fgrid2, 2, {"1-1", "25.000", "12.150", "VU200", "5.0", "11.145", "11.020", "1.005", "0.780"});
    fillRow(doc.fgrid2, 3, {"2", "30.000", "11.800", "VU250", "4.0", "10.990", "10.870", "0.810", "0.330"});
    fillRow(doc.fgrid2, 4, {"3", "", "11.200", "", "", "10.850", "", "0.350", ""});
    fillRow(doc.fgrid4, 1, {"1", "10.000", "12.400", ""});
    fillRow(doc.fgrid3, 1, {"1", "No.1", "1号", "", "", "1.520", "1.520", "1.620"});
    fillRow(doc.fgrid3, 2, {"1-1", "No.2", "1号", "150", "0.600", "1.425", "1.455", "1.555"});
    fillRow(doc.fgrid3, 3, {"2", "No.3", "1号", "", "", "1.130", "1.260", "1.360"});
    fillRow(doc.fgrid3, 4, {"3", "No.4", "2号", "", "", "0.650", "", "0.750"});
    fillRow(doc.fgrid7, 1, {"1", "25.000", "0.000", "12.500"});
    fillRow(doc.fgrid7, 2, {"1-1", "25.000", "25.000", "12.150"});
    fillRow(doc.fgrid7, 3, {"2", "30.000", "50.000", "11.800"});
    fillRow(doc.fgrid7, 4, {"3", "", "80.000", "11.200"});
    fillRow(doc.fgrid8, 1, {"1", "10.000", "0.000", "12.500", "5.0", "11.300", "1.200"});
    fillRow(doc.fgrid8, 2, {"1変", "40.000", "10.000", "12.400", "5.0", "11.250", "1.150"});
    fillRow(doc.fgrid8, 3, {"2", "30.000", "50.000", "11.800", "4.0", "10.990", "0.810"});
    fillRow(doc.fgrid8, 4, {"3", "", "80.000", "11.200", "", "10.850", "0.350"});
    fillRow(doc.fgrid5, 1, {"1", "0.000", "12.500"});
    fillRow(doc.fgrid5, 2, {"1変", "10.000", "12.400"});
    fillRow(doc.fgrid5, 3, {"1-1", "25.000", "12.150"});
    fillRow(doc.fgrid5, 4, {"2", "50.000", "11.800"});
    fillRow(doc.fgrid5, 5, {"3", "80.000", "11.200"});
    fillRow(doc.format.circular, 1, {"VU200", "0.200", "0.011", "0.150"});
    fillRow(doc.format.circular, 2, {"VU250", "0.250", "0.013", "0.150"});
    fillRow(doc.format.box, 1, {"□1000", "1.000", "0.150", "0.150", "0.200"});
    fillRow(doc.format.manholeTypes, 1, {"1号", "600"});
    fillRow(doc.format.manholeTypes, 2, {"2号", "900"});
    const std::vector<std::string> items = {
        "200", "150", "400", "200", "600", "250", "300", "600",       // drop-pipe rule
        "A1", "841", "594", "10", "8", "2", "8",                      // sheet, band rows
        "3", "5", "25", "10", "15", "5", "10",                        // row counts, headings
        "10", "5", "1", "0.2", "500", "100",                          // triangle, scales
        "1", "2", "3", "4", "5", "6", "7", "8",                       // item rows
        "3.5", "1", "2.5", "1", "2.5", "1", "3", "1",                 // text heights
        "3", "1", "150", "60", "帯線", "文字", "計画管", "地盤線", "枠線",
        "20", "15", "10", "5", "20", "10", "5", "10",
        "#TRUE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#",
        "0", "0", "0", "1", "1",
        "30"};
    for (size_t i = 0; i < items.size(); ++i) doc.format.setItem(static_cast<int>(i) + 1, items[i]);
    for (int n = static_cast<int>(items.size()) + 1; n <= 91; ++n) doc.format.setItem(n, "dummy");
    doc.formatLoaded = true;
    doc.settings.projectName = "○○地区 汚水管渠 縦断図";
    doc.settings.formatField = "標準.osb";
    doc.settings.outletRoute = "3";
    doc.settings.outletGround = "11.200";
    doc.settings.outletManholeType = "2号";
    doc.settings.minCover = "1.2";
    doc.settings.manholeDrop = "20";
    return doc;
}

}  // namespace e2e
