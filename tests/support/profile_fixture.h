// A small calculated profile: routes 1 (two spans) and 2 (one span) into the outlet route
// 3, a change point on route 1, a sub-pipe at 1-1, the work tables and a small format.
#pragma once

#include <string>
#include <vector>

#include "kandoru/document.h"

namespace testing_support {

inline void fillRow(common::Table& t, int r, const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) t.setText(r, static_cast<int>(c) + 1, cells[c]);
}

// The tables, format tables and settings of that profile, as a calculation leaves them.
inline void fillCalculatedProfile(kandoru::Document& doc) {
    fillRow(doc.fgrid1, 1, {"1", "50.000", "2", "12.500"});
    fillRow(doc.fgrid1, 2, {"2", "30.000", "1", "11.800"});
    fillRow(doc.fgrid1, 3, {"3", "0.000", "1", "11.200"});
    fillRow(doc.fgrid2, 1,
            {"1", "25.000", "12.500", "VU200", "5.0", "11.300", "11.175", "1.200", "0.975"});
    fillRow(doc.fgrid2, 2,
            {"1-1", "25.000", "12.150", "VU200", "5.0", "11.145", "11.020", "1.005", "0.780"});
    fillRow(doc.fgrid2, 3,
            {"2", "30.000", "11.800", "VU250", "4.0", "10.990", "10.870", "0.810", "0.330"});
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
    doc.settings.formatField = "標準.osb";
    doc.settings.outletRoute = "3";
    doc.settings.outletGround = "11.200";
    doc.settings.outletManholeType = "2号";
    doc.settings.minCover = "1.2";
    doc.settings.manholeDrop = "20";
}

}  // namespace testing_support
