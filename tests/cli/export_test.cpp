#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "common/textfile.h"
#include "support/golden.h"

using testing_support::TempDir;

namespace {

// Runs gesui with args under HOME=home; the exit status, standard error in *err.
int gesui(const std::filesystem::path& home, const std::string& args, std::string* err) {
    const auto errFile = home / "stderr.txt";
    const std::string cmd = "HOME='" + home.string() + "' '" +
                            (testing_support::binDir() / "gesui").string() + "' " + args + " 2>'" +
                            errFile.string() + "'";
    const int rc = std::system(cmd.c_str());
    *err = common::readFileBytes(errFile).value_or("");
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace

TEST(GesuiExport, WritesTheTextExportOfAProfile) {
    TempDir home;
    const auto profile = testing_support::testData("kandoru/osa_full.osa");
    std::string err;
    ASSERT_EQ(gesui(home.path(), "export " + quoted(profile), &err), 0) << err;
    auto written = common::readFileBytes(home / "縦断データ.txt");
    ASSERT_TRUE(written);
    EXPECT_TRUE(testing_support::matchesGolden("cli/export_osa_full.txt", *written));

    ASSERT_EQ(
        gesui(home.path(), "export " + quoted(profile) + " -o " + quoted(home / "out.txt"), &err),
        0);
    EXPECT_EQ(common::readFileBytes(home / "out.txt"), written);
}

TEST(GesuiExport, UnreadableProfileAndUnwritableOutputFail) {
    TempDir home;
    std::string err;
    EXPECT_EQ(gesui(home.path(), "export " + quoted(home / "missing.osa"), &err), 2);
    EXPECT_NE(err.find("missing.osa"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(home / "縦断データ.txt"));

    const auto profile = testing_support::testData("kandoru/osa_new.osa");
    { std::ofstream(home / "file") << "x"; }
    EXPECT_EQ(gesui(home.path(),
                    "export " + quoted(profile) + " -o " + quoted(home / "file" / "x.txt"), &err),
              1);
    EXPECT_NE(err.find("データファイル: テキストファイルを書き出せませんでした。"),
              std::string::npos)
        << err;
}
