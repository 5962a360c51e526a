// gesui preview and gesui dxf as a user runs them.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QImage>
#include <cstdlib>
#include <regex>

#include "common/textfile.h"
#include "support/golden.h"

using testing_support::binDir;
using testing_support::testData;

namespace {

struct Outcome {
    int status = -1;
    std::string err;
};

Outcome gesui(const std::string& args, const testing_support::TempDir& dir) {
    auto errFile = dir / "stderr.txt";
    std::string cmd = "'" + (binDir() / "gesui").string() + "' " + args + " 2> '" +
                      errFile.string() + "' > /dev/null";
    Outcome r;
    int raw = std::system(cmd.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = common::readFileBytes(errFile).value_or("");
    return r;
}

std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace

TEST(Cli, PreviewAndDxfWriteTheirFiles) {
    testing_support::TempDir dir;
    auto script = quoted(testData("preview/profile.txt"));
    Outcome png = gesui("preview " + script + " -o " + quoted(dir / "p.png") + " --width 900", dir);
    EXPECT_EQ(png.status, 0) << png.err;
    EXPECT_EQ(png.err, "");
    EXPECT_EQ(QImage(QString::fromStdString((dir / "p.png").string())).width(), 900);

    Outcome dxf = gesui("dxf " + script + " -o " + quoted(dir / "p.dxf"), dir);
    EXPECT_EQ(dxf.status, 0) << dxf.err;
    auto bytes = common::readFileBytes(dir / "p.dxf");
    ASSERT_TRUE(bytes);
    EXPECT_LT(bytes->find("  0\nSECTION\n  2\nHEADER\n"), 40u);
}

TEST(Cli, BrokenScriptIsReportedByLineAndWritesNothing) {
    testing_support::TempDir dir;
    common::writeCp932Lines(dir / "bad.txt", {"_DTEXTED 1", std::string(24, ' '), "_lin 0,0 1,1"});
    for (const char* sub : {"preview", "dxf"}) {
        auto out = dir / (std::string("out.") + (sub == std::string("dxf") ? "dxf" : "png"));
        Outcome r =
            gesui(std::string(sub) + " " + quoted(dir / "bad.txt") + " -o " + quoted(out), dir);
        EXPECT_EQ(r.status, 2) << sub;
        EXPECT_NE(r.err.find("3 行目"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << sub;
    }
}

TEST(Cli, UnknownPictureTypeAndUnwritableTargetAreReported) {
    testing_support::TempDir dir;
    auto script = quoted(testData("preview/small.txt"));
    Outcome bmp = gesui("preview " + script + " -o " + quoted(dir / "p.bmp"), dir);
    EXPECT_EQ(bmp.status, 2);
    EXPECT_NE(bmp.err.find(".png"), std::string::npos);

    Outcome missing = gesui("dxf " + script + " -o " + quoted(dir / "no" / "p.dxf"), dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("書けません"), std::string::npos);
}

TEST(Cli, RunAlsoWritesTheProfilePicturesBesideTheScript) {
    testing_support::TempDir dir;
    // A profile whose pipe codes are those of the format file, so that it calculates cleanly.
    Outcome r = gesui("run " + quoted(testing_support::examplesDir() / "three_routes.osa") + " " +
                          quoted(testing_support::examplesDir() / "standard.osb") + " -o " +
                          quoted(dir.path()),
                      dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(QImage(QString::fromStdString((dir / "profile.png").string())).isNull());
    // The example format's A1 sheet at its real size.
    auto pdf = common::readFileBytes(dir / "profile.pdf").value_or("");
    std::smatch m;
    // The page box from its foot to its top: the sheet to a hundredth of a millimetre.
    ASSERT_TRUE(std::regex_search(
        pdf, m, std::regex(R"(/MediaBox \[0 ([0-9.]+) ([0-9.]+) ([0-9.]+) *\])")));
    EXPECT_NEAR(std::stod(m[2]) * 25.4 / 72, 841, 0.01);
    EXPECT_NEAR((std::stod(m[3]) - std::stod(m[1])) * 25.4 / 72, 594, 0.01);
}
