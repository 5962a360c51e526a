#include <gtest/gtest.h>

#include "common/format/format_files.h"
#include "common/format/section_lookup.h"
#include "common/records.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "support/golden.h"

using common::FormatData;
using common::FormatItem;
using common::FormatItemKind;

namespace {

std::string bytesOf(const std::vector<std::string>& lines) {
    return common::encodeCp932Lines(lines).value();
}

}  // namespace

// Names, numbers and places g.k as the format manager numbers its fields.
TEST(FormatItems, NamesStandAtTheirNumbersAndPlaces) {
    struct Case {
        FormatItem item;
        int number, g, k;
        FormatItemKind kind;
    };
    const Case cases[] = {
        {FormatItem::MainPipeLimit1Mm, 1, 1, 1, FormatItemKind::Text},
        {FormatItem::DropThresholdMm, 8, 3, 2, FormatItemKind::Text},
        {FormatItem::SheetWidthMm, 10, 4, 2, FormatItemKind::Text},
        {FormatItem::UpperRowCount, 16, 5, 1, FormatItemKind::Text},
        {FormatItem::TriangleWidthMm, 23, 6, 1, FormatItemKind::Text},
        {FormatItem::HorizontalScale, 27, 6, 5, FormatItemKind::Text},
        {FormatItem::VerticalScale, 28, 6, 6, FormatItemKind::Text},
        {FormatItem::BandRowOfCover, 33, 7, 5, FormatItemKind::Text},
        {FormatItem::ValueTextHeightMm, 39, 8, 3, FormatItemKind::Text},
        {FormatItem::ProfileHeightMm, 47, 9, 3, FormatItemKind::Text},
        {FormatItem::FrameLayer, 53, 9, 9, FormatItemKind::Text},
        {FormatItem::GroundAboveDatumMm, 54, 10, 1, FormatItemKind::Text},
        {FormatItem::InnerFrameMarginMm, 61, 10, 8, FormatItemKind::Text},
        {FormatItem::ArrowOn, 62, 11, 1, FormatItemKind::Choice},
        {FormatItem::RouteMarkNone, 66, 11, 5, FormatItemKind::Choice},
        {FormatItem::FlagFitsText, 67, 12, 1, FormatItemKind::Check},
        {FormatItem::DrawInnerFrame, 71, 12, 5, FormatItemKind::Check},
        {FormatItem::BandBottomMm, 72, 13, 1, FormatItemKind::Text},
        {FormatItem::FirstReserved, 73, 13, 2, FormatItemKind::Reserved},
        {FormatItem::LastReserved, 91, 14, 10, FormatItemKind::Reserved},
    };
    FormatData f;
    for (const Case& c : cases) {
        EXPECT_EQ(common::itemNumber(c.item), c.number);
        EXPECT_EQ(common::itemAt(c.g, c.k), c.number) << c.g << "." << c.k;
        EXPECT_EQ(common::formatItemKind(c.item), c.kind) << c.number;
        f.setValue(c.g, c.k, "v" + std::to_string(c.number));
        EXPECT_EQ(f.text(c.item), "v" + std::to_string(c.number));
        EXPECT_EQ(f.item(c.number), f.text(c.item));
    }
    // Places that do not exist address nothing.
    for (auto [g, k] : {std::pair{0, 1}, {1, 4}, {3, 3}, {15, 1}, {14, 11}})
        EXPECT_EQ(common::itemAt(g, k), 0) << g << "." << k;
    f.setItem(92, "x");
    EXPECT_EQ(f.item(92), "");
}

TEST(FormatItems, ChoicesOfAGroupExcludeEachOtherAndChecksReadWholeNumbers) {
    FormatData f;
    f.setOn(FormatItem::ArrowOn, true);
    f.setOn(FormatItem::RouteMarkRectangle, true);
    f.setOn(FormatItem::RouteMarkNone, true);
    EXPECT_TRUE(f.isOn(FormatItem::ArrowOn));  // the other group stays
    EXPECT_FALSE(f.isOn(FormatItem::RouteMarkRectangle));
    EXPECT_EQ(f.text(FormatItem::RouteMarkNone), "#TRUE#");
    f.setOn(FormatItem::RouteMarkNone, false);
    EXPECT_FALSE(f.isOn(FormatItem::RouteMarkCircle) || f.isOn(FormatItem::RouteMarkRectangle) ||
                 f.isOn(FormatItem::RouteMarkNone));

    const std::pair<const char*, bool> checks[] = {{"1", true},  {" 2 ", true}, {"0", false},
                                                   {"", false},  {"x", false},  {"1.5", false},
                                                   {"+1", true}, {"-1", true}};
    for (auto [text, on] : checks) {
        f.setText(FormatItem::DrawOuterFrame, text);
        EXPECT_EQ(f.isOn(FormatItem::DrawOuterFrame), on) << '"' << text << '"';
    }
    f.setOn(FormatItem::SheetWidthMm, true);  // not a choice or check: unchanged
    EXPECT_EQ(f.text(FormatItem::SheetWidthMm), "");
}

// The file writes each kind its own way; reading it back gives the texts written.
TEST(OsbLayout, WritesEachKindAndReadsBackItsTexts) {
    FormatData f;
    f.circular.setText(2, common::CircularCol::Code, "φ250");
    f.box.setText(100, common::BoxCol::Excavation, "0.200");
    f.manholeTypes.setText(1, common::ManholeTypeCol::LargestPipeMm, "600");
    f.setText(FormatItem::SheetStandard, "A1");
    f.setText(FormatItem::BandBottomMm, "15");
    f.setOn(FormatItem::ArrowOff, true);
    f.setText(FormatItem::DrawOuterFrame, "7");  // marked, written as 1
    f.setText(FormatItem::LastReserved, "kept?");
    const auto lines = common::osbLines(f);
    ASSERT_EQ(lines.size(), 314u);
    EXPECT_EQ(lines[1], R"(2,"φ250","","","")");
    EXPECT_EQ(lines[199], R"(100,"","","","","0.200")");
    EXPECT_EQ(lines[200], R"(1,"","600")");
    EXPECT_EQ(lines[303], R"("A1","","","","","","")");
    EXPECT_EQ(lines[310], "#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#");
    EXPECT_EQ(lines[311], "0,0,0,1,0");
    EXPECT_EQ(lines[312],
              R"("15","dummy","dummy","dummy","dummy","dummy","dummy","dummy","dummy","dummy")");

    FormatData back;
    common::readOsb(back, bytesOf(lines));
    EXPECT_EQ(common::osbLines(back), lines);
    EXPECT_EQ(back.text(FormatItem::ArrowOff), "#TRUE#");
    EXPECT_EQ(back.text(FormatItem::DrawOuterFrame), "1");
    EXPECT_EQ(back.text(FormatItem::LastReserved), "dummy");
}

// A field the file does not hold keeps the item's text; the tables always start empty.
TEST(OsbLayout, UnreadableFieldsKeepTheirItemsAndTablesStartEmpty) {
    FormatData f;
    f.circular.setText(5, common::CircularCol::Code, "old");
    f.setText(FormatItem::SheetWidthMm, "841");
    f.setText(FormatItem::SheetHeightMm, "594");
    f.setText(FormatItem::HorizontalScale, "500");
    std::vector<std::string> lines(303, "");
    lines.push_back(R"("A3","420")");  // line 304 ends after the width
    common::readOsb(f, bytesOf(lines));
    EXPECT_EQ(f.circular.text(5, common::CircularCol::Code), "");
    EXPECT_EQ(f.text(FormatItem::SheetStandard), "A3");
    EXPECT_EQ(f.text(FormatItem::SheetWidthMm), "420");
    EXPECT_EQ(f.text(FormatItem::SheetHeightMm), "594");
    EXPECT_EQ(f.text(FormatItem::HorizontalScale), "500");  // line 306 is missing
}

TEST(HandoffLayout, TablesOneTextPerLineAndEveryItemQuotedWithEmptyAsZero) {
    FormatData f;
    f.circular.setText(1, common::CircularCol::Wall, "0.02");
    f.manholeTypes.setText(100, common::ManholeTypeCol::LargestPipeMm, "900");
    f.setOn(FormatItem::ArrowOn, true);
    f.setText(FormatItem::MainPipeLimit2Mm, "300");
    std::vector<std::string> out;
    common::appendHandoffTables(out, f);
    ASSERT_EQ(out.size(), 1100u);
    EXPECT_EQ(out[2], R"("0.02")");
    EXPECT_EQ(out[1099], R"("900")");
    out.clear();
    common::appendHandoffItems(out, f);
    ASSERT_EQ(out.size(), 14u);
    EXPECT_EQ(out[0], R"("0","0","300")");
    EXPECT_EQ(out[10], R"("#TRUE#","#FALSE#","0","0","0")");
}

// The calculation asks for the exact code name, the drawing matches patterns; in both a
// later row wins and a box section wins over a circular one.
TEST(SectionLookup, EachRuleFindsItsRow) {
    FormatData f;
    auto circular = [&](int r, const char* code, const char* d) {
        f.circular.setText(r, common::CircularCol::Code, code);
        f.circular.setText(r, common::CircularCol::Diameter, d);
    };
    circular(1, "VU200", "0.200");
    circular(2, "HP*", "0.300");
    circular(3, "HP25#", "0.250");
    circular(4, "VU200", "0.210");
    circular(6, "LOST", "9");  // below the first blank code name
    f.box.setText(1, common::BoxCol::Code, "B1");
    f.box.setText(2, common::BoxCol::Code, "VU200");

    struct Case {
        common::CodeMatch rule;
        const char* code;
        bool found;
        common::SectionShape shape;
        int row;
    };
    using common::CodeMatch;
    using common::SectionShape;
    const Case cases[] = {
        {CodeMatch::Exact, "VU200", true, SectionShape::Box, 2},
        {CodeMatch::Exact, "HP250", false, {}, 0},
        {CodeMatch::Exact, "HP*", true, SectionShape::Circular, 2},
        {CodeMatch::Exact, "LOST", false, {}, 0},
        {CodeMatch::Pattern, "HP250", true, SectionShape::Circular, 3},
        {CodeMatch::Pattern, "HP300", true, SectionShape::Circular, 2},
        {CodeMatch::Pattern, "VU200", true, SectionShape::Box, 2},
        {CodeMatch::Pattern, "B1", true, SectionShape::Box, 1},
        {CodeMatch::Pattern, "LOST", false, {}, 0},
    };
    for (const Case& c : cases) {
        const common::SectionLookup lookup(f, c.rule);
        auto at = lookup.find(c.code);
        ASSERT_EQ(at.has_value(), c.found) << c.code;
        if (!at) continue;
        EXPECT_EQ(at->shape, c.shape) << c.code;
        EXPECT_EQ(at->row, c.row) << c.code;
    }
    // The circular table alone, and the columns a section is read from.
    auto round = common::SectionLookup(f, CodeMatch::Exact).findCircular("VU200");
    ASSERT_TRUE(round);
    EXPECT_EQ(round->row, 4);
    EXPECT_EQ(round->table->text(round->row, round->heightCol), "0.210");
    EXPECT_EQ(round->topCol, round->bottomCol);
    auto box = common::SectionLookup(f, CodeMatch::Exact).find("B1");
    EXPECT_NE(box->topCol, box->bottomCol);
}
