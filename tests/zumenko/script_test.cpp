// The command script: golden scripts of the sample for both directions and modes, the
// structure every script keeps, and the construction rules one by one.
#include "zumenko/script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "common/numtext.h"
#include "common/records.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "fixtures.h"
#include "support/golden.h"
#include "zumenko/intake.h"
#include "zumenko/sections.h"

using namespace zumenko;
using namespace zumenko_test;

namespace {

const std::string kEnd(24, ' ');

DrawOptions automatic(bool forward = true) {
    DrawOptions o;
    o.automatic = true;
    o.upstreamToDownstream = forward;
    return o;
}

DrawOptions stretch(int from, int to, double dl, bool forward = true) {
    DrawOptions o;
    o.startNo = from;
    o.endNo = to;
    o.datumLevel = dl;
    o.upstreamToDownstream = forward;
    return o;
}

// Lines without their CR LF; a break line reads "\r".
std::vector<std::string> linesOf(const std::string& script) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < script.size()) {
        size_t nl = script.find("\r\n", start);
        if (nl == std::string::npos) {
            ADD_FAILURE() << "text after the last CR LF";
            break;
        }
        out.push_back(script.substr(start, nl - start));
        start = nl + 2;
    }
    return out;
}

// The command lines only.
std::vector<std::string> commands(const std::string& script) {
    std::vector<std::string> out;
    for (auto& l : linesOf(script))
        if (l != kEnd && l != "\r") out.push_back(l);
    return out;
}

bool has(const std::vector<std::string>& cmds, const std::string& line) {
    return std::find(cmds.begin(), cmds.end(), line) != cmds.end();
}

bool hasPart(const std::vector<std::string>& cmds, const std::string& part) {
    return std::any_of(cmds.begin(), cmds.end(),
                       [&](auto& l) { return l.find(part) != std::string::npos; });
}

// The lines from the first that starts with `from` up to (excluding) the first after it
// that starts with `to`.
std::vector<std::string> section(const std::vector<std::string>& cmds, const std::string& from,
                                 const std::string& to) {
    auto a = std::find_if(cmds.begin(), cmds.end(), [&](auto& l) { return l.rfind(from, 0) == 0; });
    if (a == cmds.end()) return {};
    auto b = std::find_if(a + 1, cmds.end(), [&](auto& l) { return l.rfind(to, 0) == 0; });
    return {a + 1, b};
}

// Numbers in the general form: no exponent, no trailing zeros, at most 15 digits.
void expectGeneralNumber(const std::string& n, const std::string& line) {
    static const std::regex form(R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)");
    EXPECT_TRUE(std::regex_match(n, form)) << n << " in " << line;
    size_t digits = std::count_if(n.begin(), n.end(), [](char c) { return c >= '0' && c <= '9'; });
    std::string stripped = n;
    stripped.erase(0, stripped.find_first_not_of("-0."));
    EXPECT_LE(std::min(digits, stripped.size()), 16u) << n;
    EXPECT_TRUE(std::isfinite(std::stod(n))) << line;
}

// What every script keeps: its first and last lines, CR LF everywhere, an end line after
// every command, one break line after a band text or label and two after the title and
// the scale texts, and coordinates in the general number form.
void expectWellFormed(const std::string& script) {
    ASSERT_EQ(script.rfind("_DTEXTED 1\r\n" + kEnd + "\r\n", 0), 0u);
    const std::string tail = "_zoom e\r\n*キャンセル*\r\n";
    ASSERT_GE(script.size(), tail.size());
    EXPECT_EQ(script.substr(script.size() - tail.size()), tail);
    for (size_t i = 0; i < script.size(); ++i) {
        if (script[i] == '\n') {
            ASSERT_TRUE(i > 0 && script[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }

    static const std::regex line(R"(_line (\S+),(\S+) (\S+),(\S+))");
    static const std::regex text(
        R"(_dtext j (tl|mc|br|BL|bc) (\S+),(\S+) h (\S+) r (0|90|30) (.*) )");
    auto lines = linesOf(script);
    ASSERT_GE(lines.size(), 4u);
    for (size_t i = 0; i + 2 < lines.size();) {
        const std::string& l = lines[i];
        ASSERT_TRUE(l != kEnd && l != "\r") << "line " << i + 1 << " stands without a command";
        ASSERT_EQ(lines[i + 1], kEnd) << "no end line after line " << i + 1 << ": " << l;
        std::smatch m;
        size_t breaks = 0;
        if (std::regex_match(l, m, line)) {
            for (int k = 1; k <= 4; ++k) expectGeneralNumber(m[k], l);
        } else if (std::regex_match(l, m, text)) {
            for (int k = 2; k <= 4; ++k) expectGeneralNumber(m[k], l);
            bool two = m[1] == "tl" || m[6].str().rfind("H=1:", 0) == 0 ||
                       m[6].str().rfind("V=1:", 0) == 0;
            breaks = two ? 2 : 1;
        } else {
            ASSERT_TRUE(l == "_DTEXTED 1" || l.rfind("_clayer ", 0) == 0) << "unknown line " << l;
        }
        for (size_t b = 0; b < breaks; ++b) ASSERT_EQ(lines[i + 2 + b], "\r") << "after " << l;
        i += 2 + breaks;
        ASSERT_LT(i, lines.size()) << "script ends after " << l;
        ASSERT_NE(lines[i], "\r") << "extra break line after " << l;
        if (lines[i] == "_zoom e") break;
    }
}

std::string cp932(const std::string& s) {
    auto b = common::utf8ToCp932(s);
    EXPECT_TRUE(b);
    return b.value_or("");
}

TEST(Script, GoldenScriptsOfTheSample) {
    const Drawing doc = sampleDrawing();
    DrawOptions reverseLayout = stretch(2, 3, 5, /*forward=*/false);
    reverseLayout.pipeWall = true;
    reverseLayout.frame = false;
    const std::pair<const char*, DrawOptions> cases[] = {
        {"zumenko/sample_auto.txt", automatic()},
        {"zumenko/sample_layout.txt", stretch(2, 3, 5)},
        {"zumenko/sample_reverse_auto.txt", automatic(/*forward=*/false)},
        {"zumenko/sample_reverse_layout.txt", reverseLayout},
    };
    for (auto& [golden, opt] : cases) {
        SCOPED_TRACE(golden);
        std::string script = generateScript(doc, opt);
        expectWellFormed(script);
        EXPECT_TRUE(testing_support::matchesGolden(golden, cp932(script)));
    }
}

// The sample profile drawn with the example format file's drawing settings (lines
// 301-314 of the file: A1, H = 500, V = 100, leaders fitted to their labels).
TEST(Script, GoldenScriptsWithTheExampleFormat) {
    auto lines = common::readCp932Lines(testing_support::examplesDir() / "standard.osb");
    ASSERT_TRUE(lines && lines->size() >= 314);
    Drawing doc = sampleDrawing();
    for (int g = 1; g <= 14; ++g) {
        common::Record rec = common::parseRecord((*lines)[static_cast<size_t>(300 + g - 1)]);
        for (size_t k = 0; k < rec.size(); ++k)
            doc.format.setValue(g, static_cast<int>(k) + 1, rec[k].text);
    }
    ASSERT_EQ(doc.format.value(12, 1), "1");
    for (bool forward : {true, false}) {
        std::string script = generateScript(doc, automatic(forward));
        expectWellFormed(script);
        EXPECT_TRUE(testing_support::matchesGolden(
            forward ? "zumenko/standard_auto.txt" : "zumenko/standard_reverse_auto.txt",
            cp932(script)));
    }
}

TEST(Script, LongProfileIsWellFormed) {
    Drawing src;
    setSampleFormat(src);
    setLongProfile(src, 1000);
    Drawing doc;
    ASSERT_TRUE(readHandoffLines(handoffLines(src), doc));
    for (bool forward : {true, false}) {
        expectWellFormed(generateScript(doc, automatic(forward)));
        expectWellFormed(generateScript(doc, stretch(400, 600, -15, forward)));
    }
}

// H = 500, V = 100: a paper millimetre is 500 units, a metre along the line 1000 and a
// metre of elevation 5000.
TEST(Script, Scales) {
    const Drawing doc = sampleDrawing();
    auto cmds = commands(generateScript(doc, stretch(1, 2, 8)));
    EXPECT_TRUE(has(cmds, "_dtext j mc 30000,55000 h 1500 r 0 H=1:500 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 34000,61500 h 1500 r 90 V=1:100 "));
    // Datum line at y 108 mm; invert 8.500 at 0.5 m above DL 8, 8.425 at 15 m.
    EXPECT_TRUE(has(cmds, "_line 10000,54000 410500,54000"));
    EXPECT_TRUE(has(cmds, "_line 60000,56500 75000,56125"));
    EXPECT_TRUE(has(cmds, "_line 60000,57500 75000,57125"));  // crown, d = 0.2
    EXPECT_TRUE(has(cmds, "_dtext j tl 12500,284500 h 2500 r 0 テスト地区　汚水縦断図 "));
}

TEST(Script, BandGrid) {
    Drawing doc = sampleDrawing();
    auto band = [&](const std::string& datumY = "54000") {
        auto cmds = commands(generateScript(doc, automatic()));
        return section(cmds, "_clayer 帯線", "_line 10000," + datumY + " 410500," + datumY);
    };
    // g = 0: rows share edges, the topmost row (top at 98 mm) closes the grid.
    auto lines = band();
    EXPECT_EQ(lines.size(), 8u * 7 + 2);
    EXPECT_EQ(lines[56], "_line 10000,49000 27500,49000");
    EXPECT_EQ(lines[57], "_line 35000,49000 410500,49000");
    EXPECT_EQ(lines[0], "_line 10000,14000 27500,14000");  // lower row 1 at B + g + hL

    doc.format.setValue(4, 6, "2");  // g > 0: every row a closed strip; yDL = 80 + 36 - 2 + 10
    lines = band("62000");
    EXPECT_EQ(lines.size(), 8u * 9);
    EXPECT_EQ(lines[0], "_line 10000,15000 27500,15000");  // 20 + (2 + 8)
    EXPECT_EQ(lines[7], "_line 10000,19000 27500,19000");

    doc.format.setValue(4, 6, "0");
    doc.format.setValue(5, 5, "0");  // c3 = 0: no line at x3, the right part starts at x2
    lines = band();
    EXPECT_EQ(lines.size(), 8u * 6 + 2);
    EXPECT_EQ(lines[1], "_line 27500,14000 410500,14000");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "_line 27500,14000 27500,18000"), 1);
}

TEST(Script, SubPipeStepsTheNextLabelDown) {
    Drawing doc = sampleDrawing();
    // Stations 2 and 3 are 15 m apart and manhole 2 has a sub-pipe.
    auto cmds = commands(generateScript(doc, automatic()));
    EXPECT_TRUE(has(cmds, "_line 75000,54000 75000,114000"));
    EXPECT_TRUE(has(cmds, "_line 90000,54000 90000,109000"));
    EXPECT_TRUE(has(cmds, "_dtext j BL 90000,109000 h 1500 r 30  No.3  2号 h=2.200 "));
    EXPECT_TRUE(has(cmds, "_dtext j BL 75000,109000 h 1500 r 30    副管φ150 h=0.650 "));
    EXPECT_TRUE(has(cmds, "_line 75000,109000 78750.2005991178,115495.074708298"));

    // Downstream first the distance is the later row's: No.1 follows No.2 at 15 m.
    cmds = commands(generateScript(doc, automatic(false)));
    EXPECT_TRUE(has(cmds, "_dtext j BL 110000,109000 h 1500 r 30  No.1  1号 h=1.500 "));
    EXPECT_TRUE(has(cmds, "_dtext j BL 80000,114000 h 1500 r 30  No.3  2号 h=2.200 "));
    doc.fgrid10.setText(4, 2, "25.000");
    cmds = commands(generateScript(doc, automatic(false)));
    EXPECT_TRUE(has(cmds, "_dtext j BL 110000,114000 h 1500 r 30  No.1  1号 h=1.500 "));

    doc = sampleDrawing();
    doc.fgrid7.setText(2, 2, "25.000");
    cmds = commands(generateScript(doc, automatic()));
    EXPECT_TRUE(has(cmds, "_line 90000,54000 90000,114000"));

    // Two close sub-pipes in a row step twice.
    doc = sampleDrawing();
    doc.manholes.setText(1, 4, "150");
    cmds = commands(generateScript(doc, automatic()));
    EXPECT_TRUE(has(cmds, "_line 75000,54000 75000,109000"));
    EXPECT_TRUE(has(cmds, "_line 90000,54000 90000,104000"));
    // The first station of a stretch starts at the profile height again (and at the left).
    cmds = commands(generateScript(doc, stretch(2, 3, 5)));
    EXPECT_TRUE(has(cmds, "_line 60000,54000 60000,114000"));
}

TEST(Script, LeaderFittedToTheLabel) {
    Drawing doc = sampleDrawing();
    doc.format.setValue(12, 1, "1");
    auto cmds = commands(generateScript(doc, automatic()));
    // "No.1 1号 h=1.500" has 15 characters (not bytes): L = 3 x 15 x 0.8 mm.
    const double theta = 60 * 3.1415 / 180, L = 3 * 15 * 0.8;
    const std::string expected = "_line 60000,114000 " +
                                 common::formatGeneral(60000 + L * std::cos(theta) * 500) + "," +
                                 common::formatGeneral((228 + L * std::sin(theta)) * 500);
    EXPECT_TRUE(has(cmds, expected)) << expected;
}

TEST(Script, StationValues) {
    Drawing doc = sampleDrawing();
    auto cmds = commands(generateScript(doc, automatic()));
    // Leaving span's start value right of the station, arriving span's end value left.
    EXPECT_TRUE(has(cmds, "_dtext j mc 75900,28000 h 1500 r 90 2.17 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 74100,28000 h 1500 r 90 1.33 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 60000,28000 h 1500 r 90 1.28 "));    // first station alone
    EXPECT_TRUE(has(cmds, "_dtext j mc 110000,24000 h 1500 r 90 8.220 "));  // outlet: blank start
    EXPECT_FALSE(hasPart(cmds, "_dtext j mc 110900,"));
    EXPECT_TRUE(
        has(cmds, "_dtext j mc 110000,16000 h 1500 r 90 50.00 "));  // 追加距離, distance digits

    // A start invert typed at the outlet is shown in the whole-line drawing.
    doc.split.setText(4, 6, "8.200");
    cmds = commands(generateScript(doc, automatic()));
    EXPECT_TRUE(has(cmds, "_dtext j mc 110900,24000 h 1500 r 90 8.200 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 109100,24000 h 1500 r 90 8.220 "));

    doc.settings.digits[kDigitCover] = "1";
    doc.settings.digits[kDigitInvert] = "7";  // no mask: the general form
    cmds = commands(generateScript(doc, automatic()));
    EXPECT_TRUE(has(cmds, "_dtext j mc 75900,28000 h 1500 r 90 2.2 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 110900,24000 h 1500 r 90 8.2 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 109100,24000 h 1500 r 90 8.22 "));
}

TEST(Script, ItemsWithoutARow) {
    Drawing doc = sampleDrawing();
    doc.format.setValue(7, 5, "0");  // cover not shown
    auto cmds = commands(generateScript(doc, automatic()));
    EXPECT_FALSE(hasPart(cmds, "土　　被"));
    EXPECT_FALSE(hasPart(cmds, ",28000 h 1500 r 90"));
    EXPECT_TRUE(hasPart(cmds, "管 底 高"));

    // No upper rows: pipe size, gradient and length above the datum line (yDL 78 mm).
    doc.format.setValue(5, 1, "0");
    for (int k = 1; k <= 3; ++k) doc.format.setValue(7, k, "0");
    for (int k = 4; k <= 8; ++k) doc.format.setValue(7, k, std::to_string(k - 3));
    cmds = commands(generateScript(doc, automatic()));
    EXPECT_TRUE(has(cmds, "_dtext j mc 67500,51500 h 1500 r 0 φ200 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 67500,49000 h 1500 r 0 i= 5.000 "));
    EXPECT_TRUE(has(cmds, "_dtext j mc 67500,46500 h 1500 r 0 L= 15.00 "));
    EXPECT_TRUE(has(cmds, "_dtext j bc 67500,39000 h 1500 r 0 1 "));
    EXPECT_FALSE(hasPart(cmds, "管　　径"));
}

TEST(Script, LayoutDrawsOnlyTheStretchFromTheLeftOfTheProfile) {
    const Drawing doc = sampleDrawing();
    // Stations 2 and 3 stand at 15 m and 30 m; the stretch is drawn from 15 m, so station
    // 2 takes the place of the line's start (x = 60000) and station 3 is 15 m further.
    auto cmds = commands(generateScript(doc, stretch(2, 3, 5)));
    EXPECT_TRUE(has(cmds, "_dtext j bc 67500,54000 h 1500 r 0 1-1 "));
    EXPECT_FALSE(hasPart(cmds, "_dtext j bc 85000,"));  // span 2 leaves the end station
    EXPECT_FALSE(hasPart(cmds, " 8.300 "));             // its start invert
    EXPECT_TRUE(has(cmds, "_dtext j mc 75000,24000 h 1500 r 90 8.330 "));  // arriving, alone
    EXPECT_TRUE(has(cmds, "_dtext j mc 60000,24000 h 1500 r 90 8.405 "));
    auto pipes = section(cmds, "_clayer 計画管", "_zoom e");
    EXPECT_EQ(pipes, (std::vector<std::string>{"_line 60000,71025 75000,70650",
                                               "_line 60000,72025 75000,71650"}));
    // Ground points from 15 m to 30 m, the change point at 20 m included.
    auto ground = section(cmds, "_clayer 地盤線", "_clayer ");
    EXPECT_EQ(ground, (std::vector<std::string>{"_line 60000,83000 65000,89000",
                                                "_line 65000,89000 75000,81500"}));

    // The same stretch downstream first: mirrored rows 2 and 3, from their first one.
    cmds = commands(generateScript(doc, stretch(2, 3, 5, false)));
    ground = section(cmds, "_clayer 地盤線", "_clayer ");
    EXPECT_EQ(ground, (std::vector<std::string>{"_line 60000,81500 70000,89000",
                                                "_line 70000,89000 75000,83000"}));
    pipes = section(cmds, "_clayer 計画管", "_zoom e");
    EXPECT_EQ(pipes, (std::vector<std::string>{"_line 60000,70650 75000,71025",
                                               "_line 60000,71650 75000,72025"}));
}

TEST(Script, ElevationScale) {
    const Drawing doc = sampleDrawing();
    auto labels = [&](double dl, const std::string& typed) {
        DrawOptions o = stretch(1, 4, dl);
        o.datumText = typed;
        auto cmds = commands(generateScript(doc, o));
        std::vector<std::string> out;
        for (auto& l : cmds)
            if (l.rfind("_dtext j br ", 0) == 0) out.push_back(l);
        return std::make_pair(out, cmds);
    };
    auto [l10, c10] = labels(10, "10");
    ASSERT_EQ(l10.size(), 13u);  // the D.L text and 12 major ticks of 1 m in 120 mm
    EXPECT_EQ(l10[0], "_dtext j br 31250,54000 h 1500 r 0 D.L = 10.00m ");
    EXPECT_EQ(l10[1], "_dtext j br 31250,59000 h 1500 r 0 11 ");
    EXPECT_TRUE(has(c10, "_line 25000,59000 35000,59000"));
    EXPECT_TRUE(has(c10, "_line 32500,56500 35000,56500"));  // minor tick, 0.5 m

    // A datum level ending in 5 shifts the major ticks half an interval down, the minor
    // ones never; a typed "15.0" does not end in 5.
    auto [l15, c15] = labels(15, "15");
    EXPECT_EQ(l15[1], "_dtext j br 31250,56500 h 1500 r 0 15.5 ");
    EXPECT_TRUE(has(c15, "_line 25000,56500 35000,56500"));
    EXPECT_TRUE(has(c15, "_line 32500,56500 35000,56500"));
    EXPECT_EQ(labels(15, "15.0").first[1], "_dtext j br 31250,59000 h 1500 r 0 16 ");

    auto [l13, c13] = labels(13.3, "13.3");
    EXPECT_EQ(l13[0], "_dtext j br 31250,54000 h 1500 r 0 D.L = 13.30m ");
    EXPECT_EQ(l13[1], "_dtext j br 31250,59000 h 1500 r 0 14.3 ");
    EXPECT_EQ(l13[12], "_dtext j br 31250,114000 h 1500 r 0 25.3 ");
    // Elevations relative to a datum level of 13.3 stay clean: 8.5 is 4.8 m below.
    EXPECT_TRUE(hasPart(c13, "_line 60000,30000 "));
}

TEST(Script, SectionsAndPipeWalls) {
    EXPECT_TRUE(wildcardMatch("HP*", "HP250"));
    EXPECT_TRUE(wildcardMatch("HP25#", "HP250"));
    EXPECT_FALSE(wildcardMatch("HP25#", "HP25A"));
    EXPECT_TRUE(wildcardMatch("φ?00", "φ３00"));  // one character, not one byte
    EXPECT_TRUE(wildcardMatch("*", ""));
    EXPECT_TRUE(wildcardMatch("*0*0", "1000"));
    EXPECT_FALSE(wildcardMatch("VU", "VU200"));
    EXPECT_FALSE(wildcardMatch("", "VU"));

    Drawing doc = sampleDrawing();
    EXPECT_EQ(lookUpSection(doc, "HP250")->d, 0.25);  // the later matching row wins
    EXPECT_EQ(lookUpSection(doc, "HP300")->d, 0.3);
    auto box = lookUpSection(doc, "BOX1000");
    EXPECT_EQ(box->wT, 0.2);
    EXPECT_EQ(box->wB, 0.25);
    EXPECT_FALSE(lookUpSection(doc, "XX"));

    DrawOptions o = stretch(1, 4, 5);
    o.pipeWall = true;
    doc.split.setText(2, 4, "BOX1000");
    doc.split.setText(3, 4, "XX");  // no match: the previous span's section
    auto cmds = commands(generateScript(doc, o));
    auto pipes = section(cmds, "_clayer 計画管", "_zoom e");
    ASSERT_EQ(pipes.size(), 12u);
    EXPECT_EQ(pipes[2], "_line 60000,71450 75000,71075");   // 8.5 - 0.01
    EXPECT_EQ(pipes[3], "_line 60000,72550 75000,72175");   // 8.5 + 0.2 + 0.01
    EXPECT_EQ(pipes[6], "_line 75000,69775 90000,69400");   // 8.405 - 0.25
    EXPECT_EQ(pipes[7], "_line 75000,77025 90000,76650");   // 8.405 + 1 + 0.2
    EXPECT_EQ(pipes[9], "_line 90000,75500 110000,75100");  // 8.300 + 1
    EXPECT_TRUE(has(cmds, "_dtext j mc 100000,46500 h 1500 r 0 φ1000 "));
}

TEST(Script, FrameOnlyOnRequest) {
    Drawing doc = sampleDrawing();
    DrawOptions o = automatic();
    o.frame = false;
    auto cmds = commands(generateScript(doc, o));
    EXPECT_FALSE(hasPart(cmds, "DefPoints"));
    EXPECT_FALSE(hasPart(cmds, "枠線"));
    EXPECT_EQ(cmds[1].rfind("_dtext j tl ", 0), 0u);

    doc.format.setValue(12, 4, "0");  // inner frame only
    cmds = commands(generateScript(doc, automatic()));
    auto frame = section(cmds, "_clayer 枠線", "_dtext");
    EXPECT_EQ(frame.front(), "_line 7500,7500 413000,7500");
    EXPECT_EQ(frame.size(), 4u);
}

TEST(Script, RefusesBadBandRows) {
    Drawing doc = sampleDrawing();
    EXPECT_FALSE(checkDrawingFormat(doc));
    auto refused = [&](int g, int k, const char* value) {
        Drawing d = doc;
        d.format.setValue(g, k, value);
        auto e = checkDrawingFormat(d);
        EXPECT_EQ(generateScript(d, automatic()).empty(), e.has_value());
        return e ? e->title + ":" + e->text : std::string();
    };
    const std::string band = "書式エラー:帯の段数が正しくありません。";
    EXPECT_EQ(refused(5, 1, "16"), band);  // 16 + 5 rows
    EXPECT_EQ(refused(5, 1, "-1"), band);
    EXPECT_EQ(refused(5, 2, "2.5"), band);
    EXPECT_EQ(refused(7, 8, "9"), band);  // below the 8 rows
    EXPECT_EQ(refused(7, 1, "-1"), band);
    EXPECT_EQ(refused(7, 8, "dummy"), "");  // no number: row 0, not shown
    EXPECT_EQ(refused(5, 1, "15"), "");     // 20 rows exactly
    EXPECT_EQ(refused(6, 6, "0"), "書式エラー:縮尺が正しくありません。");
    EXPECT_EQ(refused(6, 3, "0.00001"), "書式エラー:標高スケールの目盛間隔が小さすぎます。");
    Drawing flat = doc;
    flat.format.setValue(9, 3, "0");
    flat.format.setValue(6, 4, "1e-300");
    flat.format.setValue(6, 6, "1e300");  // an interval of 0 mm: 0 / 0 ticks
    EXPECT_TRUE(checkDrawingFormat(flat));
    EXPECT_EQ(refused(9, 3, "1e999"), "書式エラー:書式の数値が大きすぎます。");
}

TEST(Script, RefusesAStretchOutsideTheLine) {
    const Drawing doc = sampleDrawing();
    EXPECT_FALSE(checkStretch(doc, stretch(1, 4, 0)));
    EXPECT_FALSE(checkStretch(doc, stretch(3, 3, 0)));
    for (auto [a, b] : {std::pair{0, 2}, {3, 2}, {2, 5}}) {
        ScriptResult r = drawScript(doc, stretch(a, b, 0));
        ASSERT_TRUE(r.error);
        EXPECT_EQ(
            r.error->text,
            "起点番号と終点番号は 1 から 4 までの番号で、起点番号を終点番号以下にしてください。");
        EXPECT_EQ(r.text, "");
    }
    EXPECT_FALSE(drawScript(doc, automatic()).error);
}

}  // namespace
