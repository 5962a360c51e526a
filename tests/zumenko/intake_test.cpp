// Intake of the hand-off file and the mirrored tables.
#include "zumenko/intake.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/textfile.h"
#include "fixtures.h"
#include "support/golden.h"

using namespace zumenko;
using namespace zumenko_test;

namespace {

Drawing sampleSource() {
    Drawing src;
    setSampleFormat(src);
    setSampleProfile(src);
    return src;
}

// Reading lines that fail gives false and a reason naming the line.
void expectRefused(const std::vector<std::string>& lines, const std::string& reasonPart) {
    Drawing doc;
    std::string error;
    EXPECT_FALSE(readHandoffLines(lines, doc, &error));
    EXPECT_NE(error.find(reasonPart), std::string::npos) << error;
}

TEST(Intake, ReadsTablesSettingsAndFormat) {
    Drawing doc = sampleDrawing();
    EXPECT_EQ(doc.routes.text(2, 2), "20.000");
    // 13 values per split record: columns 1-9 kept, 10-12 stay empty.
    EXPECT_EQ(doc.split.text(1, 9), "1.325");
    for (int c = 10; c <= 12; ++c) EXPECT_EQ(doc.split.text(1, c), "");
    EXPECT_EQ(doc.changePoints.text(1, 4), "1.200");
    EXPECT_EQ(doc.manholes.text(2, 5), "0.650");
    EXPECT_EQ(doc.fgrid7.text(4, 3), "50.000");
    EXPECT_EQ(doc.fgrid8.text(2, 1), "1変");
    EXPECT_EQ(doc.fgrid5.text(5, 2), "50.000");
    EXPECT_EQ(doc.format.circular.text(3, 1), "HP25#");
    EXPECT_EQ(doc.format.box.text(1, 4), "0.250");
    EXPECT_EQ(doc.format.manholeTypes.text(2, 2), "900");
    EXPECT_EQ(doc.settings.projectName, "テスト地区　汚水縦断図");
    EXPECT_EQ(doc.settings.outletRoute, "3");
    EXPECT_EQ(doc.settings.manholeDrop, "20");
    EXPECT_TRUE(doc.settings.manning);
    EXPECT_FALSE(doc.settings.kutter);
    EXPECT_EQ(doc.settings.digits[kDigitInvert], "3");
    EXPECT_EQ(doc.format.value(6, 5), "500");
    EXPECT_EQ(doc.format.value(9, 9), "枠線");
    EXPECT_EQ(doc.format.value(11, 1), "#TRUE#");
    EXPECT_EQ(doc.format.item(91), "dummy");
    EXPECT_EQ(doc.format.item(28), "100");  // 6.6
}

TEST(Intake, RowNumbersAddressRowsAndBlankRowsAreKept) {
    Drawing src = sampleSource();
    src.routes.setText(7, 2, "orphan");  // a row without route number is still stored
    auto lines = handoffLines(src);
    std::swap(lines[0], lines[1]);  // records of rows 2 and 1 in the wrong order
    Drawing doc;
    ASSERT_TRUE(readHandoffLines(lines, doc));
    EXPECT_EQ(doc.routes.text(1, 1), "1");
    EXPECT_EQ(doc.routes.text(2, 1), "2");
    EXPECT_EQ(doc.routes.text(7, 2), "orphan");
}

TEST(Intake, RefusesShortAndMalformedFiles) {
    const auto good = handoffLines(sampleSource());
    ASSERT_EQ(good.size(), static_cast<size_t>(kHandoffLines));

    expectRefused({}, "ends after line 0");
    expectRefused({good.begin(), good.end() - 1}, "ends after line 6518");
    expectRefused({good.begin(), good.begin() + 3000}, "ends after line 3000");

    auto bad = good;
    bad[200] = "0,\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
    expectRefused(bad, "line 201: row number \"0\"");
    bad = good;
    bad[1500] = "1001,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
    expectRefused(bad, "line 1501");
    bad = good;
    bad[10] = "11,\"x\",\"\",\"\"";
    expectRefused(bad, "line 11: 4 fields instead of 5");
    bad = good;
    bad[6502] = "#TRUE#,#FALSE#,\"yes\",#TRUE#";
    expectRefused(bad, "line 6503: \"yes\" is not #TRUE# or #FALSE#");
    bad = good;
    bad[6518] = "\"dummy\"";
    expectRefused(bad, "line 6519: 1 fields instead of 10");
}

TEST(Intake, EachByteThatIsNotShiftJisReadsAsAQuestionMarkAndIsReported) {
    auto lines = handoffLines(sampleSource());
    lines[6500] = "\"\xEF\xBF\xBD地区\xEF\xBF\xBD\",\"\",\"3\",\"\",\"\",\"0\"";  // U+FFFD per byte
    lines[1] = "2,\"2\xEF\xBF\xBD\",\"\",\"\",\"\"";
    Drawing doc;
    common::ReadReport report;
    ASSERT_TRUE(readHandoffLines(lines, doc, nullptr, &report));
    EXPECT_EQ(doc.settings.projectName, "？地区？");
    EXPECT_EQ(doc.settings.outletRoute, "3");
    EXPECT_EQ(doc.routes.text(2, 1), "2？");
    EXPECT_EQ(report.unreadableByteLines(), (std::vector<int>{2, 6501}));
}

TEST(Intake, FileErrorsNeverThrow) {
    testing_support::TempDir dir;
    Drawing doc;
    std::string error;
    EXPECT_FALSE(readHandoff(dir / "XTemp.txt", doc, &error));
    EXPECT_FALSE(readHandoff(dir.path(), doc, &error));  // a folder
    {
        std::ofstream f(dir / "junk.txt", std::ios::binary);
        for (int i = 0; i < 7000; ++i) f << "\x82\xff,\"\x81\n";
    }
    EXPECT_FALSE(readHandoff(dir / "junk.txt", doc, &error));
    EXPECT_EQ(handoffErrorMessage("C:\\XTemp.txt"),
              "作図データを読み込めませんでした。\r\nC:\\XTemp.txt");
}

TEST(Intake, ReadsTheCommittedSampleFile) {
    Drawing doc;
    std::string error;
    ASSERT_TRUE(readHandoff(testing_support::testData("zumenko/sample_handoff.txt"), doc, &error))
        << error;
    EXPECT_EQ(doc.settings.projectName, "テスト地区　汚水縦断図");
    EXPECT_EQ(doc.fgrid10.text(4, 1), "1");
}

// Split lengths 30, 20 and none, distances 0, 30, 50: reversed, each row adds its own
// length, in single precision and formatted with three decimals.
TEST(Mirror, SplitPointsFromTheDownstreamEnd) {
    Drawing doc;
    setRow(doc.fgrid7, 1, {"1", "30.000", "0.000", "10.000"});
    setRow(doc.fgrid7, 2, {"2", "20.000", "30.000", "10.500"});
    setRow(doc.fgrid7, 3, {"3", "", "50.000", "11.000"});
    doc.fgrid10.setCurrent(3, 2);
    buildMirroredTables(doc);
    const auto& t = doc.fgrid10;
    EXPECT_EQ(t.text(1, 1), "3");
    EXPECT_EQ(t.text(2, 1), "2");
    EXPECT_EQ(t.text(3, 1), "1");
    EXPECT_EQ(t.text(1, 3), "0");
    EXPECT_EQ(t.text(2, 3), "20.000");
    EXPECT_EQ(t.text(3, 3), "50.000");
    EXPECT_EQ(t.text(3, 4), "10.000");
    EXPECT_EQ(t.text(4, 3), "");
    EXPECT_EQ(t.text(2, 0), "2:");
    EXPECT_EQ(t.currentRow(), 1);
    EXPECT_EQ(t.currentCol(), 1);
}

TEST(Mirror, SumsAreSinglePrecision) {
    Drawing doc;
    setRow(doc.fgrid7, 1, {"A", "0.001", "0.000"});
    setRow(doc.fgrid7, 2, {"B", "70000.001", "0.001"});
    setRow(doc.fgrid7, 3, {"C", "", "70000.002"});
    buildMirroredTables(doc);
    // In single precision 70000 + 0.001 stays 70000.
    EXPECT_EQ(doc.fgrid10.text(2, 3), "70000.000");
    EXPECT_EQ(doc.fgrid10.text(3, 3), "70000.000");
}

TEST(Mirror, GroundPointSpacings) {
    Drawing doc;
    setRow(doc.fgrid5, 1, {"1", "0.000", "10.000"});
    setRow(doc.fgrid5, 2, {"1変", "12.500", "11.000"});
    setRow(doc.fgrid5, 3, {"2", "40.000", "12.000"});
    buildMirroredTables(doc);
    const auto& t = doc.fgrid14;
    EXPECT_EQ(t.text(1, 1), "2");
    EXPECT_EQ(t.text(1, 4), "");
    EXPECT_EQ(t.text(2, 4), "27.500");
    EXPECT_EQ(t.text(3, 4), "12.500");
    EXPECT_EQ(t.text(1, 2), "0");
    EXPECT_EQ(t.text(2, 2), "27.500");
    EXPECT_EQ(t.text(3, 2), "40.000");
    EXPECT_EQ(t.text(3, 3), "10.000");
}

// Manholes and spans travel with their split points and take the mirrored distance.
TEST(Mirror, ManholesSpansAndProfileFollowTheirStations) {
    Drawing doc = sampleDrawing();
    EXPECT_EQ(doc.fgrid11.text(1, 2), "No.4");
    EXPECT_EQ(doc.fgrid11.text(3, 4), "150");
    EXPECT_EQ(doc.fgrid11.text(3, 9), "35.000");
    EXPECT_EQ(doc.fgrid12.text(2, 1), "2");
    EXPECT_EQ(doc.fgrid12.text(2, 6), "8.300");
    EXPECT_EQ(doc.fgrid12.text(2, 10), "20.000");
    EXPECT_EQ(doc.fgrid12.text(4, 10), "50.000");
    // FGrid8 lengths run to the next downstream point, so the reversed rows add them.
    EXPECT_EQ(doc.fgrid13.text(1, 1), "3");
    EXPECT_EQ(doc.fgrid13.text(2, 3), "20.000");
    EXPECT_EQ(doc.fgrid13.text(3, 1), "1変");
    EXPECT_EQ(doc.fgrid13.text(3, 3), "30.000");
    EXPECT_EQ(doc.fgrid13.text(4, 3), "50.000");
}

}  // namespace
