#include "shoveda/format/osb_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/numtext.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "shoveda/format/commands.h"
#include "support/fake_ui.h"
#include "support/golden.h"

using shoveda::FormatDocument;
using testing_support::TempDir;

namespace {

std::string fileBytes(const FormatDocument& doc) {
    auto bytes = common::encodeCp932Lines(shoveda::osbLines(doc));
    return bytes.value_or("");
}

void writeLines(const std::filesystem::path& p, const std::vector<std::string>& lines) {
    ASSERT_TRUE(common::writeCp932Lines(p, lines));
}

// A document with every cell and text item filled with a different text, numbers and
// words mixed, and the flags in a non-default state.
FormatDocument filledDocument() {
    FormatDocument doc;
    const char* samples[] = {"φ200",   "0.200",      "abc",   "～－①㎜", "髙 ﾃｽﾄ",
                             "-1.5e3", "□1000×1000", " lead", "x,y",     "\\"};
    int k = 0;
    for (common::Table* t : {&doc.format.circular, &doc.format.box, &doc.format.manholeTypes})
        for (int r = 1; r <= 100; ++r)
            for (int c = 1; c <= t->dataCols(); ++c)
                t->setText(r, c, samples[k++ % 10] + std::to_string(r) + ":" + std::to_string(c));
    for (int n = 1; n <= 72; ++n)
        if (common::formatItemKind(n) == common::FormatItemKind::Text)
            doc.setItem(n, "項目" + std::to_string(n));
    doc.setFlag(shoveda::FormatItem::ArrowOff, true);
    doc.setFlag(shoveda::FormatItem::RouteMarkNone, true);
    doc.setFlag(67, true);
    doc.setFlag(69, true);
    doc.setFlag(71, true);
    return doc;
}

void expectSameDocument(const FormatDocument& a, const FormatDocument& b) {
    const std::pair<const common::Table*, const common::Table*> tables[] = {
        {&a.format.circular, &b.format.circular},
        {&a.format.box, &b.format.box},
        {&a.format.manholeTypes, &b.format.manholeTypes}};
    for (auto [ta, tb] : tables)
        for (int r = 0; r <= 100; ++r)
            for (int c = 0; c < ta->cols(); ++c)
                ASSERT_EQ(ta->text(r, c), tb->text(r, c)) << "row " << r << " col " << c;
    for (int n = 1; n <= 91; ++n) {
        EXPECT_EQ(a.item(n), b.item(n)) << "item " << n;
        EXPECT_EQ(a.flag(n), b.flag(n)) << "item " << n;
    }
}

}  // namespace

TEST(OsbFile, NewDocumentWritesTheStartValues) {
    FormatDocument doc;
    auto lines = shoveda::osbLines(doc);
    ASSERT_EQ(lines.size(), 314u);
    EXPECT_EQ(lines[0], R"(1,"","","","")");
    EXPECT_EQ(lines[100], R"(1,"","","","","")");
    EXPECT_EQ(lines[206], R"(7,"","")");
    EXPECT_EQ(lines[299], R"(100,"","")");
    EXPECT_EQ(lines[303], R"("A1","841","594","","","","")");
    EXPECT_EQ(lines[306], R"("1","2","3","4","5","6","7","8")");
    EXPECT_EQ(lines[310], "#TRUE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#");
    EXPECT_EQ(lines[311], "0,0,0,0,0");
    std::string dummies9, dummies10;
    for (int i = 0; i < 9; ++i) dummies9 += R"(,"dummy")";
    for (int i = 0; i < 10; ++i) dummies10 += (i ? R"(,"dummy")" : R"("dummy")");
    EXPECT_EQ(lines[312], R"("")" + dummies9);
    EXPECT_EQ(lines[313], dummies10);
    EXPECT_TRUE(testing_support::matchesGolden("shoveda/new_document.osb", fileBytes(doc)));
}

TEST(OsbFile, RouteMarksInRectanglesAndArrowsOn) {
    FormatDocument doc;
    doc.setFlag(shoveda::FormatItem::RouteMarkRectangle, true);
    EXPECT_EQ(shoveda::osbLines(doc)[310], "#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#");
}

TEST(OsbFile, EveryCellAndFieldRoundTripsThroughAFile) {
    TempDir dir;
    FormatDocument doc = filledDocument();
    testing_support::FakeUi ui;
    ASSERT_TRUE(shoveda::writeFormatFile(doc, dir / "all.osb", ui));
    FormatDocument back;
    shoveda::readFormatFile(back, dir / "all.osb");
    expectSameDocument(doc, back);
    EXPECT_EQ(shoveda::osbLines(back), shoveda::osbLines(doc));
    EXPECT_EQ(back.format.circular.text(3, 1), "x,y3:1");  // a comma inside a text
    EXPECT_EQ(back.format.manholeTypes.text(100, 2), doc.format.manholeTypes.text(100, 2));
    EXPECT_TRUE(back.flag(shoveda::FormatItem::ArrowOff));
    EXPECT_FALSE(back.flag(shoveda::FormatItem::ArrowOn));
    EXPECT_TRUE(back.flag(shoveda::FormatItem::RouteMarkNone));
}

TEST(OsbFile, OpeningReplacesEverythingAndKeepsTheFileSheetSize) {
    TempDir dir;
    FormatDocument other;
    other.chooseSheet("A3");
    other.setItem(shoveda::FormatItem::SheetWidthMm, "400");
    other.setItem(shoveda::FormatItem::SheetHeightMm, "300");
    testing_support::FakeUi ui;
    ASSERT_TRUE(shoveda::writeFormatFile(other, dir / "a3.osb", ui));

    FormatDocument doc = filledDocument();
    shoveda::readFormatFile(doc, dir / "a3.osb");
    EXPECT_EQ(doc.item(shoveda::FormatItem::SheetStandard), "A3");
    EXPECT_EQ(doc.item(shoveda::FormatItem::SheetWidthMm), "400");
    EXPECT_EQ(doc.item(shoveda::FormatItem::SheetHeightMm), "300");
    expectSameDocument(doc, other);
    EXPECT_EQ(doc.filePath, dir / "a3.osb");
    EXPECT_FALSE(doc.saved());  // opening is not saving
}

TEST(OsbFile, DamagedFilesLoadWhatTheyHoldAndNeverCrash) {
    TempDir dir;
    // Rows out of order, a row number out of range and one that is no number, a missing
    // closing quote, a short record, a garbled truth value and check value.
    std::vector<std::string> lines(314, "");
    lines[0] = R"(3,"φ300","0.300","0.030","0.150")";
    lines[1] = R"(1,"φ200","0.200")";
    lines[2] = R"(999,"lost?","1","2","3")";
    lines[3] = R"(x,"fourth","1","2","3")";
    lines[4] = R"(5,"open quote,"0.5")";
    lines[100] = R"(2,"□1000×1000","1.000","0.150","0.150","0.200")";
    lines[200] = R"(1,"1号人孔","600")";
    lines[303] = R"("A2")";
    lines[310] = "#TRUE#,#TRUE#,yes,#FALSE#";
    lines[311] = "1,2,x,0";
    writeLines(dir / "damaged.osb", lines);

    FormatDocument doc;
    shoveda::readFormatFile(doc, dir / "damaged.osb");
    EXPECT_EQ(doc.format.circular.text(3, 1), "φ300");
    EXPECT_EQ(doc.format.circular.text(3, 4), "0.150");
    EXPECT_EQ(doc.format.circular.text(1, 2), "0.200");
    EXPECT_EQ(doc.format.circular.text(1, 3), "");
    EXPECT_EQ(doc.format.circular.text(2, 1), "");
    // Records naming no row of the table are skipped.
    EXPECT_EQ(doc.format.circular.text(4, 1), "");
    for (int r = 1; r <= 100; ++r) EXPECT_NE(doc.format.circular.text(r, 1), "lost?");
    EXPECT_EQ(doc.format.circular.text(5, 1), "open quote,");
    EXPECT_EQ(doc.format.box.text(2, 1), "□1000×1000");
    EXPECT_EQ(doc.format.manholeTypes.text(1, 1), "1号人孔");
    EXPECT_EQ(doc.item(shoveda::FormatItem::SheetStandard), "A2");
    EXPECT_EQ(doc.item(shoveda::FormatItem::SheetWidthMm), "");
    EXPECT_EQ(doc.item(shoveda::FormatItem::BandRowOfPipeSize), "");
    // The later selected choice wins; an unreadable one is not selected.
    EXPECT_FALSE(doc.flag(62));
    EXPECT_TRUE(doc.flag(63));
    EXPECT_FALSE(doc.flag(64));
    EXPECT_TRUE(doc.flag(67));
    EXPECT_TRUE(doc.flag(68));
    EXPECT_FALSE(doc.flag(69));
    EXPECT_FALSE(doc.flag(71));
}

TEST(OsbFile, ShortMissingAndBinaryFilesLeaveEmptyFields) {
    TempDir dir;
    writeLines(dir / "short.osb", {R"(1,"φ200","0.200","0.027","0.100")", "2"});
    FormatDocument doc;
    shoveda::readFormatFile(doc, dir / "short.osb");
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ200");
    EXPECT_EQ(doc.format.circular.text(2, 1), "");
    EXPECT_EQ(doc.item(shoveda::FormatItem::SheetStandard), "");
    EXPECT_FALSE(doc.flag(shoveda::FormatItem::ArrowOn));
    EXPECT_FALSE(doc.flag(shoveda::FormatItem::RouteMarkCircle));
    EXPECT_EQ(shoveda::osbLines(doc).size(), 314u);

    // A file that cannot be read at all changes nothing.
    doc.format.circular.setText(1, 1, "φ250");
    EXPECT_FALSE(shoveda::readFormatFile(doc, dir / "missing.osb"));
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ250");
    EXPECT_EQ(doc.filePath, dir / "short.osb");

    {
        std::ofstream f(dir / "binary.osb", std::ios::binary);
        std::string junk(5000, '\0');
        for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 131) % 256);
        f << junk;
    }
    EXPECT_TRUE(shoveda::readFormatFile(doc, dir / "binary.osb"));
    EXPECT_EQ(shoveda::osbLines(doc).size(), 314u);
}

TEST(OsbFile, ABadByteReadsAsAQuestionMarkIsNamedOnceAndTheDocumentStillSaves) {
    TempDir dir;
    FormatDocument file;
    file.format.circular.setText(1, 1, "φ200");
    file.format.circular.setText(2, 1, "φ250");
    file.format.circular.setText(3, 1, "φ300");
    file.setItem(27, "500");
    std::string bytes = fileBytes(file);
    // A lead byte followed by a byte no CP932 character continues with, inside row 2.
    size_t at = bytes.find("\r\n2,\"") + 5;
    bytes.insert(at, "\x81\x7F");
    ASSERT_TRUE(common::writeFileAtomic(dir / "bad.osb", bytes));

    FormatDocument doc;
    testing_support::FakeUi ui;
    ui.openFiles.push_back(dir / "bad.osb");
    ASSERT_TRUE(shoveda::openFormat(doc, ui));
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ200");
    EXPECT_EQ(doc.format.circular.text(2, 1), "？\x7Fφ250");  // 0x7F is a character of its own
    EXPECT_EQ(doc.format.circular.text(3, 1), "φ300");
    EXPECT_EQ(doc.item(27), "500");
    const auto& m = ui.onlyMessage();
    EXPECT_EQ(m.icon, common::Icon::Exclamation);
    EXPECT_EQ(m.title, common::kReadReportTitle);
    EXPECT_NE(m.text.find("「bad.osb」"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("「？」にした行：2\r\n"), std::string::npos) << m.text;

    ui.messages.clear();
    EXPECT_TRUE(shoveda::writeFormatFile(doc, dir / "saved.osb", ui));
    EXPECT_TRUE(ui.messages.empty());
    bytes.replace(at, 1, "\x81\x48");  // "？" in CP932
    EXPECT_EQ(common::readFileBytes(dir / "saved.osb"), bytes);
}

TEST(FormatDocument, StartValuesAndChoiceGroups) {
    FormatDocument doc;
    EXPECT_EQ(doc.format.circular.text(0, 2), "直径ｍ");
    EXPECT_EQ(doc.format.box.text(0, 3), "頂版ｍ");
    EXPECT_EQ(doc.format.manholeTypes.text(0, 0), "種別番号");
    EXPECT_EQ(doc.format.manholeTypes.text(0, 1), "名    称");
    EXPECT_EQ(doc.format.manholeTypes.text(100, 0), "100:");
    EXPECT_TRUE(doc.flag(62));
    EXPECT_TRUE(doc.flag(64));
    doc.setFlag(66, true);
    EXPECT_FALSE(doc.flag(64));
    EXPECT_TRUE(doc.flag(62));  // the other group is untouched
    doc.setFlag(66, false);
    EXPECT_FALSE(doc.flag(64) || doc.flag(65) || doc.flag(66));
    // Reserved items are not kept.
    doc.setItem(80, "x");
    EXPECT_EQ(doc.item(80), "");
}

TEST(FormatDocument, SheetChoiceWritesSizesExceptForA4) {
    FormatDocument doc;
    doc.chooseSheet("B1");
    EXPECT_EQ(doc.item(10), "1030");
    EXPECT_EQ(doc.item(11), "728");
    doc.chooseSheet("A0");
    EXPECT_EQ(doc.item(10), "1189");
    EXPECT_EQ(doc.item(11), "841");
    doc.chooseSheet("A4");
    EXPECT_EQ(doc.item(9), "A4");
    EXPECT_EQ(doc.item(10), "1189");
    EXPECT_EQ(doc.item(11), "841");
    for (auto [name, w, h] : {std::tuple{"A2", "594", "420"},
                              {"A3", "420", "297"},
                              {"B0", "1456", "1030"},
                              {"A1", "841", "594"}}) {
        doc.chooseSheet(name);
        EXPECT_EQ(doc.item(10), w);
        EXPECT_EQ(doc.item(11), h);
    }
}

TEST(FormatDocument, CommitRulesOfTheThreeTables) {
    using Rule = void (*)(FormatDocument&, int, int, const std::string&);
    struct Case {
        Rule rule;
        common::Table common::FormatData::*table;
        int row, col;
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {shoveda::commitCircular, &common::FormatData::circular, 4, 2, "0.3", "0.300"},
        {shoveda::commitCircular, &common::FormatData::circular, 4, 3, "abc", "0.000"},
        {shoveda::commitCircular, &common::FormatData::circular, 4, 4, "", "0.000"},
        {shoveda::commitCircular, &common::FormatData::circular, 4, 1, "abc", "abc"},
        {shoveda::commitCircular, &common::FormatData::circular, 5, 2, "1.2345", "1.235"},
        {shoveda::commitBox, &common::FormatData::box, 1, 1, "□1500×1500", "□1500×1500"},
        {shoveda::commitBox, &common::FormatData::box, 1, 5, "0.25", "0.250"},
        {shoveda::commitManholeType, &common::FormatData::manholeTypes, 2, 2, "300", "300"},
        {shoveda::commitManholeType, &common::FormatData::manholeTypes, 2, 2, "300.0", "300"},
        {shoveda::commitManholeType, &common::FormatData::manholeTypes, 2, 2, "0.50", "0.5"},
        {shoveda::commitManholeType, &common::FormatData::manholeTypes, 2, 2, "abc", "0"},
        {shoveda::commitManholeType, &common::FormatData::manholeTypes, 2, 2, "1e999", "0"},
        {shoveda::commitManholeType, &common::FormatData::manholeTypes, 2, 1, " 2号人孔 ",
         " 2号人孔 "},
    };
    FormatDocument doc;
    for (const Case& k : cases) {
        k.rule(doc, k.row, k.col, k.typed);
        EXPECT_EQ((doc.format.*k.table).text(k.row, k.col), k.stored) << "typed " << k.typed;
    }
}

TEST(OsbFile, TheExampleFormatLoadsAndSavesUnchanged) {
    auto path = testing_support::examplesDir() / "standard.osb";
    auto bytes = common::readFileBytes(path);
    ASSERT_TRUE(bytes) << path;
    FormatDocument doc;
    shoveda::readFormatFile(doc, path);
    EXPECT_EQ(fileBytes(doc), *bytes);
    EXPECT_EQ(doc.format.circular.text(1, 1), "φ200");
    EXPECT_EQ(doc.format.circular.text(17, 1), "");
    EXPECT_EQ(doc.format.box.text(1, 1), "□1000×1000");
    EXPECT_EQ(doc.format.manholeTypes.text(5, 1), "5号人孔");
    EXPECT_EQ(doc.item(shoveda::FormatItem::SheetStandard), "A1");
    EXPECT_EQ(doc.item(27), "500");
    EXPECT_EQ(doc.item(28), "100");
    // The band rows the ranks point at exist.
    int rows = static_cast<int>(common::val(doc.item(16)) + common::val(doc.item(17)));
    for (int n = 29; n <= 36; ++n) EXPECT_LE(common::val(doc.item(n)), rows) << "item " << n;
}
