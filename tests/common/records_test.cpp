#include <gtest/gtest.h>

#include "common/records.h"

using common::fieldBool;
using common::fieldInt;
using common::fieldText;
using common::parseRecord;

TEST(RecordWriter, QuotesTextsAndWritesNumbersAndTruthValuesBare) {
    common::RecordWriter w;
    w.integer(1).text("A1").text("120.000").text("").boolean(true).boolean(false).integer(-3);
    EXPECT_EQ(w.str(), "1,\"A1\",\"120.000\",\"\",#TRUE#,#FALSE#,-3");
}

TEST(RecordWriter, ADoubleQuoteOrLineBreakCannotSplitARecord) {
    common::RecordWriter w;
    w.text("a\"b").text("x\r\ny");
    EXPECT_EQ(w.str(), "\"a＂b\",\"x  y\"");
    auto rec = parseRecord(w.str());
    ASSERT_EQ(rec.size(), 2u);
    EXPECT_EQ(rec[0].text, "a＂b");
}

TEST(RecordReader, ReadsWhatTheWriterWrites) {
    auto rec = parseRecord("5,10,\"0\",\"10\"");
    ASSERT_EQ(rec.size(), 4u);
    EXPECT_EQ(fieldInt(rec, 0), 5);
    EXPECT_EQ(fieldInt(rec, 1), 10);
    EXPECT_EQ(fieldText(rec, 2), "0");
    EXPECT_TRUE(rec[3].quoted);
    auto b = parseRecord("#TRUE#,#FALSE#,#TRUE#,#TRUE#");
    EXPECT_EQ(fieldBool(b, 0), true);
    EXPECT_EQ(fieldBool(b, 1), false);
    EXPECT_EQ(fieldBool(b, 9), std::nullopt);
}

TEST(RecordReader, QuotedTextsMayHoldCommas) {
    auto rec = parseRecord("1,\"a,b\",\"c\"");
    ASSERT_EQ(rec.size(), 3u);
    EXPECT_EQ(rec[1].text, "a,b");
    EXPECT_EQ(rec[2].text, "c");
}

TEST(RecordReader, EmptyFieldsAndTrailingComma) {
    auto rec = parseRecord("1,\"\",\"\",");
    ASSERT_EQ(rec.size(), 4u);
    EXPECT_EQ(rec[3].text, "");
    EXPECT_TRUE(parseRecord("").empty());
    auto two = parseRecord(",");
    EXPECT_EQ(two.size(), 2u);
}

TEST(RecordReader, GarbageNeverCrashes) {
    auto open = parseRecord("3,\"unterminated, text");
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[1].text, "unterminated, text");
    auto junk = parseRecord("\"a\"xyz,\"b\"");
    ASSERT_EQ(junk.size(), 2u);
    EXPECT_EQ(junk[0].text, "a");
    EXPECT_EQ(junk[1].text, "b");
    EXPECT_EQ(fieldText(junk, 7), "");
    EXPECT_EQ(fieldInt(parseRecord("x1"), 0), std::nullopt);
    EXPECT_EQ(fieldInt(parseRecord("12abc"), 0), std::nullopt);
    EXPECT_EQ(fieldInt(parseRecord(" 12 "), 0), 12);
    EXPECT_EQ(fieldInt(parseRecord("99999999999999999999999"), 0), std::nullopt);
    parseRecord(std::string(100000, '"'));
    parseRecord(std::string(100000, ','));
}
