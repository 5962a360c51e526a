// The DXF file read back with dxflib's reader: same layers, lines and texts.
#include "zumenko/preview/dxf_writer.h"

#include <gtest/gtest.h>

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <cmath>
#include <map>
#include <numbers>

#include "common/sjis.h"
#include "support/golden.h"
#include "zumenko/preview/script_reader.h"

using namespace zumenko;
using namespace zumenko::preview;
using testing_support::testData;

namespace {

struct Collected : DL_CreationAdapter {
    std::vector<std::string> layers;
    std::map<std::string, std::pair<int, int>> counts;  // layer -> lines, texts
    std::vector<DL_TextData> texts;
    std::vector<std::string> textLayers;

    void addLayer(const DL_LayerData& d) override { layers.push_back(common::cp932ToUtf8(d.name)); }
    void addLine(const DL_LineData&) override { counts[layer()].first++; }
    void addText(const DL_TextData& d) override {
        counts[layer()].second++;
        texts.push_back(d);
        textLayers.push_back(layer());
    }
    std::string layer() { return common::cp932ToUtf8(getAttributes().getLayer()); }
};

std::map<std::string, std::pair<int, int>> countsOf(const Figure& d) {
    std::map<std::string, std::pair<int, int>> counts;
    for (const auto& e : d.elements) {
        auto& c = counts[d.layers[size_t(e.layer)]];
        (std::holds_alternative<Segment>(e.shape) ? c.first : c.second)++;
    }
    return counts;
}

}  // namespace

TEST(Dxf, ProfileReadsBackWithTheSameLayersLinesAndTexts) {
    auto r = readScriptFile(testData("preview/profile.txt"));
    ASSERT_TRUE(r && r->errors.empty());
    const Figure& d = r->figure;
    testing_support::TempDir dir;
    auto path = dir / "profile.dxf";
    auto written = writeDxf(d, path);
    ASSERT_TRUE(written) << written.error;

    auto bytes = common::readFileBytes(path);
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("$ACADVER\n  1\nAC1015\n"), std::string::npos);
    EXPECT_NE(bytes->find("$DWGCODEPAGE\n  3\nANSI_932\n"), std::string::npos);
    EXPECT_NE(bytes->find("msgothic.ttc"), std::string::npos);

    Collected got;
    DL_Dxf reader;
    ASSERT_TRUE(reader.in(path.string(), &got));
    EXPECT_EQ(got.counts, countsOf(d));
    for (const auto& name : d.layers)
        EXPECT_NE(std::find(got.layers.begin(), got.layers.end(), name), got.layers.end()) << name;

    // Texts in script order: Japanese intact, height, rotation and justification kept.
    std::vector<const Text*> texts;
    for (const auto& e : d.elements)
        if (auto t = std::get_if<Text>(&e.shape)) texts.push_back(t);
    ASSERT_EQ(got.texts.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const DL_TextData& t = got.texts[i];
        EXPECT_EQ(common::cp932ToUtf8(t.text), texts[i]->text);
        EXPECT_DOUBLE_EQ(t.height, texts[i]->height);
        EXPECT_NEAR(t.angle, texts[i]->angleDeg * std::numbers::pi / 180, 1e-9);
        EXPECT_NEAR(t.apx, texts[i]->at.x, 1e-6);
        EXPECT_NEAR(t.apy, texts[i]->at.y, 1e-6);
    }
}

TEST(Dxf, JustificationMapsToDxfAlignmentCodes) {
    auto r = readScript({"_dtext j tl 0,0 h 1 r 0 a ", "_dtext j mc 0,0 h 1 r 0 a ",
                         "_dtext j br 0,0 h 1 r 0 a ", "_dtext j BL 0,0 h 1 r 0 a ",
                         "_dtext j bc 0,0 h 1 r 90 a "});
    ASSERT_TRUE(r.errors.empty());
    testing_support::TempDir dir;
    ASSERT_TRUE(writeDxf(r.figure, dir / "j.dxf"));
    Collected got;
    DL_Dxf reader;
    ASSERT_TRUE(reader.in((dir / "j.dxf").string(), &got));
    ASSERT_EQ(got.texts.size(), 5u);
    // (horizontal, vertical): left 0 centre 1 right 2; baseline 0 bottom 1 middle 2 top 3.
    std::vector<std::pair<int, int>> codes;
    for (const auto& t : got.texts) codes.emplace_back(t.hJustification, t.vJustification);
    EXPECT_EQ(codes, (std::vector<std::pair<int, int>>{{0, 3}, {1, 2}, {2, 1}, {0, 1}, {1, 1}}));
    EXPECT_EQ(got.textLayers[0], "0");
}

TEST(Dxf, FailuresLeaveNoFileAndSayWhy) {
    testing_support::TempDir dir;
    auto r = readScript({"_dtext j tl 0,0 h 1 r 0 ok "});
    auto missingFolder = writeDxf(r.figure, dir / "no" / "x.dxf");
    EXPECT_FALSE(missingFolder);
    EXPECT_FALSE(missingFolder.error.empty());

    // A character code page 932 cannot hold is refused, never dropped.
    Figure d;
    d.add(Text{{0, 0}, {}, 1, 0, "管\xF0\x9F\x98\x80"}, /*line=*/7);
    auto unmappable = writeDxf(d, dir / "u.dxf");
    EXPECT_FALSE(unmappable);
    EXPECT_NE(unmappable.error.find("7 行目"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "u.dxf"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// An empty title (no project name) makes no text in AutoCAD, so none in the DXF either.
TEST(Dxf, BlankTextsMakeNoEntity) {
    Figure d;
    d.text(Text{{0, 0}, {}, 1, 0, ""});
    d.text(Text{{0, 0}, {}, 1, 0, "  "});
    d.text(Text{{0, 0}, {}, 1, 0, "a"});
    testing_support::TempDir dir;
    ASSERT_TRUE(writeDxf(d, dir / "t.dxf"));
    Collected got;
    DL_Dxf reader;
    ASSERT_TRUE(reader.in((dir / "t.dxf").string(), &got));
    ASSERT_EQ(got.texts.size(), 1u);
    EXPECT_EQ(got.texts[0].text, "a");
}
