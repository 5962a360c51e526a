#include "pipeline/run_pipeline.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/textfile.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/osa_file.h"
#include "support/fake_ui.h"
#include "support/golden.h"
#include "support/profile_fixture.h"
#include "zumenko/script_file.h"

using testing_support::FakeUi;
using testing_support::TempDir;

namespace {

kandoru::Document calculatedExample(FakeUi& ui) {
    kandoru::Document doc;
    EXPECT_TRUE(kandoru::loadProfile(doc, testing_support::examplesDir() / "three_routes.osa"));
    EXPECT_TRUE(kandoru::loadFormat(doc, testing_support::examplesDir() / "standard.osb"));
    kandoru::runCalculation(doc, ui);
    return doc;
}

}  // namespace

TEST(DesignSummary, RoutesSpansLowestCoverAndDeepestManhole) {
    kandoru::Document doc;
    testing_support::fillCalculatedProfile(doc);
    struct Case {
        const char* what;
        void (*change)(kandoru::Document&);
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"as calculated",
         [](kandoru::Document&) {},
         {"路線数: 3", "スパン数: 3", "最小土被り: 0.330 m (2 終点)",
          "最大人孔深: 1.620 m (No.1)"}},
        // The outlet's own row has no pipe: its cover is not a span's.
        {"outlet cover lower",
         [](kandoru::Document& d) { d.fgrid2.setText(4, kandoru::SplitCol::StartCover, "0.100"); },
         {"路線数: 3", "スパン数: 3", "最小土被り: 0.330 m (2 終点)",
          "最大人孔深: 1.620 m (No.1)"}},
        // Texts without a number are passed over; an equal later value does not replace.
        {"texts and ties",
         [](kandoru::Document& d) {
             d.fgrid2.setText(3, kandoru::SplitCol::EndCover, "abc");
             d.fgrid2.setText(2, kandoru::SplitCol::EndCover, "0.810");  // = 2 起点
             d.fgrid3.setText(3, kandoru::ManholeCol::Depth, "1.620");
         },
         {"路線数: 3", "スパン数: 3", "最小土被り: 0.810 m (1-1 終点)",
          "最大人孔深: 1.620 m (No.1)"}},
        // A manhole without a number is named by its label.
        {"unnumbered manhole",
         [](kandoru::Document& d) {
             d.fgrid3.setText(2, kandoru::ManholeCol::Number, "");
             d.fgrid3.setText(2, kandoru::ManholeCol::Depth, "3.000");
         },
         {"路線数: 3", "スパン数: 3", "最小土被り: 0.330 m (2 終点)", "最大人孔深: 3.000 m (1-1)"}},
        {"nothing calculated",
         [](kandoru::Document& d) {
             for (int r = 1; r <= 4; ++r) {
                 for (int c : {kandoru::SplitCol::StartCover, kandoru::SplitCol::EndCover})
                     d.fgrid2.setText(r, c, "");
                 d.fgrid3.setText(r, kandoru::ManholeCol::Depth, "");
             }
         },
         {"路線数: 3", "スパン数: 3", "最小土被り: -", "最大人孔深: -"}},
    };
    for (const Case& c : cases) {
        kandoru::Document d = doc;
        c.change(d);
        EXPECT_EQ(kandoru::summaryLines(kandoru::summarizeDesign(d)), c.lines) << c.what;
    }
}

TEST(Pipeline, WritesTheHandoffAndTheAutomaticDrawingAndReportsThem) {
    TempDir dir;
    FakeUi ui;
    const kandoru::Document doc = calculatedExample(ui);
    const auto run = pipeline::runPipeline(doc, dir / "out", ui);
    ASSERT_TRUE(run.ok) << run.detail;
    EXPECT_TRUE(ui.messages.empty());
    auto script = common::readFileBytes(run.scriptPath);
    ASSERT_TRUE(script);
    zumenko::DrawError none;
    EXPECT_EQ(*script, zumenko::scriptBytes(run.script.text, &none).value());
    EXPECT_TRUE(common::readFileBytes(run.handoffPath));

    const auto lines = pipeline::pipelineReport(run, {dir / "out" / "extra.png"});
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              kandoru::summaryLines(run.summary));
    EXPECT_EQ(lines[4].rfind("作図コマンド: ", 0), 0u) << lines[4];
    EXPECT_NE(lines[4].find(std::to_string(script->size()) + " バイト"), std::string::npos);
    EXPECT_NE(lines[5].find("extra.png"), std::string::npos);
}

TEST(Pipeline, AFolderThatCannotHoldTheFilesIsReportedAndNothingIsDrawn) {
    TempDir dir;
    std::ofstream(dir / "taken") << "a file where the folder should be";
    FakeUi ui;
    const kandoru::Document doc = calculatedExample(ui);
    ui.messages.clear();
    const auto run = pipeline::runPipeline(doc, dir / "taken", ui);
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "作図データ");
    EXPECT_TRUE(run.script.text.empty());
    EXPECT_EQ(run.summary.routes, kandoru::summarizeDesign(doc).routes);
}
