// A small calculated profile document with a usable drawing format, for the hand-off
// between the editor and the drawing program.
#pragma once

#include <string>
#include <vector>

#include "kandoru/document.h"
#include "support/profile_fixture.h"

namespace e2e {

// Routes 1 (two spans) and 2 (one span) into the outlet route 3; a sub-pipe at 1-1.
inline kandoru::Document calculatedDocument() {
    kandoru::Document doc;
    testing_support::fillCalculatedProfile(doc);
    const std::vector<std::string> items = {
        "200",     "150",     "400", "200", "600",  "250",  "300",    "600",  // drop-pipe rule
        "A1",      "841",     "594", "10",  "8",    "2",    "8",              // sheet, band rows
        "3",       "5",       "25",  "10",  "15",   "5",    "10",           // row counts, headings
        "10",      "5",       "1",   "0.2", "500",  "100",                  // triangle, scales
        "1",       "2",       "3",   "4",   "5",    "6",    "7",      "8",  // item rows
        "3.5",     "1",       "2.5", "1",   "2.5",  "1",    "3",      "1",  // text heights
        "3",       "1",       "150", "60",  "帯線", "文字", "計画管", "地盤線", "枠線",    "20",
        "15",      "10",      "5",   "20",  "10",   "5",    "10",     "#TRUE#", "#FALSE#", "#TRUE#",
        "#FALSE#", "#FALSE#", "0",   "0",   "0",    "1",    "1",      "30"};
    for (size_t i = 0; i < items.size(); ++i) doc.format.setItem(static_cast<int>(i) + 1, items[i]);
    for (int n = static_cast<int>(items.size()) + 1; n <= 91; ++n) doc.format.setItem(n, "dummy");
    doc.formatLoaded = true;
    doc.settings.projectName = "○○地区 汚水管渠 縦断図";
    return doc;
}

}  // namespace e2e
