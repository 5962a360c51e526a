// gesui run: the calculation, the hand-off file and the automatic drawing in one step.
#include <gtest/gtest.h>

#include <QProcess>

#include "cli/cli_ui.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/handoff.h"
#include "kandoru/files/osa_file.h"
#include "largest_document.h"
#include "support/golden.h"
#include "zumenko/intake.h"
#include "zumenko/script.h"

namespace {

struct GesuiRun {
    int exitCode = -1;
    std::string out, err;
};

GesuiRun gesui(const QStringList& args) {
    QProcess p;
    p.start(QString::fromStdString((testing_support::binDir() / "gesui").string()), args);
    GesuiRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

QString arg(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

TEST(GesuiRun, WritesTheHandoffFileAndTheAutomaticDrawingAndSummarizes) {
    testing_support::TempDir dir;
    // A profile whose pipe codes are those of the format file, so that it calculates cleanly.
    const auto profile = testing_support::examplesDir() / "three_routes.osa";
    const auto format = testing_support::examplesDir() / "standard.osb";
    const auto out = dir / "demo";  // made when missing
    GesuiRun r = gesui({"run", arg(profile), arg(format), "-o", arg(out)});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    // The same steps in process: open, format intake, one calculation, hand-off.
    kandoru::Document doc;
    ASSERT_TRUE(kandoru::loadProfile(doc, profile));
    ASSERT_TRUE(kandoru::loadFormat(doc, format));
    std::ostringstream messages;
    cli::CliUi ui(messages);
    kandoru::runCalculation(doc, ui);
    auto handoff = common::readFileBytes(out / "XTemp.txt");
    ASSERT_TRUE(handoff);
    EXPECT_EQ(*handoff, *common::encodeCp932Lines(kandoru::handoffLines(doc)));

    zumenko::Drawing drawing;
    ASSERT_TRUE(zumenko::readHandoff(out / "XTemp.txt", drawing));
    zumenko::DrawOptions opt;
    opt.automatic = true;
    auto expected = zumenko::drawScript(drawing, opt);
    ASSERT_FALSE(expected.error);
    auto script = common::readFileBytes(out / "JTemp.txt");
    ASSERT_TRUE(script);
    EXPECT_EQ(*script, *common::utf8ToCp932(expected.text));

    EXPECT_NE(r.out.find("路線数: 4\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("スパン数: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("最小土被り: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("最大人孔深: "), std::string::npos) << r.out;
    const size_t lines = std::count(script->begin(), script->end(), '\n');
    EXPECT_NE(r.out.find("作図コマンド: " + std::to_string(lines) + " 行, " +
                         std::to_string(script->size()) + " バイト\n"),
              std::string::npos)
        << r.out;
}

TEST(GesuiRun, AProfileThatCannotBeReadWritesNothing) {
    testing_support::TempDir dir;
    GesuiRun r =
        gesui({"run", arg(dir / "missing.osa"),
               arg(testing_support::examplesDir() / "standard.osb"), "-o", arg(dir.path())});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("missing.osa"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "XTemp.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "JTemp.txt"));
}

namespace {

void plant(const std::filesystem::path& file) {
    ASSERT_TRUE(common::writeFileAtomic(file, "an earlier run's file"));
}

bool exists(const std::filesystem::path& dir, const char* name) {
    return std::filesystem::exists(dir / name);
}

}  // namespace

// Runs into one folder in turn, each leaving exactly its own files: a line longer than a
// sheet adds its set, a short line after it leaves no set behind, and nothing of a larger
// set drawn before stays.
TEST(GesuiRun, WritesTheSetOfALongLineAndRemovesWhatAnEarlierRunLeft) {
    testing_support::TempDir dir;
    const auto examples = testing_support::examplesDir();
    const auto out = dir / "out";
    std::filesystem::create_directories(out);
    for (const char* stale : {"sheet05.png", "sheet12.txt", "sheets.dxf", "profile.pdf"})
        plant(out / stale);
    plant(out / "notes.txt");  // not a file of the run

    struct Step {
        const char* profile;
        bool set;
        const char* sheetsLine;  // printed when the line needs more than one sheet
    };
    const Step steps[] = {{"long_line.osa", true, "シート割: 2 枚\n"},
                          {"three_routes.osa", false, nullptr},
                          {"long_line.osa", true, "シート割: 2 枚\n"}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.profile);
        GesuiRun r = gesui(
            {"run", arg(examples / s.profile), arg(examples / "standard.osb"), "-o", arg(out)});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        for (const char* name : {"XTemp.txt", "JTemp.txt", "profile.png", "profile.pdf"})
            EXPECT_TRUE(exists(out, name)) << name;
        EXPECT_EQ(exists(out, "sheets.txt"), s.set);
        EXPECT_EQ(exists(out, "sheets.pdf"), s.set);
        for (const char* gone : {"sheet05.png", "sheet12.txt", "sheets.dxf"})
            EXPECT_FALSE(exists(out, gone)) << gone;
        EXPECT_TRUE(exists(out, "notes.txt"));
        if (s.sheetsLine) {
            EXPECT_NE(r.out.find(s.sheetsLine), std::string::npos) << r.out;
        } else {
            EXPECT_EQ(r.out.find("シート割"), std::string::npos) << r.out;
        }
    }

    // The set is the one gesui sheets draws from the same hand-off file.
    GesuiRun sheets = gesui({"sheets", arg(out / "XTemp.txt"), "-o", arg(dir / "sheets")});
    ASSERT_EQ(sheets.exitCode, 0) << sheets.err;
    EXPECT_EQ(common::readFileBytes(out / "sheets.txt"),
              common::readFileBytes(dir / "sheets" / "sheets.txt"));
}

// The largest document's line is longer than any PDF page: the run reports the picture it
// could not draw, keeps no earlier profile.pdf beside the new script, writes the set, and
// ends well, the scripts being written.
TEST(GesuiRun, APictureTooLargeIsAWarningAndTheSetIsStillWritten) {
    testing_support::TempDir dir;
    const auto profile = dir / "largest.osa";
    ASSERT_TRUE(kandoru::FileSave2(bench_support::largestDocument(), profile));
    const auto out = dir / "out";
    std::filesystem::create_directories(out);
    plant(out / "profile.pdf");
    GesuiRun r = gesui({"run", arg(profile), arg(testing_support::examplesDir() / "standard.osb"),
                        "-o", arg(out)});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("用紙が大きすぎます"), std::string::npos) << r.err;
    EXPECT_FALSE(exists(out, "profile.pdf"));
    for (const char* name : {"XTemp.txt", "JTemp.txt", "sheets.txt", "sheets.pdf"})
        EXPECT_TRUE(exists(out, name)) << name;
    EXPECT_EQ(r.out.find("profile.pdf"), std::string::npos) << r.out;
    // Too deep for the sheet: the stations outside the profile area, as runs.
    EXPECT_NE(r.out.find("4/25  測点 103～136  25-3～34  延長 330.000 m  DL 10 m  縦断図の範囲外: "
                         "測点 103(25-3)～136(34)\n"),
              std::string::npos)
        << r.out;
}
