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
