#include <gtest/gtest.h>

#include "kandoru/calc/rounding.h"

using kandoru::RoundToDigits;

TEST(RoundToDigits, HalvesGoUpTowardsPlusInfinity) {
    EXPECT_EQ(RoundToDigits(2.5, "0"), 3.0);
    EXPECT_EQ(RoundToDigits(-2.5, "0"), -2.0);
    EXPECT_EQ(RoundToDigits(0.125, "2"), 0.13);
    EXPECT_EQ(RoundToDigits(-0.125, "2"), -0.12);
    EXPECT_EQ(RoundToDigits(1.23456, "4"), 1.2346);
    EXPECT_EQ(RoundToDigits(1.23456, "3"), 1.235);
    EXPECT_EQ(RoundToDigits(1.23456f, "1"), 1.2);
}

TEST(RoundToDigits, ProductInTheValuesOwnPrecision) {
    // 0.0055f is 0.0054999999701977: times 1000 in single precision it is exactly 5.5.
    EXPECT_EQ(RoundToDigits(0.0055f, "3"), 0.006);
    EXPECT_EQ(RoundToDigits(static_cast<double>(0.0055f), "3"), 0.005);
    // The factor is divided out, not multiplied by 0.1: 11 / 10 is the double nearest 1.1.
    EXPECT_EQ(RoundToDigits(1.1, "1"), 1.1);
    EXPECT_EQ(RoundToDigits(8.5249999f, "3"), 8.525);
}

TEST(RoundToDigits, OnlyTheDigitsZeroToFourGiveAValue) {
    for (const char* bad : {"5", "-1", "", "abc", "2.5", "3x"})
        EXPECT_FALSE(RoundToDigits(1.5, bad).has_value()) << bad;
    EXPECT_EQ(RoundToDigits(1.2345, " 3 "), 1.235);
    EXPECT_EQ(RoundToDigits(1.2345, "3.0"), 1.235);
    EXPECT_EQ(kandoru::formatRounded(RoundToDigits(1.5, "5")), "");
    EXPECT_EQ(kandoru::formatRounded(RoundToDigits(10.25005f, "3")), "10.250");
}
