// The layout button: clamping, the length in single precision, the datum level.
#include "zumenko/layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/numtext.h"
#include "fixtures.h"
#include "zumenko/intake.h"

using namespace zumenko;
using namespace zumenko_test;

namespace {

// n stations 10 m apart, ground level 20 everywhere.
Drawing stations(int n) {
    Drawing doc;
    for (int r = 1; r <= n; ++r)
        setRow(doc.fgrid7, r,
               {std::to_string(r), r < n ? "10.000" : "", common::formatMask(10.0 * (r - 1), 3),
                "20.000"});
    doc.format.setValue(6, 6, "100");
    return doc;
}

TEST(Layout, ClampsTheStationNumbers) {
    Drawing doc = stations(10);
    LayoutResult r = layoutButton(doc, 5, 3);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.startNo, 5);
    EXPECT_EQ(r.endNo, 6);
    EXPECT_EQ(r.lengthText, "10");

    doc = stations(12);
    r = layoutButton(doc, 1, 20);
    EXPECT_EQ(r.endNo, 12);
    EXPECT_EQ(r.lengthText, "110");

    // A start on the last station leaves the last span rather than a row past the line.
    r = layoutButton(doc, 15, 20);
    EXPECT_EQ(r.startNo, 11);
    EXPECT_EQ(r.endNo, 12);
    r = layoutButton(doc, 0, 3);
    EXPECT_EQ(r.startNo, 1);
    EXPECT_EQ(r.endNo, 3);

    EXPECT_FALSE(layoutButton(stations(1), 1, 1).ok);
    EXPECT_FALSE(layoutButton(Drawing(), 1, 1).ok);
}

TEST(Layout, LengthIsSinglePrecision) {
    Drawing doc = stations(3);
    doc.fgrid7.setText(2, 3, "0.001");
    doc.fgrid7.setText(3, 3, "70000.002");
    EXPECT_EQ(layoutButton(doc, 2, 3).lengthText, "70000");
}

TEST(Layout, DatumLevelRoundsDownToFive) {
    Drawing doc = stations(4);
    doc.fgrid7.setText(4, 4, "12.34");
    doc.format.setValue(10, 1, "20");  // 20 mm at V = 100 is 2 m
    LayoutResult r = layoutButton(doc, 1, 4);
    EXPECT_EQ(r.datumLevel, 10.0);
    EXPECT_EQ(r.datumText, "10");

    doc.fgrid7.setText(4, 4, "-1.2");
    doc.format.setValue(10, 1, "0");
    r = layoutButton(doc, 1, 4);
    EXPECT_EQ(r.datumLevel, -5.0);
    EXPECT_EQ(r.datumText, "-5");

    doc.fgrid7.setText(4, 4, "3.000");
    EXPECT_EQ(layoutButton(doc, 1, 4).datumText, "0");
    doc.fgrid7.setText(4, 4, "15.000");
    EXPECT_EQ(layoutButton(doc, 1, 4).datumText, "15");
}

TEST(Layout, AutomaticDatumLevelFromTheLowestGround) {
    Drawing doc = stations(5);
    doc.fgrid7.setText(3, 4, "11.900");
    doc.format.setValue(10, 1, "10");
    buildMirroredTables(doc);
    EXPECT_EQ(automaticDatumLevel(doc, true), 10.0);  // 11.9 - 1 = 10.9
    EXPECT_EQ(automaticDatumLevel(doc, false), 10.0);
    doc.fgrid7.setText(4, 4, "-0.5");
    EXPECT_EQ(automaticDatumLevel(doc, true), -5.0);
    doc.fgrid7.setText(2, 4, "");  // the scan stops at the first blank ground level
    EXPECT_EQ(automaticDatumLevel(doc, true), 15.0);
    EXPECT_EQ(floorToFive(-0.0), 0.0);
    EXPECT_FALSE(std::signbit(floorToFive(-0.0)));
}

TEST(Layout, FieldTexts) {
    EXPECT_EQ(parseStationNumber(" 12 "), 12);
    EXPECT_EQ(parseStationNumber("+3"), 3);
    EXPECT_FALSE(parseStationNumber(""));
    EXPECT_FALSE(parseStationNumber("1.5"));
    EXPECT_FALSE(parseStationNumber("12a"));
    EXPECT_EQ(parseDatumLevel("-12.5"), -12.5);
    EXPECT_EQ(parseDatumLevel(" 15 "), 15.0);
    EXPECT_FALSE(parseDatumLevel("abc"));
    EXPECT_FALSE(parseDatumLevel("1e999"));
    EXPECT_FALSE(parseDatumLevel("5m"));
}

}  // namespace
