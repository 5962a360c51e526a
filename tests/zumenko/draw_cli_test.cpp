// gesui draw: the same script as the core, in CP932, on standard output or into a file.
#include <gtest/gtest.h>

#include <fstream>

#include "common/sjis.h"
#include "common/textfile.h"
#include "fixtures.h"
#include "support/golden.h"
#include "support/run_program.h"
#include "zumenko/intake.h"
#include "zumenko/script.h"

using namespace zumenko;
using namespace zumenko_test;
using testing_support::TempDir;
using testing_support::testData;

namespace {

// The sample's hand-off file is kept as test data so that it can be read by hand and
// used by the command-line tests.
TEST(DrawCli, SampleHandoffFile) {
    Drawing src;
    setSampleFormat(src);
    setSampleProfile(src);
    auto bytes = common::encodeCp932Lines(handoffLines(src));
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(testing_support::matchesGolden("zumenko/sample_handoff.txt", *bytes));
}

}  // namespace

namespace {

struct ProcessResult {
    int status = -1;
    std::string out, err;
};

// Runs gesui with arguments (already quoted where needed), capturing both streams.
ProcessResult gesui(const std::string& args) {
    auto run = testing_support::runGesui(testing_support::splitArguments(args));
    return {run.status, run.out, run.err};
}

using testing_support::quoted;

const std::string kSample = quoted(testData("zumenko/sample_handoff.txt"));

std::string golden(const char* name) {
    return common::readFileBytes(testData(std::string("zumenko/") + name)).value_or("?");
}

TEST(DrawCli, WritesTheScriptOfEachMode) {
    ProcessResult r = gesui("draw " + kSample);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, golden("sample_auto.txt"));
    EXPECT_EQ(gesui("draw " + kSample + " --reverse").out, golden("sample_reverse_auto.txt"));
    EXPECT_EQ(gesui("draw " + kSample + " --from 2 --to 3 --dl 5").out,
              golden("sample_layout.txt"));
    r = gesui("draw " + kSample + " --from 2 --to 3 --dl=5 --reverse --pipe-wall --no-frame");
    EXPECT_EQ(r.out, golden("sample_reverse_layout.txt")) << r.err;
}

// The datum level's text decides the half-interval shift; blanks around it do not count.
TEST(DrawCli, DatumLevelAsTyped) {
    const std::string stretch = "draw " + kSample + " --from 1 --to 4 --dl ";
    const std::string fifteen = gesui(stretch + "15").out;
    EXPECT_NE(fifteen.find("r 0 15.5 "), std::string::npos);
    EXPECT_EQ(gesui(stretch + "\" 15 \"").out, fifteen);
    EXPECT_NE(gesui(stretch + "15.0").out, fifteen);
}

// Without --dl the stretch is what "レイアウト" makes of it: 3..2 becomes 3..4, DL from
// the ground level 11.000 of station 4 less 2 m.
TEST(DrawCli, LayoutWithoutDatumLevelActsAsTheButton) {
    Drawing doc;
    ASSERT_TRUE(readHandoff(testData("zumenko/sample_handoff.txt"), doc));
    DrawOptions o;
    o.startNo = 3;
    o.endNo = 4;
    o.datumLevel = 5;
    auto expected = common::utf8ToCp932(generateScript(doc, o));
    ProcessResult r = gesui("draw " + kSample + " --from 3 --to 2");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, *expected);
}

TEST(DrawCli, OutputFileAndFailures) {
    TempDir dir;
    ProcessResult r = gesui("draw " + kSample + " -o " + quoted(dir / "JTemp.txt"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(common::readFileBytes(dir / "JTemp.txt"), golden("sample_auto.txt"));

    r = gesui("draw " + kSample + " -o " + quoted(dir / "no" / "JTemp.txt"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("作図コマンドを書き込めませんでした。"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("」がありません。"), std::string::npos) << r.err;

    r = gesui("draw " + quoted(dir / "XTemp.txt"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("作図データ: 作図データを読み込めませんでした。 " +
                              platform::pathToUtf8(dir / "XTemp.txt"),
                          0),
              0u)
        << r.err;

    r = gesui("draw " + kSample + " --from 1 --to 9 --dl 5");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(gesui("draw " + kSample + " --from 1").status, 2);  // --to missing
    EXPECT_EQ(gesui("draw " + kSample + " --dl 5").status, 2);    // --dl alone
    EXPECT_EQ(gesui("draw " + kSample + " --from 1 --to 2 --dl x").status, 2);

    // A format with 21 band rows is refused before anything is written.
    Drawing src;
    setSampleFormat(src);
    setSampleProfile(src);
    src.format.setValue(5, 2, "18");
    auto bytes = common::encodeCp932Lines(handoffLines(src));
    ASSERT_TRUE(common::writeFileAtomic(dir / "XTemp.txt", *bytes));
    r = gesui("draw " + quoted(dir / "XTemp.txt") + " -o " + quoted(dir / "bad.txt"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "書式エラー: 帯の段数が正しくありません。\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.txt"));
}

}  // namespace

namespace {

// The example profiles calculated by gesui run, then drawn in each direction and mode.
TEST(DrawCli, ExampleProfilesInEveryMode) {
    TempDir dir;
    const auto examples = testing_support::examplesDir();
    const std::pair<const char*, std::vector<std::pair<std::string, const char*>>> cases[] = {
        {"three_routes",
         {{"", "example_three_routes_auto.txt"},
          {" --reverse", "example_three_routes_reverse_auto.txt"},
          {" --from 2 --to 5", "example_three_routes_layout.txt"},
          {" --from 2 --to 5 --dl 10 --reverse --pipe-wall --no-frame",
           "example_three_routes_reverse_layout.txt"}}},
        {"long_line",
         {{" --from 3 --to 8", "example_long_line_layout.txt"},
          {" --from 3 --to 8 --reverse", "example_long_line_reverse_layout.txt"}}},
    };
    for (auto& [name, draws] : cases) {
        SCOPED_TRACE(name);
        const auto out = dir / name;
        ProcessResult r = gesui("run " + quoted(examples / (std::string(name) + ".osa")) + " " +
                                quoted(examples / "standard.osb") + " -o " + quoted(out));
        ASSERT_EQ(r.status, 0) << r.err;
        for (auto& [args, golden] : draws) {
            r = gesui("draw " + quoted(out / "XTemp.txt") + args);
            EXPECT_EQ(r.status, 0) << args << ": " << r.err;
            EXPECT_TRUE(testing_support::matchesGolden(std::string("zumenko/") + golden, r.out))
                << args;
            if (args.empty()) {
                EXPECT_EQ(common::readFileBytes(out / "JTemp.txt"), r.out);
            }
        }
    }
}

}  // namespace
