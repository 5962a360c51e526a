#include "common/fullwidth.h"

#include <gtest/gtest.h>

#include "common/numtext.h"

TEST(FullWidth, NumberCharactersBecomeAsciiAndEverythingElseStays) {
    struct Case {
        const char* typed;
        const char* ascii;
    };
    const Case cases[] = {
        {"１２．５", "12.5"},
        {"－０．２５", "-0.25"},
        {"＋３", "+3"},
        {"０１２３４５６７８９", "0123456789"},
        {"\u3000１\u3000", " 1 "},
        {"12.5", "12.5"},
        {"１2．5", "12.5"},
        // Neighbours of the mapped range and other full-width text stay as typed.
        {"／，：Ａｅ", "／，：Ａｅ"},
        {"φ２００", "φ200"},
        {"ー−", "ー−"},  // prolonged sound mark and minus sign: not the full-width minus
        {"", ""},
        {"\xEF\xBC", "\xEF\xBC"},  // a truncated sequence is kept, not read past
        {"\xEF\xBC\x91\xFF", "1\xFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(common::asciiNumberText(c.typed), c.ascii) << c.typed;
    }
}

TEST(FullWidth, ATypedFullWidthNumberReadsAsItsValue) {
    EXPECT_EQ(common::mask3(common::asciiNumberText("１２．５")), "12.500");
    EXPECT_EQ(common::mask3(common::asciiNumberText("\u3000－２")), "-2.000");
}

TEST(FullWidth, SingleCharacters) {
    EXPECT_EQ(common::asciiNumberChar(U'７'), U'7');
    EXPECT_EQ(common::asciiNumberChar(U'．'), U'.');
    EXPECT_EQ(common::asciiNumberChar(U'\u3000'), U' ');
    EXPECT_EQ(common::asciiNumberChar(U'Ａ'), U'Ａ');
    EXPECT_EQ(common::asciiNumberChar(U'a'), U'a');
}
