// The design rules on small typed documents: each rule on both sides of its limit, the
// cells a finding points at, and the tab-separated layout.
#include "kandoru/check/design_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "calc_fixture.h"
#include "kandoru/check/check_report.h"

namespace {

using calc_testing::fill;
using kandoru::Document;
using namespace kandoru::check;

// Two spans of φ200 at 6 ‰ (1.051 m/s with n 0.010), 40 m each, covers at 1.2 m or more,
// small drops, manhole type 2 (up to 900 mm) everywhere: no finding.
Document cleanDocument() {
    Document d;
    fill(d.format.circular, {{"φ199", "0.199", "0.020", "0.100"},
                             {"φ200", "0.200", "0.020", "0.100"},
                             {"φ250", "0.250", "0.025", "0.100"},
                             {"φ600", "0.600", "0.050", "0.200"},
                             {"φ601", "0.601", "0.050", "0.200"},
                             {"φ700", "0.700", "0.058", "0.250"},
                             {"φ0", "0.000", "0.020", "0.100"}});
    fill(d.format.box, {{"□1000×1000", "1.000", "0.150", "0.150", "0.250"},
                        {"□1000", "1.000", "0.150", "0.150", "0.250"}});
    fill(d.format.manholeTypes, {{"1号人孔", "600"}, {"2号人孔", "900"}});
    d.formatLoaded = true;
    d.settings.minCover = "1.2";
    d.settings.outletRoute = "9";
    fill(d.fgrid2, {{"1", "40.000", "10.000", "φ200", "6.000", "8.500", "8.260", "1.280", "1.320"},
                    {"1-1", "40.000", "9.800", "φ200", "6.000", "8.240", "8.000", "1.340", "1.300"},
                    {"9", "", "9.500"}});
    fill(d.fgrid3, {{"1", "No.1", "2号人孔", "", "0.000"},
                    {"1-1", "No.1-1", "2号人孔", "", "0.020"},
                    {"9", "No.9", "2号人孔"}});
    return d;
}

// "rule label value limit" for each finding.
std::vector<std::string> described(const CheckResult& r) {
    std::vector<std::string> out;
    for (const Finding& f : r.findings)
        out.push_back(std::string(ruleKey(f.rule)) + " " + f.label + " " + f.value + " " + f.limit);
    return out;
}

using Change = std::function<void(Document&)>;
Change cell(common::Table Document::*table, int r, int c, std::string text) {
    return [=](Document& d) { (d.*table).setText(r, c, text); };
}
Change both(Change a, Change b) {
    return [=](Document& d) {
        a(d);
        b(d);
    };
}
const auto split = &Document::fgrid2;
const auto manholes = &Document::fgrid3;

struct Case {
    const char* what;
    Change change;
    std::vector<std::string> findings;
};

TEST(DesignCheck, EachRuleOnBothSidesOfItsLimit) {
    const Change noMaxSize = [](Document& d) { d.settings.maxDiameter = ""; };
    const Case cases[] = {
        {"clean", [](Document&) {}, {}},
        // Spacing: 75 m up to 600 mm; the largest pipe at either manhole counts.
        {"75.000 m", cell(split, 1, 2, "75.000"), {}},
        {"75.001 m", cell(split, 1, 2, "75.001"), {"spacing 1 75.001 75.000"}},
        {"80 m beside a 700 mm pipe",
         both(both(cell(split, 1, 2, "80.000"), cell(split, 2, 4, "φ700")), noMaxSize),
         {}},
        // Cover at the manholes, as the cells show it.
        {"start cover 1.200", cell(split, 1, 8, "1.200"), {}},
        {"start cover 1.199", cell(split, 1, 8, "1.199"), {"cover 1 1.199 1.200"}},
        {"end cover 1.199", cell(split, 2, 9, "1.199"), {"cover 1-1 1.199 1.200"}},
        // Drops: 0.6 m and more need a drop pipe unless they have one or it is automatic.
        {"drop 0.599", cell(manholes, 2, 5, "0.599"), {}},
        {"drop 0.600", cell(manholes, 2, 5, "0.600"), {"drop-pipe 1-1 0.600 0.600"}},
        {"drop 0.600 with a drop pipe",
         both(cell(manholes, 2, 5, "0.600"), cell(manholes, 2, 4, "150")),
         {}},
        {"drop 0.600, drop pipes automatic",
         both(cell(manholes, 2, 5, "0.600"), [](Document& d) { d.dropPipeChecked = true; }),
         {}},
        // Sizes against the settings (200 to 600 mm) and against the pipe upstream.
        {"199 mm", cell(split, 1, 4, "φ199"), {"size-min 1 199 200"}},
        {"601 mm", cell(split, 2, 4, "φ601"), {"size-max 1-1 601 600"}},
        {"600 mm", cell(split, 2, 4, "φ600"), {}},
        {"250 then 200 mm", cell(split, 1, 4, "φ250"), {"size-decrease 1-1 200 250"}},
        // Manhole types: type 1 takes pipes up to 600 mm, in or out.
        {"600 mm out of type 1",
         both(cell(split, 2, 4, "φ600"), cell(manholes, 2, 3, "1号人孔")),
         {}},
        {"700 mm out of type 1",
         both(both(cell(split, 2, 4, "φ700"), cell(manholes, 2, 3, "1号人孔")), noMaxSize),
         {"manhole-type 1-1 700 600"}},
        {"700 mm into the outlet's type 1",
         both(both(cell(split, 2, 4, "φ700"), cell(manholes, 3, 3, "1号人孔")), noMaxSize),
         {"manhole-type 9 700 600"}},
        {"a type the format does not list", cell(manholes, 2, 3, "9号人孔"), {}},
        // Gradients.
        {"0 ‰", cell(split, 1, 5, "0.000"), {"gradient 1 0.000 0.000"}},
        {"-2 ‰", cell(split, 1, 5, "-2.000"), {"gradient 1 -2.000 0.000"}},
        {"0.001 ‰", cell(split, 1, 5, "0.001"), {"velocity-low 1 0.014 0.600"}},
        // Sections without hydraulics; a box's size is its height in the box table.
        {"□1000",
         both(cell(split, 2, 4, "□1000"), cell(manholes, 3, 3, "")),
         {"section-unknown 1-1 □1000 □B×H", "manhole-type 1-1 1000 900"}},
        {"unknown code", cell(split, 2, 4, "XX"), {"section-unknown 1-1 XX "}},
        {"no diameter", cell(split, 2, 4, "φ0"), {"section-unknown 1-1 φ0 "}},
    };
    for (const Case& c : cases) {
        Document d = cleanDocument();
        c.change(d);
        EXPECT_EQ(described(designCheck(d)), c.findings) << c.what;
    }
}

// A change point 20 m into span 1: the pipe there is 8.500 − 0.120 = 8.380, its crown
// with the wall 8.600, so the cover is the ground minus 8.600 (to the cover digits, 2).
TEST(DesignCheck, ChangePointCoverAgainstTheLargerOfBothMinimums) {
    const Case cases[] = {
        {"1.20 m, asked 1.0", cell(&Document::fgrid4, 1, 3, "9.800"), {}},
        {"1.19 m, asked 1.0", cell(&Document::fgrid4, 1, 3, "9.790"), {"cover 1変 1.190 1.200"}},
        {"1.50 m, asked 1.5",
         both(cell(&Document::fgrid4, 1, 3, "10.100"), cell(&Document::fgrid4, 1, 4, "1.500")),
         {}},
        {"1.49 m, asked 1.5",
         both(cell(&Document::fgrid4, 1, 3, "10.090"), cell(&Document::fgrid4, 1, 4, "1.500")),
         {"cover 1変 1.490 1.500"}},
    };
    for (const Case& c : cases) {
        Document d = cleanDocument();
        fill(d.fgrid4, {{"1", "20.000", "", "1.000"}});
        c.change(d);
        const CheckResult r = designCheck(d);
        EXPECT_EQ(described(r), c.findings) << c.what;
        for (const Finding& f : r.findings) {
            EXPECT_EQ(f.row, 1);
            EXPECT_EQ(f.cell.grid, Grid::ChangePoint);
            EXPECT_EQ(f.cell.row, 1);
        }
    }
}

TEST(DesignCheck, FindingsPointAtTheCellToChange) {
    Document d = cleanDocument();
    d.fgrid2.setText(1, 2, "90.000");   // spacing: the length
    d.fgrid2.setText(2, 9, "1.000");    // cover: the end cover
    d.fgrid3.setText(2, 5, "0.700");    // drop: the drop-pipe cell
    d.fgrid2.setText(1, 5, "60.000");   // velocity: the gradient
    d.fgrid3.setText(1, 3, "1号人孔");  // type 1 holds the 200 mm pipes
    d.fgrid2.setText(2, 4, "φ199");     // decrease: the code
    struct Expect {
        Rule rule;
        Grid grid;
        int row, col;
    };
    const std::vector<Expect> expected{
        {Rule::VelocityHigh, Grid::Split, 1, 5}, {Rule::Spacing, Grid::Split, 1, 2},
        {Rule::SizeMin, Grid::Split, 2, 4},      {Rule::SizeDecrease, Grid::Split, 2, 4},
        {Rule::DropPipe, Grid::Manhole, 2, 4},   {Rule::Cover, Grid::Split, 2, 9},
    };
    const CheckResult r = designCheck(d);
    ASSERT_EQ(r.findings.size(), expected.size()) << testing::PrintToString(described(r));
    for (size_t i = 0; i < expected.size(); ++i) {
        const Finding& f = r.findings[i];
        EXPECT_EQ(f.rule, expected[i].rule) << i;
        EXPECT_EQ(f.cell.grid, expected[i].grid) << i;
        EXPECT_EQ(f.cell.row, expected[i].row) << i;
        EXPECT_EQ(f.cell.col, expected[i].col) << i;
        EXPECT_EQ(f.row, expected[i].row) << i;
    }
}

TEST(DesignCheck, SectionFindingsSayWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"□1000", "断面が不明で水理計算できない（□B×H の形でない）"},
        {"XX", "断面が不明で水理計算できない（書式にない管記号）"},
        {"φ0", "断面が不明で水理計算できない（直径が 0 以下）"},
    };
    for (auto [code, text] : cases) {
        Document d = cleanDocument();
        d.fgrid2.setText(1, 4, code);
        const CheckResult r = designCheck(d);
        ASSERT_FALSE(r.findings.empty()) << code;
        EXPECT_EQ(findingText(r.findings.front()), text);
        EXPECT_FALSE(r.spans.front().flow) << code;
    }
}

TEST(DesignCheck, VelocityLimitsAsShown) {
    const std::pair<double, std::optional<Rule>> cases[] = {
        {0.59, Rule::VelocityLow},    {0.5994, Rule::VelocityLow}, {0.5995, std::nullopt},
        {0.60, std::nullopt},         {3.0, std::nullopt},         {3.0004, std::nullopt},
        {3.0005, Rule::VelocityHigh}, {3.01, Rule::VelocityHigh},
    };
    for (auto [v, rule] : cases) EXPECT_EQ(velocityRule(v), rule) << v;
}

TEST(DesignCheck, SettingsComeFromTheFields) {
    Document d = cleanDocument();
    CheckSettings s = checkSettings(d);
    EXPECT_EQ(s.formula, FlowFormula::Manning);
    EXPECT_EQ(s.n, 0.010);
    EXPECT_EQ(s.minSizeMm, 200);
    EXPECT_EQ(s.maxSizeMm, 600);
    EXPECT_EQ(s.minCoverM, 1.2);

    d.settings.manning = false;
    d.settings.kutter = true;
    d.settings.pipeType = "鉄筋ｺﾝｸﾘｰﾄ管";
    d.settings.minDiameter = "abc";
    d.settings.maxDiameter = "0";
    d.settings.minCover = "";
    s = checkSettings(d);
    EXPECT_EQ(s.formula, FlowFormula::Kutter);
    EXPECT_EQ(s.n, 0.013);
    EXPECT_FALSE(s.minSizeMm);
    EXPECT_FALSE(s.maxSizeMm);
    EXPECT_FALSE(s.minCoverM);
    // Without limits those rules stay quiet.
    d.fgrid2.setText(1, 4, "φ199");
    d.fgrid2.setText(1, 8, "0.500");
    EXPECT_EQ(described(designCheck(d)), std::vector<std::string>{});
}

TEST(DesignCheck, TsvLayout) {
    Document d = cleanDocument();
    d.fgrid2.setText(2, 4, "□1000×1000");
    d.fgrid2.setText(2, 5, "2.000");
    d.fgrid3.setText(2, 3, "");
    d.fgrid3.setText(3, 3, "");
    d.fgrid2.setText(1, 5, "0.000");
    EXPECT_EQ(checkTsv(designCheck(d)),
              "span\t1-1\t□1000×1000\t1000\t2.000\t0.010\t2.098\t1.88863\n"
              "finding\tgradient\t1\t0.000\t0.000\n");

    // Kutter with concrete pipes: 200 mm at 6 ‰ gives 0.738 m/s.
    d = cleanDocument();
    d.settings.manning = false;
    d.settings.kutter = true;
    d.settings.pipeType = "鉄筋ｺﾝｸﾘｰﾄ管";
    EXPECT_EQ(checkTsv(designCheck(d)),
              "span\t1\tφ200\t200\t6.000\t0.013\t0.738\t0.02318\n"
              "span\t1-1\tφ200\t200\t6.000\t0.013\t0.738\t0.02318\n");
}

TEST(DesignCheck, SpansEndWhereTheCalculationStopped) {
    Document d = cleanDocument();
    d.fgrid2.setText(2, 5, "");  // no gradient: the profile calculation stops here
    const CheckResult r = designCheck(d);
    ASSERT_EQ(r.spans.size(), 1u);
    EXPECT_EQ(r.spans[0].label, "1");
    EXPECT_TRUE(designCheck(Document()).spans.empty());
}

}  // namespace
