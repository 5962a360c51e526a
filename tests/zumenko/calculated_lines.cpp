// The editor's calculation and hand-off of long lines, for the drawing's tests.
#include "calculated_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "kandoru/calc/calculation.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/handoff.h"
#include "kandoru/files/osa_file.h"
#include "largest_document.h"
#include "support/golden.h"
#include "zumenko/intake.h"

namespace zumenko_test {
namespace {

// Routes of three 20 m spans, every fifth of two 35 m spans; rolling ground with a dip at
// each route's change point; φ250 at 4 ‰ upstream, φ300 at 3 ‰ downstream; numbered
// manholes.
kandoru::Document generatedLine(int spans) {
    kandoru::Document doc;
    auto& s = doc.settings;
    s.projectName = "生成路線　汚水縦断図";
    s.minCover = "1.2";
    s.manholeDrop = "20";
    int route = 0, row = 0, cp = 0;
    while (row < spans) {
        ++route;
        const bool longSpans = route % 5 == 0 && spans - row >= 2;
        const int splits = std::min(longSpans ? 2 : 3, spans - row);
        const double splitM = longSpans ? 35 : 20;
        const double ground = 25 + 3 * std::sin(route / 4.0);
        const std::string name = std::to_string(route);
        const bool downstream = row >= spans / 2;
        doc.fgrid1.setText(route, 1, name);
        doc.fgrid1.setText(route, 2, bench_support::mm(splits * splitM));
        doc.fgrid1.setText(route, 3, std::to_string(splits));
        doc.fgrid1.setText(route, 4, bench_support::mm(ground));
        for (int k = 0; k < splits; ++k) {
            ++row;
            doc.fgrid2.setText(row, 1, k == 0 ? name : name + "-" + std::to_string(k));
            doc.fgrid2.setText(row, 2, bench_support::mm(splitM));
            doc.fgrid2.setText(row, 4, downstream ? "φ300" : "φ250");
            doc.fgrid2.setText(row, 5, downstream ? "3.0" : "4.0");
        }
        ++cp;
        doc.fgrid4.setText(cp, 1, name);
        doc.fgrid4.setText(cp, 2, bench_support::mm(splitM * splits / 2 + 3));
        doc.fgrid4.setText(cp, 3, bench_support::mm(ground - 0.4));
        doc.fgrid4.setText(cp, 4, "1.000");
    }
    ++route;
    s.outletRoute = std::to_string(route);
    s.outletGround = bench_support::mm(25 + 3 * std::sin(route / 4.0));
    doc.fgrid1.setText(route, 1, s.outletRoute);
    doc.fgrid1.setText(route, 3, "1");
    doc.fgrid1.setText(route, 4, s.outletGround);
    return doc;
}

// Manhole numbers and types as the engineer types them on tab 3.
void numberManholes(kandoru::Document& doc) {
    for (int r = 1; r <= doc.fgrid3.dataRows() && !doc.fgrid3.text(r, 1).empty(); ++r) {
        doc.fgrid3.setText(r, 2, "No." + std::to_string(r));
        doc.fgrid3.setText(r, 3, r % 9 == 0 ? "2号人孔" : "1号人孔");
    }
}

zumenko::Drawing handOff(kandoru::Document doc, bool loadProfile) {
    const auto examples = testing_support::examplesDir();
    bench_support::QuietUi ui;
    if (loadProfile) {
        EXPECT_TRUE(kandoru::loadProfile(doc, examples / "long_line.osa"));
    }
    EXPECT_TRUE(kandoru::loadFormat(doc, examples / "standard.osb"));
    kandoru::runCalculation(doc, ui);
    if (!loadProfile) numberManholes(doc);
    testing_support::TempDir dir;
    EXPECT_TRUE(kandoru::TempSave(doc, dir / kandoru::kHandoffFileName));
    zumenko::Drawing drawing;
    std::string why;
    EXPECT_TRUE(zumenko::readHandoff(dir / kandoru::kHandoffFileName, drawing, &why)) << why;
    return drawing;
}

}  // namespace

std::string lineName(Line line) {
    switch (line) {
        case Line::LongLineExample:
            return "long_line";
        case Line::Generated120:
            return "generated_120";
        case Line::Largest:
            return "largest";
    }
    return "?";
}

const zumenko::Drawing& calculatedLine(Line line) {
    static std::map<Line, zumenko::Drawing> built;
    auto it = built.find(line);
    if (it != built.end()) return it->second;
    zumenko::Drawing d;
    switch (line) {
        case Line::LongLineExample:
            d = handOff(kandoru::Document{}, /*loadProfile=*/true);
            break;
        case Line::Generated120:
            d = handOff(generatedLine(120), /*loadProfile=*/false);
            break;
        case Line::Largest:
            d = handOff(bench_support::largestDocument(), /*loadProfile=*/false);
            break;
    }
    return built.emplace(line, std::move(d)).first->second;
}

}  // namespace zumenko_test
