#include "kandoru/files/osa_file.h"

#include <gtest/gtest.h>

#include "common/sjis.h"
#include "common/textfile.h"
#include "support/golden.h"

using kandoru::Document;
using testing_support::TempDir;

namespace {

void fillRow(common::Table& t, int r, const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) t.setText(r, static_cast<int>(c) + 1, cells[c]);
}

// A document with Japanese names, fixed marks and every saved setting off its start value.
Document fullDocument() {
    Document doc;
    fillRow(doc.fgrid1, 1, {"A1", "120.000", "3", "12.500"});
    fillRow(doc.fgrid1, 2, {"髙田－２", "80.500", "2", "11.800"});
    fillRow(doc.fgrid1, 3, {"流末①", "", "1", "10.000"});
    fillRow(doc.fgrid2, 1,
            {"A1", "40.000", "12.500", "VU200", "5.000", "10.900", "10.700", "1.300", "1.200"});
    fillRow(doc.fgrid2, 2, {"A1-1", "40.000", "12.300", "VU200", "5.000"});
    fillRow(doc.fgrid2, 3, {"A1-2", "40.000", "12.000", "VU250", "4.000", "10.500"});
    fillRow(doc.fgrid2, 4, {"髙田－２", "40.000", "11.800", "□1000", "3.500"});
    fillRow(doc.fgrid2, 5, {"髙田－２-1", "40.500", "11.000", "□1000", "3.500", "", "9.800"});
    fillRow(doc.fgrid2, 6, {"流末①", "", "10.000"});
    fillRow(doc.fgrid4, 1, {"A1", "35.000", "12.100", "1.000"});
    fillRow(doc.fgrid4, 2, {"髙田－２", "10.000", "11.500", "1.500"});
    fillRow(doc.fgrid3, 1, {"A1", "No.1", "１号人孔", "150", "0.020", "1.800", "1.900", "2.000"});
    fillRow(doc.fgrid3, 2, {"A1-1", "No.2", "１号人孔～", ""});
    doc.setGroundMark(2, 10);
    doc.setStartMark(3, "10");
    doc.setGroundMark(5, 10);
    doc.setEndMark(5, "10");
    auto& s = doc.settings;
    s.projectName = "○○地区　汚水管渠 ㎜";
    s.formatField = "標準書式.osb";
    s.outletRoute = "流末①";
    s.outletGround = "10";
    s.outletManholeType = "２号人孔";
    s.hinterland = "9.5";
    s.minCover = "1.2";
    s.manholeDrop = "20";
    s.manning = false;
    s.kutter = true;
    s.minCoverMethod = false;
    s.crownJoint = false;
    s.digits = {"1", "2", "3", "1", "2", "3"};
    return doc;
}

std::vector<std::string> utf8Lines(const std::string& bytes) {
    return common::splitLines(common::cp932ToUtf8(bytes));
}

void expectSameSaved(const Document& a, const Document& b) {
    for (int r = 1; r <= 200; ++r)
        for (int c = 1; c <= 4; ++c) {
            ASSERT_EQ(a.fgrid1.text(r, c), b.fgrid1.text(r, c)) << r << "," << c;
            ASSERT_EQ(a.fgrid4.text(r, c), b.fgrid4.text(r, c)) << r << "," << c;
        }
    for (int r = 1; r <= 1000; ++r) {
        for (int c = 1; c <= 12; ++c)
            ASSERT_EQ(a.fgrid2.text(r, c), b.fgrid2.text(r, c)) << r << "," << c;
        for (int c = 1; c <= 4; ++c)
            ASSERT_EQ(a.fgrid3.text(r, c), b.fgrid3.text(r, c)) << r << "," << c;
    }
    const auto &s = a.settings, &t = b.settings;
    EXPECT_EQ(s.projectName, t.projectName);
    EXPECT_EQ(s.formatField, t.formatField);
    EXPECT_EQ(s.outletRoute, t.outletRoute);
    EXPECT_EQ(s.outletGround, t.outletGround);
    EXPECT_EQ(s.outletManholeType, t.outletManholeType);
    EXPECT_EQ(s.hinterland, t.hinterland);
    EXPECT_EQ(s.minCover, t.minCover);
    EXPECT_EQ(s.manholeDrop, t.manholeDrop);
    EXPECT_EQ((std::array{s.manning, s.kutter, s.minCoverMethod, s.crownJoint}),
              (std::array{t.manning, t.kutter, t.minCoverMethod, t.crownJoint}));
    EXPECT_EQ(s.digits, t.digits);
}

}  // namespace

TEST(OsaFile, NewDocumentIsTheFullLayoutOfEmptyRecords) {
    auto bytes = kandoru::osaBytes(Document{});
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(testing_support::matchesGolden("kandoru/osa_new.osa", *bytes));
    auto lines = utf8Lines(*bytes);
    ASSERT_EQ(lines.size(), 3405u);
    auto at = [&](int n) { return lines[static_cast<size_t>(n - 1)]; };
    EXPECT_EQ(at(200), R"(200,"","","","")");
    EXPECT_EQ(at(201), R"(1,"","","","","","","","","","","","","")");
    EXPECT_EQ(at(1401), R"(1,"","","","")");
    EXPECT_EQ(at(2401), R"(1,0,"0","0")");
    EXPECT_EQ(at(3400), R"(1000,0,"0","0")");
    EXPECT_EQ(at(3401), R"("","ダブルクリックしてください","","","","0")");
    EXPECT_EQ(at(3402), R"("","0")");
    EXPECT_EQ(at(3403), "#TRUE#,#FALSE#,#TRUE#,#TRUE#");
    EXPECT_EQ(at(3404), R"("3","2","2","2","3","2")");
    EXPECT_EQ(at(3405), R"("dammy","dammy","dammy","mirai")");
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
}

TEST(OsaFile, FullDocumentRoundTripsExactly) {
    TempDir dir;
    const Document doc = fullDocument();
    std::string written;
    ASSERT_TRUE(kandoru::FileSave2(doc, dir / "full.osa", &written));
    EXPECT_TRUE(testing_support::matchesGolden("kandoru/osa_full.osa", written));
    auto lines = utf8Lines(written);
    EXPECT_EQ(lines[0], R"(1,"A1","120.000","3","12.500")");
    EXPECT_EQ(lines[2404], R"(5,10,"0","10")");
    EXPECT_EQ(lines[1400], R"(1,"A1","No.1","１号人孔","150")");  // columns 5-8 stay out

    Document back;
    back.fgrid3.setText(1, 5, "9.999");
    back.fgrid6.setText(1, 1, "old");
    EXPECT_TRUE(kandoru::loadProfile(back, dir / "full.osa"));
    expectSameSaved(doc, back);
    EXPECT_EQ(back.groundMark(5), 10);
    EXPECT_EQ(back.endMark(5), "10");
    EXPECT_EQ(back.fgrid3.text(1, 5), "");
    EXPECT_EQ(back.fgrid6.text(1, 1), "");
    EXPECT_EQ(back.fgrid6.text(0, 3), "追加距離m");
    auto again = kandoru::osaBytes(back);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, written);
}

TEST(OsaFile, LoadingSetsTheDocumentStateAndDropsThePreviousDocument) {
    TempDir dir;
    Document small;
    fillRow(small.fgrid1, 1, {"7", "10.000", "1", "5.000"});
    fillRow(small.fgrid2, 1, {"7", "10.000", "5.000"});
    small.settings.outletRoute = "9";
    small.settings.outletGround = "4.5";
    ASSERT_TRUE(kandoru::FileSave2(small, dir / "小さい.osa"));

    Document doc = fullDocument();
    doc.fgrid2.setColor(3, 6, common::CellColor::Purple);
    doc.splitDataMark = true;
    doc.reservedSplitRow = 4;
    EXPECT_TRUE(kandoru::loadProfile(doc, dir / "小さい.osa"));
    expectSameSaved(small, doc);
    EXPECT_EQ(doc.fgrid2.color(3, 6), common::CellColor::Black);
    EXPECT_EQ(doc.startMark(3), "0");
    EXPECT_EQ(doc.filePath, dir / "小さい.osa");
    EXPECT_EQ(doc.statusDataFile, "小さい.osa");
    EXPECT_FALSE(doc.splitDataMark);
    EXPECT_TRUE(doc.loadedFromFile);
    EXPECT_FALSE(doc.reservedSplitRow);
    EXPECT_EQ(doc.rememberedOutletRoute, "9");
    EXPECT_EQ(doc.rememberedOutletGround, "4.5");
}

TEST(OsaFile, ShortFilesLeaveTheMissingRecordsEmpty) {
    auto full = *kandoru::osaBytes(fullDocument());
    // Cut after route row 2, inside split row 3 and a multi-byte character, inside the
    // mark lines, and before the digit settings.
    auto cutAfterLine = [&](int n) {
        size_t pos = 0;
        for (int i = 0; i < n; ++i) pos = full.find("\r\n", pos) + 2;
        return full.substr(0, pos);
    };
    {
        Document doc = fullDocument();
        kandoru::readOsa(doc, cutAfterLine(2));
        EXPECT_EQ(doc.fgrid1.text(2, 1), "髙田－２");
        EXPECT_EQ(doc.fgrid1.text(3, 1), "");
        EXPECT_EQ(doc.fgrid2.text(1, 1), "");
        EXPECT_EQ(doc.fgrid4.text(1, 1), "");
        EXPECT_EQ(doc.groundMark(2), 0);
        EXPECT_EQ(doc.settings.projectName, "");
        EXPECT_EQ(doc.settings.formatField, "");
        EXPECT_FALSE(doc.settings.manning);  // truth values that cannot be read stay
        EXPECT_TRUE(doc.settings.kutter);
        EXPECT_EQ(doc.settings.digits, (std::array<std::string, 6>{"3", "2", "2", "2", "3", "2"}));
    }
    {
        Document doc;
        std::string cut = cutAfterLine(202) + R"(3,"A1-2","40.0)";  // ends inside a text
        kandoru::readOsa(doc, cut);
        EXPECT_EQ(doc.fgrid2.text(2, 1), "A1-1");
        EXPECT_EQ(doc.fgrid2.text(3, 1), "A1-2");
        EXPECT_EQ(doc.fgrid2.text(3, 2), "40.0");
        EXPECT_EQ(doc.fgrid2.text(3, 3), "");
        // A cut through a double-byte character leaves its first byte as "？".
        std::string mid = cutAfterLine(1) + "2,\"\x92";  // 0x92 needs a trail byte
        auto report = kandoru::readOsa(doc, mid);
        EXPECT_EQ(doc.fgrid1.text(1, 1), "A1");
        EXPECT_EQ(doc.fgrid1.text(2, 1), "？");
        EXPECT_EQ(report.unreadableByteLines(), std::vector<int>{2});
        EXPECT_NE(report.message("a.osa").find("2 行で終わっています（3405 行"), std::string::npos);
    }
    {
        Document doc;
        kandoru::readOsa(doc, cutAfterLine(2403));
        EXPECT_EQ(doc.fgrid3.text(2, 3), "１号人孔～");
        EXPECT_EQ(doc.startMark(3), "10");
        EXPECT_EQ(doc.endMark(5), "0");
        EXPECT_EQ(doc.settings.outletRoute, "");
    }
    {
        Document doc;
        kandoru::readOsa(doc, cutAfterLine(3403));
        EXPECT_EQ(doc.settings.minCover, "1.2");
        EXPECT_TRUE(doc.settings.kutter);
        EXPECT_EQ(doc.settings.digits[0], "3");
    }
    {
        Document doc = fullDocument();
        TempDir dir;
        EXPECT_FALSE(kandoru::loadProfile(doc, dir / "missing.osa"));
        EXPECT_EQ(doc.fgrid1.text(1, 1), "");
        EXPECT_EQ(doc.fgrid2.text(1, 2), "");
        EXPECT_EQ(doc.settings.outletRoute, "");
        EXPECT_EQ(doc.fgrid2.text(1, kandoru::SplitCol::GroundMark), "0");
    }
}

TEST(OsaFile, GarbledRecordsAreSkippedWithoutHarm) {
    auto lines = common::splitLines(*kandoru::osaBytes(fullDocument()));
    lines[0] = R"(0,"zero","1","1","1")";          // row 0 is the heading row
    lines[1] = R"(201,"beyond","1","1","1")";      // route table has 200 rows
    lines[2] = R"(99999999999999999999,"x","1")";  // does not fit a number
    lines[3] = R"(abc,"x")";
    lines[4] = R"(2,"two","no closing quote)";  // row 2 given twice: the later line wins
    lines[201] =
        "\x82\xA0\xFF\x81"
        "2,\"bad bytes\"";
    lines[202] =
        R"(3,"A1-2",,"12.000","VU250","4.000","10.500","","","","","","","","extra","extra")";
    lines[1200] = std::string(1 << 20, 'x');  // a huge line
    lines[2400] = R"(1,abc,"10")";
    lines[3402] = "#FALSE#,maybe";
    lines[3403] = R"("1","","4")";  // an empty digit setting is held; missing ones start afresh
    std::string bytes;
    for (auto& l : lines) bytes += l + "\n";  // bare LF line ends are read too

    Document doc;
    doc.setEndMark(1, "10");
    doc.settings.kutter = true;
    doc.settings.crownJoint = false;
    const auto report = kandoru::readOsa(doc, bytes);
    EXPECT_EQ(report.outsideRowLines(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(report.unreadableRecordLines(), (std::vector<int>{4, 202, 1201, 3403, 3404}));
    EXPECT_EQ(report.unreadableByteLines(), std::vector<int>{202});
    EXPECT_EQ(doc.fgrid1.text(0, 1), "路線番号");
    EXPECT_EQ(doc.fgrid1.text(1, 1), "");
    EXPECT_EQ(doc.fgrid1.text(2, 1), "two");
    EXPECT_EQ(doc.fgrid1.text(2, 2), "no closing quote");
    EXPECT_EQ(doc.fgrid1.text(3, 1), "");
    EXPECT_EQ(doc.fgrid2.text(2, 1), "");  // "あ？？2": no row number
    EXPECT_EQ(doc.fgrid2.text(3, 2), "");
    EXPECT_EQ(doc.fgrid2.text(3, 6), "10.500");
    EXPECT_EQ(doc.fgrid4.text(1, 1), "");
    EXPECT_EQ(doc.fgrid4.text(2, 1), "髙田－２");
    EXPECT_EQ(doc.groundMark(1), 0);
    EXPECT_EQ(doc.startMark(1), "10");
    EXPECT_EQ(doc.endMark(1), "0");
    EXPECT_FALSE(doc.settings.manning);
    EXPECT_TRUE(doc.settings.kutter);
    EXPECT_TRUE(doc.settings.minCoverMethod);
    EXPECT_FALSE(doc.settings.crownJoint);
    EXPECT_EQ(doc.settings.digits, (std::array<std::string, 6>{"1", "", "4", "2", "3", "2"}));

    Document noise;
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
    kandoru::readOsa(noise, junk);
    EXPECT_EQ(noise.fgrid2.dataRows(), 1000);
}

TEST(OsaFile, QuotesAreStoredFullWidthAndUnmappableTextFailsTheSave) {
    TempDir dir;
    Document doc;
    doc.settings.projectName = R"(第"1"工区)";
    fillRow(doc.fgrid1, 1, {R"(A"1)", "1.000"});
    ASSERT_TRUE(kandoru::FileSave2(doc, dir / "q.osa"));
    Document back;
    kandoru::loadProfile(back, dir / "q.osa");
    EXPECT_EQ(back.settings.projectName, "第＂1＂工区");
    EXPECT_EQ(back.fgrid1.text(1, 1), "A＂1");
    EXPECT_EQ(back.fgrid1.text(1, 2), "1.000");
    EXPECT_EQ(back.settings.formatField, "ダブルクリックしてください");

    auto before = common::readFileBytes(dir / "q.osa");
    doc.settings.projectName = "工区🙂";
    auto result = kandoru::FileSave2(doc, dir / "q.osa");
    EXPECT_FALSE(result);
    EXPECT_EQ(common::readFileBytes(dir / "q.osa"), before);
}
