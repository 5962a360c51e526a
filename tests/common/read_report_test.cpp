// Bytes that are not CP932 inside records, row numbers outside a table, and the one message
// that names them.
#include "common/read_report.h"

#include <gtest/gtest.h>

#include "common/records.h"

namespace {

struct BadByteCase {
    const char* name;
    std::string bytes;  // put between "a" and "b" in the first text of a record
    std::string read;   // what the text then reads
};

void PrintTo(const BadByteCase& c, std::ostream* os) { *os << c.name; }

class BadByte : public testing::TestWithParam<BadByteCase> {};

// Each byte that is not CP932 costs itself only: the record keeps its other fields, the
// bytes around it and its quotes.
TEST_P(BadByte, ReadsAsOneQuestionMarkPerByteAndKeepsTheRecord) {
    const auto& c = GetParam();
    std::string file = "1,\"x\",\"y\"\r\n2,\"a" + c.bytes + "b\",\"12.500\"\r\n3,\"z\"\r\n";
    common::ReadReport report;
    common::RecordLines lines(file, &report);
    auto rec = lines.at(1);
    ASSERT_TRUE(rec);
    ASSERT_EQ(rec->size(), 3u);
    EXPECT_EQ((*rec)[1].text, c.read);
    EXPECT_EQ((*rec)[2].text, "12.500");
    EXPECT_EQ(lines.at(0)->at(1).text, "x");
    EXPECT_EQ(lines.at(2)->at(1).text, "z");
    EXPECT_EQ(report.unreadableByteLines(), std::vector<int>{2});
}

INSTANTIATE_TEST_SUITE_P(
    Cp932, BadByte,
    testing::Values(BadByteCase{"x80", "\x80", "a？b"}, BadByteCase{"xA0", "\xA0", "a？b"},
                    BadByteCase{"xFD", "\xFD", "a？b"}, BadByteCase{"xFE", "\xFE", "a？b"},
                    BadByteCase{"xFF", "\xFF", "a？b"},
                    BadByteCase{"three", "\xFD\xFE\xFF", "a？？？b"},
                    // A lead byte whose trail byte is missing: the next byte is itself.
                    BadByteCase{"leadBeforeBlank", "\x82 ", "a？ b"},
                    BadByteCase{"leadBeforeDigit",
                                "\x82"
                                "1",
                                "a？1b"},
                    // A good character after a bad byte is read whole.
                    BadByteCase{"thenKanji", "\xA0\x92\x6E", "a？地b"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BadByte, ALeadByteAtTheEndOfALineOrBeforeTheClosingQuote) {
    common::ReadReport report;
    // Cut before its trail byte at the line end, and just before a closing quote.
    common::RecordLines lines("1,\"ab\x82\r\n2,\"cd\x82\",\"e\"\r\n3,\"f\"\x82", &report);
    EXPECT_EQ(lines.at(0)->at(1).text, "ab？");
    EXPECT_EQ(lines.at(1)->at(1).text, "cd？");
    EXPECT_EQ(lines.at(1)->at(2).text, "e");
    EXPECT_EQ(lines.at(2)->at(1).text, "f");
    EXPECT_EQ(report.unreadableByteLines(), (std::vector<int>{1, 2, 3}));
}

TEST(BadByte, OnlyLinesReadAreNamedAndEachOnce) {
    common::ReadReport report;
    common::RecordLines lines("\xA0\r\nok\r\n\xA0\xA0\r\n\xA0", &report);
    lines.at(2);
    lines.at(2);
    lines.at(1);
    EXPECT_EQ(lines.at(9), std::nullopt);
    EXPECT_EQ(report.unreadableByteLines(), std::vector<int>{3});
}

struct RowCase {
    std::string field;
    std::optional<int> row;
    enum { None, Outside, Unreadable } reported;
};

TEST(RecordRow, NamesTheRowOrReportsWhyNot) {
    const RowCase cases[] = {
        {"1", 1, RowCase::None},
        {" +200 ", 200, RowCase::None},
        {"201", std::nullopt, RowCase::Outside},
        {"0", std::nullopt, RowCase::Outside},
        {"-1", std::nullopt, RowCase::Outside},
        {"99999999999", std::nullopt, RowCase::Outside},
        {"999999999999999999999999", std::nullopt, RowCase::Outside},  // no integer holds it
        {"abc", std::nullopt, RowCase::Unreadable},
        {"1.5", std::nullopt, RowCase::Unreadable},
        {"", std::nullopt, RowCase::Unreadable},
        {"\"5\"", 5, RowCase::None},
    };
    for (const auto& c : cases) {
        common::ReadReport report;
        auto rec = common::parseRecord(c.field + ",\"x\"");
        EXPECT_EQ(common::recordRow(rec, 200, &report, 41), c.row) << c.field;
        EXPECT_EQ(report.outsideRowLines(),
                  c.reported == RowCase::Outside ? std::vector<int>{42} : std::vector<int>{})
            << c.field;
        EXPECT_EQ(report.unreadableRecordLines(),
                  c.reported == RowCase::Unreadable ? std::vector<int>{42} : std::vector<int>{})
            << c.field;
    }
}

TEST(ReadReport, TheMessageNamesUpToTenLinesOfEachKind) {
    common::ReadReport report;
    EXPECT_TRUE(report.empty());
    EXPECT_EQ(report.message("a.osa"), "");
    for (int line = 30; line >= 18; --line) report.unreadableBytes(line);  // out of order
    report.unreadableBytes(18);
    report.unreadableRecord(7);
    report.rowOutsideTable(205, "99999999999");
    report.rowOutsideTable(206, "-1");
    report.rowOutsideTable(207, std::string(100, '9'));
    report.endsEarly(3000, 3405);
    EXPECT_FALSE(report.empty());
    EXPECT_EQ(report.message("a.osa"),
              "「a.osa」には、書かれたとおりには読めない行がありました。"
              "\r\n・Shift_JIS で読めないバイトを「？」にした行：18、19、20、21、22、23、24、25、"
              "26、27 ほか 3 行"
              "\r\n・読めない項目を空のままにした行：7"
              "\r\n・表にない行番号のため読み飛ばした行：205（行番号 99999999999）、206（行番号 "
              "-1）、207（行番号 999999999999999999999999…）"
              "\r\n・ファイルは 3000 行で終わっています（3405 行あるはずです）。続きの項目は空の"
              "ままです。"
              "\r\n\r\n「？」は保存するとそのまま書き込まれます。元の文字に直してから保存して"
              "ください。");

    common::ReadReport outside;
    outside.rowOutsideTable(3, "0");
    EXPECT_EQ(outside.message("f.osb"),
              "「f.osb」には、書かれたとおりには読めない行がありました。"
              "\r\n・表にない行番号のため読み飛ばした行：3（行番号 0）");
}

}  // namespace
