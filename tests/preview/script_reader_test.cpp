// The script interpreter on golden scripts and on broken lines.
#include "zumenko/preview/script_reader.h"

#include <gtest/gtest.h>

#include <map>

#include "common/sjis.h"
#include "common/textfile.h"
#include "fixtures.h"
#include "support/golden.h"
#include "zumenko/script.h"
#include "zumenko/script_writer.h"
#include "zumenko/text_layout.h"

using namespace zumenko;
using namespace zumenko::preview;
using testing_support::testData;

namespace {

const Segment& segmentAt(const Figure& d, size_t i) {
    return std::get<Segment>(d.elements.at(i).shape);
}
const Text& textAt(const Figure& d, size_t i) { return std::get<Text>(d.elements.at(i).shape); }

// The pinned font's full-width box top and its glyphs' reach below the baseline, per em.
constexpr double kTop = 0.87989;
constexpr double kDescent = 0.1958;

}  // namespace

TEST(ScriptReader, GoldenScriptGivesItsElementsLayersAndExtents) {
    auto r = readScriptFile(testData("preview/small.txt"));
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->errors.empty()) << describeErrors(r->errors);
    const Figure& d = r->figure;
    EXPECT_EQ(d.layers, (std::vector<std::string>{"0", "帯線", "文字"}));
    EXPECT_TRUE(r->zoomExtents);
    EXPECT_TRUE(r->cancelled);
    ASSERT_EQ(d.elements.size(), 6u);

    // A segment before any layer switch lands on layer 0, as in a fresh drawing.
    EXPECT_EQ(d.elements[0].layer, 0);
    EXPECT_EQ(d.elements[0].line, 3);
    EXPECT_EQ(segmentAt(d, 1).a, (Point{-500, 250.5}));
    EXPECT_EQ(segmentAt(d, 1).b, (Point{1000, 2000}));
    EXPECT_EQ(d.elements[1].layer, 1);

    const Text& title = textAt(d, 2);
    EXPECT_EQ(d.elements[2].layer, 2);
    EXPECT_EQ(d.elements[2].line, 11);
    EXPECT_EQ(title.justify, (Justify{HAlign::Left, VAlign::Top}));
    EXPECT_EQ(title.at, (Point{100, 2100}));
    EXPECT_EQ(title.height, 50);
    EXPECT_EQ(title.angleDeg, 0);
    EXPECT_EQ(title.text, "〇〇市　縦断図");  // the command's closing blank is not text

    // The label keeps its leading blank and the double blank; BL is bottom-left.
    const Text& label = textAt(d, 3);
    EXPECT_EQ(label.text, " No.1  1号 h=2.10");
    EXPECT_EQ(label.justify, (Justify{HAlign::Left, VAlign::Bottom}));
    EXPECT_EQ(label.angleDeg, 30);
    EXPECT_EQ(d.elements[3].line, 15);

    const Text& value = textAt(d, 4);
    EXPECT_EQ(value.justify, (Justify{HAlign::Center, VAlign::Middle}));
    EXPECT_EQ(value.angleDeg, 90);
    EXPECT_EQ(value.text, "12.345");

    // Back on a layer used before: no new layer.
    EXPECT_EQ(d.elements[5].layer, 1);

    // The title hangs from its point; the value, centred on x = 1000 and turned upright,
    // reaches past it on its foot's side (+x) by half its height (the font's ascent) plus
    // the descent, both in units of the ascent.
    Box ext = extents(d);
    EXPECT_DOUBLE_EQ(ext.minX, -500);
    EXPECT_DOUBLE_EQ(ext.minY, 0);
    EXPECT_NEAR(ext.maxY, 2100, 1e-9);
    EXPECT_NEAR(ext.maxX, 1000 + 0.5 * 25 + kDescent / kTop * 25, 1e-9);
}

TEST(ScriptReader, EveryLineNotUnderstoodIsReportedWithItsNumber) {
    std::vector<std::string> lines{
        "_DTEXTED 1",
        "_line 1,2 3",                   // 2: second point incomplete
        "_line 1,2 3,4,5",               // 3: three coordinates
        "_line 1,2  3,4",                // 4: two blanks are an Enter in between
        "_circle 0,0 5",                 // 5: not a command of the script
        "_clayer ",                      // 6: no name
        "_clayer 計画 管渠",             // 7: AutoCAD would read "管渠" as a command
        "_dtext j xx 0,0 h 2 r 0 A ",    // 8: unknown justification
        "_dtext j mc 0,0 h 0 r 0 A ",    // 9: AutoCAD refuses height 0
        "_dtext j mc 0,0 2 r 0 A ",      // 10: the h is missing
        "_dtext j mc 0,0 h 2 r x A ",    // 11: angle not a number
        "_dtext j mc 0,0 h nan r 0 A ",  // 12: not a finite number
        "_zoom w",                       // 13
        "_line 1e13,0 0,0",              // 14: beyond any drawing
        "\xEF\xBF\xBD_line 0,0 1,1",     // 15: bytes that were not CP932
        "_line 0,0 10,10",               // 16: fine
        "_dtext j bc 5,5 h 2 r 0 ok ",   // 17: fine
    };
    auto r = readScript(lines);
    std::vector<int> bad;
    for (const auto& e : r.errors) {
        bad.push_back(e.line);
        EXPECT_FALSE(e.reason.empty());
        EXPECT_EQ(e.text, lines[size_t(e.line - 1)]);
    }
    EXPECT_EQ(bad, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    // Reading goes on past the errors.
    ASSERT_EQ(r.figure.elements.size(), 2u);
    EXPECT_EQ(r.figure.elements[1].line, 17);

    std::string report = describeErrors(r.errors, 3);
    EXPECT_NE(report.find("2 行目: "), std::string::npos);
    EXPECT_NE(report.find("ほかに 11 行"), std::string::npos);
}

TEST(ScriptReader, EnterLinesBreakLinesAndEmptyTextsDrawNothing) {
    auto r = readScript({"", "   ", std::string(24, ' '), "\r", "_dtext j tl 0,0 h 2 r 0  ",
                         "_dtext j tl 0,0 h 2 r 0", "*キャンセル*"});
    EXPECT_TRUE(r.errors.empty()) << describeErrors(r.errors);
    EXPECT_TRUE(r.figure.elements.empty());
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(r.zoomExtents);
}

TEST(ScriptReader, AllNineJustificationsAndAnyCaseOfTheKeywords) {
    auto r = readScript({"_DTEXT J TR 0,0 H 1 R 0 a", "_dtext j ML 0,0 h 1 r 0 a",
                         "_dtext j Bc 0,0 h 1 r 0 a", "_LINE 0,0 1,1", "_ZOOM E"});
    ASSERT_TRUE(r.errors.empty()) << describeErrors(r.errors);
    EXPECT_EQ(textAt(r.figure, 0).justify, (Justify{HAlign::Right, VAlign::Top}));
    EXPECT_EQ(textAt(r.figure, 1).justify, (Justify{HAlign::Left, VAlign::Middle}));
    EXPECT_EQ(textAt(r.figure, 2).justify, (Justify{HAlign::Center, VAlign::Bottom}));
    EXPECT_TRUE(r.zoomExtents);
}

TEST(ScriptReader, ProfileScriptCountsPerLayer) {
    auto r = readScriptFile(testData("preview/profile.txt"));
    ASSERT_TRUE(r);
    ASSERT_TRUE(r->errors.empty()) << describeErrors(r->errors);
    std::map<std::string, std::pair<int, int>> counts;  // layer -> lines, texts
    for (const auto& e : r->figure.elements) {
        auto& c = counts[r->figure.layers[size_t(e.layer)]];
        (std::holds_alternative<Segment>(e.shape) ? c.first : c.second)++;
    }
    EXPECT_EQ(counts["DefPoints"], std::make_pair(4, 0));
    EXPECT_EQ(counts["枠線"], std::make_pair(8, 1));  // the title follows the frame layer
    EXPECT_EQ(counts["地盤線"], std::make_pair(3, 0));
    EXPECT_EQ(counts["計画管渠"], std::make_pair(6, 0));
    EXPECT_EQ(counts["文字"].second, 43);
    EXPECT_EQ(horizontalScale(r->figure), 500);
    EXPECT_EQ(r->figure.scale, 500);
    ASSERT_EQ(r->figure.sheets.size(), 1u);
    Box sheet = r->figure.sheets[0].border;
    EXPECT_EQ(sheet.width(), 420 * 500);
    EXPECT_EQ(sheet.height(), 297 * 500);
}

TEST(ScriptReader, LoadDrawingRefusesMissingBrokenAndEmptyScripts) {
    testing_support::TempDir dir;
    std::string message;
    EXPECT_FALSE(loadDrawing(dir / "none.txt", &message));
    EXPECT_NE(message.find("読めません"), std::string::npos);

    common::writeCp932Lines(dir / "bad.txt", {"_DTEXTED 1", "_line 0,0"});
    EXPECT_FALSE(loadDrawing(dir / "bad.txt", &message));
    EXPECT_NE(message.find("2 行目"), std::string::npos);

    common::writeCp932Lines(dir / "empty.txt", {"_DTEXTED 1", "_zoom e", "*キャンセル*"});
    EXPECT_FALSE(loadDrawing(dir / "empty.txt", &message));
    EXPECT_NE(message.find("描く線も文字もありません"), std::string::npos);
}

// The model holds everything a script says: every golden script, read and written again,
// comes back byte for byte, and reading a generated script gives the generator's model.
TEST(ScriptReader, GoldenScriptsReadAndWrittenAgainAreTheSameBytes) {
    for (const char* name :
         {"zumenko/sample_auto.txt", "zumenko/sample_layout.txt", "zumenko/sample_reverse_auto.txt",
          "zumenko/sample_reverse_layout.txt", "zumenko/standard_auto.txt",
          "zumenko/standard_reverse_auto.txt", "zumenko/example_three_routes_auto.txt",
          "zumenko/example_three_routes_layout.txt",
          "zumenko/example_three_routes_reverse_auto.txt",
          "zumenko/example_three_routes_reverse_layout.txt", "zumenko/example_long_line_layout.txt",
          "zumenko/example_long_line_reverse_layout.txt", "preview/profile.txt"}) {
        SCOPED_TRACE(name);
        auto bytes = common::readFileBytes(testData(name));
        ASSERT_TRUE(bytes);
        const std::string text = common::cp932ToUtf8(*bytes);
        ReadResult r = readScript(common::splitLines(text));
        ASSERT_TRUE(r.errors.empty()) << describeErrors(r.errors);
        EXPECT_EQ(writeScript(r.figure), text);
    }
}

TEST(ScriptReader, GeneratedScriptReadsBackAsTheGeneratorsModel) {
    const zumenko::Drawing doc = zumenko_test::sampleDrawing();
    DrawOptions opt;
    opt.automatic = true;
    opt.pipeWall = true;
    for (bool forward : {true, false}) {
        opt.upstreamToDownstream = forward;
        const Figure model = drawFigure(doc, opt);
        ReadResult r = readScript(common::splitLines(writeScript(model)));
        ASSERT_TRUE(r.errors.empty()) << describeErrors(r.errors);
        EXPECT_EQ(r.figure.layers, model.layers);
        EXPECT_EQ(r.figure.scale, model.scale);
        ASSERT_EQ(r.figure.elements.size(), model.elements.size());
        // The script keeps 15 significant digits of each number.
        auto near = [](Point a, Point b) {
            return std::abs(a.x - b.x) <= 1e-9 * std::max(1.0, std::abs(b.x)) &&
                   std::abs(a.y - b.y) <= 1e-9 * std::max(1.0, std::abs(b.y));
        };
        for (size_t i = 0; i < model.elements.size(); ++i) {
            const Element &got = r.figure.elements[i], &want = model.elements[i];
            EXPECT_EQ(got.layer, want.layer) << i;
            ASSERT_EQ(got.shape.index(), want.shape.index()) << i;
            if (auto s = std::get_if<Segment>(&want.shape)) {
                const auto& g = std::get<Segment>(got.shape);
                EXPECT_TRUE(near(g.a, s->a) && near(g.b, s->b)) << i;
            } else {
                const auto &t = std::get<Text>(want.shape), &g = std::get<Text>(got.shape);
                EXPECT_TRUE(near(g.at, t.at)) << i;
                EXPECT_EQ(std::tie(g.justify, g.height, g.angleDeg, g.text, g.breaks),
                          std::tie(t.justify, t.height, t.angleDeg, t.text, t.breaks))
                    << i;
            }
        }
        ASSERT_EQ(r.figure.sheets.size(), 1u);
        EXPECT_EQ(r.figure.sheets[0].border.width(), model.sheets[0].border.width());
    }
}
