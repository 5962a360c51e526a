// The sheet set: on the example long line, a generated 120-span line and the largest
// document, both directions, every sheet holds its stretch inside its frame, every station
// is drawn on one sheet (the boundaries on two), the levels stand in the profile area, and
// no sheet could take one station more.
#include "zumenko/sheet_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "calculated_lines.h"
#include "common/numtext.h"
#include "fixtures.h"
#include "zumenko/layout.h"
#include "zumenko/script_writer.h"
#include "zumenko/sheet_geometry.h"
#include "zumenko/stations.h"
#include "zumenko/text_layout.h"

using namespace zumenko;
using namespace zumenko_test;
using Item = common::FormatItem;

namespace {

struct Case {
    Line line;
    bool forward;
    size_t minSheets;  // what the line's length alone asks for
};

std::string caseName(const testing::TestParamInfo<Case>& info) {
    return lineName(info.param.line) + (info.param.forward ? "_forward" : "_reverse");
}

class SheetSetOf : public testing::TestWithParam<Case> {
protected:
    const Drawing& doc() const { return calculatedLine(GetParam().line); }
    DrawOptions options() const {
        DrawOptions o;
        o.upstreamToDownstream = GetParam().forward;
        return o;
    }
};

// The sheet whose border holds the middle of box.
size_t sheetOf(const Figure& f, const Box& box) {
    const double x = (box.minX + box.maxX) / 2;
    for (size_t k = 0; k < f.sheets.size(); ++k)
        if (x >= f.sheets[k].border.minX && x <= f.sheets[k].border.maxX) return k;
    return f.sheets.size();
}

}  // namespace

TEST_P(SheetSetOf, CoversEveryStationWithSharedBoundaries) {
    const SheetSet set = planSheets(doc(), options());
    const int n = Stations(doc(), GetParam().forward).count();
    ASSERT_EQ(set.stations, n);
    ASSERT_GE(set.sheets.size(), GetParam().minSheets);
    EXPECT_EQ(set.sheets.front().first, 1);
    EXPECT_EQ(set.sheets.back().last, n);
    for (size_t k = 0; k < set.sheets.size(); ++k) {
        const SetSheet& s = set.sheets[k];
        EXPECT_LT(s.first, s.last) << k;
        EXPECT_TRUE(s.fits) << k;
        if (k > 0) {
            EXPECT_EQ(s.first, set.sheets[k - 1].last) << k;
        }
        // The smallest count: no sheet but the last could take one station more.
        if (k + 1 < set.sheets.size()) {
            EXPECT_FALSE(stretchFits(doc(), options(), s.first, s.last + 1)) << k;
        }
    }
}

TEST_P(SheetSetOf, EveryElementStandsInsideItsSheetsFrame) {
    const SheetSet set = planSheets(doc(), options());
    const Figure f = drawSheetSet(doc(), options(), set);
    ASSERT_EQ(f.sheets.size(), set.sheets.size());
    const SheetGeometry g(doc().format);
    for (size_t k = 0; k < f.sheets.size(); ++k) {
        // Side by side, 50 mm apart, each the format's sheet.
        EXPECT_DOUBLE_EQ(f.sheets[k].border.minX, k * (g.widthMm + 50) * g.horizontalScale);
        EXPECT_DOUBLE_EQ(f.sheets[k].border.width(), g.widthMm * g.horizontalScale);
    }
    const std::string frameLayer = doc().format.text(Item::FrameLayer);
    size_t checked = 0;
    for (const auto& e : f.elements) {
        const std::string& layer = f.layers[size_t(e.layer)];
        // The sheet's edges and frames themselves (the title shares the frame's layer).
        if ((layer == "DefPoints" || layer == frameLayer) &&
            std::holds_alternative<Segment>(e.shape))
            continue;
        const Box b = elementBox(e);
        const size_t k = sheetOf(f, b);
        ASSERT_LT(k, f.sheets.size());
        ++checked;
        if (!f.sheets[k].frame.contains(b, 1e-3)) {
            ADD_FAILURE() << "sheet " << k + 1 << ": element on " << layer << " at x " << b.minX
                          << "-" << b.maxX << ", y " << b.minY << "-" << b.maxY
                          << " outside the frame";
            return;
        }
    }
    EXPECT_GT(checked, 100u * set.sheets.size());
}

TEST_P(SheetSetOf, EachStationIsDrawnOnOneSheetAndEachBoundaryOnTwo) {
    const SheetSet set = planSheets(doc(), options());
    const Figure f = drawSheetSet(doc(), options(), set);
    const SheetGeometry g(doc().format);
    const Stations p(doc(), GetParam().forward);
    // The cumulative distance row of the band names each station drawn.
    const double distanceRowY = g.rowCentreMm(g.itemRow[kDistance]) * g.horizontalScale;
    std::map<std::string, int> sheetsOfStation;
    std::vector<std::vector<std::string>> drawn(set.sheets.size());
    for (const auto& e : f.elements) {
        auto t = std::get_if<Text>(&e.shape);
        if (!t || t->angleDeg != 90 || t->at.y != distanceRowY) continue;
        drawn[sheetOf(f, elementBox(e))].push_back(t->text);
        ++sheetsOfStation[t->text];
    }
    for (size_t k = 0; k < set.sheets.size(); ++k) {
        std::vector<std::string> want;
        for (int r = set.sheets[k].first; r <= set.sheets[k].last; ++r)
            want.push_back(common::formatMask(p.distanceM(r), 2));
        EXPECT_EQ(drawn[k], want) << "sheet " << k + 1;
    }
    ASSERT_EQ(sheetsOfStation.size(), size_t(set.stations));
    for (size_t k = 0; k < set.sheets.size(); ++k)
        for (int r = set.sheets[k].first; r <= set.sheets[k].last; ++r) {
            const bool boundary = (r == set.sheets[k].first && k > 0) ||
                                  (r == set.sheets[k].last && k + 1 < set.sheets.size());
            EXPECT_EQ(sheetsOfStation[common::formatMask(p.distanceM(r), 2)], boundary ? 2 : 1)
                << "station " << r;
        }
}

// Outside the profile area only near a station the set names: between its neighbours.
TEST_P(SheetSetOf, GroundAndPipesStandInTheProfileAreaOrTheSetSaysWhere) {
    const SheetSet set = planSheets(doc(), options());
    const Figure f = drawSheetSet(doc(), options(), set);
    const SheetGeometry g(doc().format);
    const Stations p(doc(), GetParam().forward);
    const double H = g.horizontalScale;
    const double bottom = g.datumLineMm * H, top = (g.datumLineMm + g.profileHeightMm) * H;
    if (GetParam().line == Line::LongLineExample) {
        for (const auto& s : set.sheets) EXPECT_TRUE(s.outside.empty()) << s.first;
    }
    const std::string ground = doc().format.text(Item::GroundLayer),
                      pipes = doc().format.text(Item::PipeLayer);
    size_t checked = 0;
    for (const auto& e : f.elements) {
        const std::string& layer = f.layers[size_t(e.layer)];
        if (layer != ground && layer != pipes) continue;
        ++checked;
        const Box b = elementBox(e);
        if (b.minY >= bottom - 1e-6 && b.maxY <= top + 1e-6) continue;
        const size_t k = sheetOf(f, b);
        ASSERT_LT(k, set.sheets.size());
        const SetSheet& s = set.sheets[k];
        // X of station r on sheet k.
        auto X = [&](int r) {
            return f.sheets[k].border.minX + g.profileLeftMm() * H +
                   (p.distanceM(std::clamp(r, s.first, s.last)) - p.distanceM(s.first)) * 1000;
        };
        const bool named = std::any_of(s.outside.begin(), s.outside.end(), [&](int r) {
            return b.minX >= X(r - 1) - 1e-6 && b.maxX <= X(r + 1) + 1e-6;
        });
        EXPECT_TRUE(named) << "sheet " << k + 1 << ": " << layer << " at x " << b.minX << "-"
                           << b.maxX << ", y " << b.minY << "-" << b.maxY;
    }
    EXPECT_GT(checked, size_t(set.stations));
    // Whole metres; a multiple of 5 m unless the line is too deep for the profile area.
    for (const auto& s : set.sheets) {
        EXPECT_EQ(s.datumLevel, std::floor(s.datumLevel));
        if (s.outside.empty()) {
            EXPECT_EQ(s.datumLevel, floorToFive(s.datumLevel)) << s.first;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SheetSetOf,
    testing::Values(Case{Line::LongLineExample, true, 2}, Case{Line::LongLineExample, false, 2},
                    Case{Line::Generated120, true, 8}, Case{Line::Generated120, false, 8},
                    Case{Line::Largest, true, 20}, Case{Line::Largest, false, 20}),
    caseName);

// A line that fits one sheet is drawn as the chosen stretch of all its stations.
TEST(SheetSet, OneSheetIsTheStretchOfAllStations) {
    const Drawing doc = sampleDrawing();
    for (bool forward : {true, false}) {
        DrawOptions opt;
        opt.upstreamToDownstream = forward;
        opt.pipeWall = !forward;
        const SheetSet set = planSheets(doc, opt);
        ASSERT_EQ(set.sheets.size(), 1u);
        DrawOptions stretch = opt;
        stretch.startNo = 1;
        stretch.endNo = stationCount(doc);
        stretch.datumLevel = set.sheets[0].datumLevel;
        EXPECT_EQ(writeScript(drawSheetSet(doc, opt, set)), generateScript(doc, stretch));
        EXPECT_EQ(writeScript(drawSetSheet(doc, opt, set, 0)), generateScript(doc, stretch));
    }
}

// Sheet k of N is titled "（k／N）" in the set and alone; without frames every sheet's title
// goes on layer 0 as the first one's does.
TEST(SheetSet, TitlesCountTheSheetsAndStayOnOneLayer) {
    const Drawing& doc = calculatedLine(Line::LongLineExample);
    for (bool frame : {true, false}) {
        DrawOptions opt;
        opt.frame = frame;
        const SheetSet set = planSheets(doc, opt);
        ASSERT_EQ(set.sheets.size(), 2u);
        const Figure all = drawSheetSet(doc, opt, set);
        std::vector<std::pair<std::string, std::string>> titles;  // text, layer
        for (const auto& e : all.elements)
            if (auto t = std::get_if<Text>(&e.shape);
                t && t->breaks == 2 && t->angleDeg == 0 && t->justify.v == VAlign::Top)
                titles.emplace_back(t->text, all.layers[size_t(e.layer)]);
        const std::string name = doc.settings.projectName;
        const std::string layer = frame ? doc.format.text(Item::FrameLayer) : "0";
        EXPECT_EQ(titles, (std::vector<std::pair<std::string, std::string>>{
                              {name + "（1／2）", layer}, {name + "（2／2）", layer}}));
        const Figure second = drawSetSheet(doc, opt, set, 1);
        EXPECT_EQ(second.sheets[0].border.minX, 0);
        EXPECT_NE(writeScript(second).find(name + "（2／2） "), std::string::npos);
    }
}

// With a profile area too low for the line, the sheets are drawn and name the stations
// whose ground or pipes stand outside it.
TEST(SheetSet, StationsOutsideTheProfileAreaAreNamed) {
    Drawing doc = sampleDrawing();
    DrawOptions opt;
    const SheetSet tall = planSheets(doc, opt);
    ASSERT_EQ(tall.sheets.size(), 1u);
    EXPECT_TRUE(tall.sheets[0].outside.empty());
    // Inverts 8.22 ... 8.5 m, ground up to 12 m; the drop of 20 mm at V = 100 puts the datum
    // at 5 m, and a 40 mm profile area ends 4 m above it, below every pipe and the ground.
    doc.format.setText(Item::ProfileHeightMm, "40");
    const SheetSet low = planSheets(doc, opt);
    ASSERT_EQ(low.sheets.size(), 1u);
    EXPECT_EQ(low.sheets[0].datumLevel, 5);
    EXPECT_EQ(low.sheets[0].outside, (std::vector<int>{1, 2, 3, 4}));
}

// A span longer than the sheet is drawn on a sheet of its own and said not to fit.
TEST(SheetSet, ASpanLongerThanTheSheetTakesASheetAndIsReported) {
    Drawing doc = sampleDrawing();
    doc.format.setText(Item::SheetWidthMm,
                       "150");  // 150 mm at 1:500: 75 m, the profile starts at 100 mm
    const SheetSet set = planSheets(doc, DrawOptions{});
    ASSERT_EQ(set.sheets.size(), 3u);
    for (const auto& s : set.sheets) {
        EXPECT_EQ(s.last, s.first + 1);
        EXPECT_FALSE(s.fits);
    }
}

// "レイアウト" on a sheet 240 mm wide, where three of the sample's four stations fit (0 to
// 30 m upstream first, 0 to 35 m downstream first): how many would, counted from the
// stretch's left end, in the window's station numbers.
TEST(SheetSet, LayoutWarningSaysHowManyStationsFit) {
    Drawing doc = sampleDrawing();
    doc.format.setText(Item::SheetWidthMm, "240");
    struct Case {
        bool forward;
        int start, end;
        double dl;
        std::optional<std::string> warning;
    } cases[] = {
        {true, 1, 4, 5,
         "選んだ区間の 4 測点は用紙の枠に収まりません。枠に収まるのは 3 測点（起点番号 1～終点番号 "
         "3）までです。"},
        {false, 1, 4, 5,
         "選んだ区間の 4 測点は用紙の枠に収まりません。枠に収まるのは 3 測点（起点番号 2～終点番号 "
         "4）までです。"},
        {true, 1, 3, 5, std::nullopt},
        {false, 2, 4, 5, std::nullopt},
        {true, 1, 3, -100,
         "選んだ区間は ＤＬ -100 m では用紙の枠に収まりません。ＤＬ 5 m なら 3 "
         "測点すべてが収まります。"},
    };
    for (const auto& c : cases) {
        DrawOptions opt;
        opt.upstreamToDownstream = c.forward;
        opt.startNo = c.start;
        opt.endNo = c.end;
        opt.datumLevel = c.dl;
        EXPECT_EQ(layoutFitWarning(doc, opt), c.warning)
            << c.forward << " " << c.start << "-" << c.end;
    }
}
