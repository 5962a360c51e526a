#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "common/numtext.h"

using common::formatGeneral;
using common::formatMask;
using common::val;

TEST(Val, TakesTheLeadingNumericPrefix) {
    EXPECT_EQ(val("12.5abc"), 12.5);
    EXPECT_EQ(val(" -3"), -3.0);
    EXPECT_EQ(val(".5"), 0.5);
    EXPECT_EQ(val("5."), 5.0);
    EXPECT_EQ(val("+7"), 7.0);
    EXPECT_EQ(val("1.2.3"), 1.2);
    EXPECT_EQ(val("2e3x"), 2000.0);
    EXPECT_EQ(val("2e"), 2.0);  // an exponent without digits is not part of the number
    EXPECT_EQ(val("2e+"), 2.0);
    EXPECT_EQ(val("1.5E-2"), 0.015);
}

TEST(Val, TextWithoutNumberIsZero) {
    EXPECT_EQ(val(""), 0.0);
    EXPECT_EQ(val("-"), 0.0);
    EXPECT_EQ(val("."), 0.0);
    EXPECT_EQ(val("abc"), 0.0);
    EXPECT_EQ(val("-.e5"), 0.0);
    EXPECT_FALSE(common::hasNumber("-"));
    EXPECT_TRUE(common::hasNumber(" .5"));
}

TEST(Val, OverflowIsInfiniteAndNotAWrongNumber) {
    EXPECT_TRUE(std::isinf(val("1e309")));
    EXPECT_GT(val("1e309"), 0);
    EXPECT_TRUE(std::isinf(common::valFloat("1e39")));
    EXPECT_EQ(val("1e-400"), 0.0);
}

TEST(Val, FloatReadingRoundsOnceFromTheDecimal) {
    EXPECT_EQ(common::valFloat("10.1"), 10.1f);
    EXPECT_EQ(common::valFloat("30.3"), 30.3f);
    EXPECT_EQ(common::valFloat(" -2.5x"), -2.5f);
}

TEST(Val, QuickReadingsAgreeWithTheLibrary) {
    // Cell texts of every length around the limits of the one-pass readings: the value
    // must be the correctly rounded one in both precisions.
    for (const char* t :
         {"0.000", "-0.000", "12.345", "-8.525", "16777.216", "16777.217", "-16777.215",
          "99999.999", "123456789.123", "1234567890.123", "9007199254740.993", "0.1", "30.3",
          "1.0000001", "000000000000000000001.5", "12345678901234567890", "4503599627370497.5",
          "0.30000000000000004"}) {
        EXPECT_EQ(common::valFloat(t), std::strtof(t, nullptr)) << t;
        EXPECT_EQ(val(t), std::strtod(t, nullptr)) << t;
    }
    EXPECT_TRUE(std::signbit(common::valFloat("-0.000")));
    EXPECT_EQ(common::valFloat("12.345x"), 12.345f);
    EXPECT_EQ(common::valFloat("1e.000"), 1.0f);
}

TEST(FormatMask, AlwaysShowsTheDecimals) {
    EXPECT_EQ(formatMask(1.5, 3), "1.500");
    EXPECT_EQ(formatMask(0.0, 3), "0.000");
    EXPECT_EQ(formatMask(-2.0, 3), "-2.000");
    EXPECT_EQ(formatMask(12.0, 2), "12.00");
    EXPECT_EQ(formatMask(12.0, 1), "12.0");
    EXPECT_EQ(formatMask(1234567.0, 3), "1234567.000");
    EXPECT_EQ(formatMask(0.05, 3), "0.050");
}

TEST(FormatMask, RoundsTheShortestDecimalHalfAwayFromZero) {
    // 2.0005 is 2.000499999... in binary; its shortest text is 2.0005, which rounds up.
    EXPECT_EQ(formatMask(2.0005, 3), "2.001");
    EXPECT_EQ(formatMask(2.0005f, 3), "2.001");
    EXPECT_EQ(formatMask(-2.0005, 3), "-2.001");
    EXPECT_EQ(formatMask(0.125, 2), "0.13");
    EXPECT_EQ(formatMask(-0.125, 2), "-0.13");
    EXPECT_EQ(formatMask(9.9995, 3), "10.000");
    EXPECT_EQ(formatMask(0.0005, 3), "0.001");
    EXPECT_EQ(formatMask(0.00049, 3), "0.000");
    EXPECT_EQ(formatMask(10.25005, 3), "10.250");
}

TEST(FormatMask, UsesTheValuesOwnPrecision) {
    // A float 8.325 is 8.32499980926513671875; its shortest float text is 8.325.
    EXPECT_EQ(formatMask(8.325f, 3), "8.325");
    // The same binary value as a double has 15 digits 8.32499980926514.
    EXPECT_EQ(formatMask(static_cast<double>(8.325f), 3), "8.325");
    EXPECT_EQ(formatMask(static_cast<double>(1.0005f), 3), "1.000");
    EXPECT_EQ(formatMask(1.0005f, 3), "1.001");
    EXPECT_EQ(formatMask(0.1 + 0.2, 3), "0.300");
}

TEST(FormatMask, ZeroHasNoSignAndInfinityShowsAsZero) {
    EXPECT_EQ(formatMask(-0.0, 3), "0.000");
    EXPECT_EQ(formatMask(-0.0004, 3), "0.000");
    EXPECT_EQ(formatMask(val("1e309"), 3), "0.000");
    EXPECT_EQ(formatMask(std::nan(""), 3), "0.000");
    EXPECT_EQ(common::mask3("12.5abc"), "12.500");
    EXPECT_EQ(common::mask3(""), "0.000");
}

TEST(FormatMask, LargeValuesAreWrittenOut) {
    EXPECT_EQ(formatMask(1e20, 3), "100000000000000000000.000");
    EXPECT_EQ(formatMask(1e39, 3), "1000000000000000000000000000000000000000.000");
}

TEST(FormatGeneral, ShortestTextWithoutExponent) {
    EXPECT_EQ(formatGeneral(12.3f), "12.3");
    EXPECT_EQ(formatGeneral(static_cast<double>(12.3f)), "12.3000001907349");
    EXPECT_EQ(formatGeneral(90500.0), "90500");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(-0.5), "-0.5");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(1e-7), "0.0000001");
    EXPECT_EQ(formatGeneral(1e20), "100000000000000000000");
    EXPECT_EQ(formatGeneral(0.50), "0.5");
    EXPECT_EQ(formatGeneral(150.0), "150");
    EXPECT_EQ(formatGeneral(500), "500");
    EXPECT_EQ(formatGeneral(1.0 / 3.0), "0.333333333333333");
}

TEST(Val, ShortDecimalsReadExactlyAsTheLibraryReadsThem) {
    // Cell texts take a quick path; it must round exactly as strtod / strtof do.
    unsigned long long seed = 12345;
    auto next = [&seed] { return seed = seed * 6364136223846793005ull + 1442695040888963407ull; };
    for (int i = 0; i < 200000; ++i) {
        unsigned long long m = (next() >> 11) % (i % 2 ? 100000000ull : 20000000000000000ull);
        std::string t = std::to_string(m);
        size_t decimals = (next() >> 33) % std::min<size_t>(t.size() + 3, 24);
        while (t.size() <= decimals) t.insert(t.begin(), '0');
        t.insert(t.size() - decimals, ".");
        if (i % 3 == 0) t.insert(t.begin(), '-');
        EXPECT_EQ(val(t), std::strtod(t.c_str(), nullptr)) << t;
        EXPECT_EQ(common::valFloat(t), std::strtof(t.c_str(), nullptr)) << t;
    }
}
