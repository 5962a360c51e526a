#include <gtest/gtest.h>

#include <fstream>

#include "common/textfile.h"
#include "support/golden.h"
#include "support/run_program.h"

using testing_support::TempDir;

namespace {

// Runs gesui with args under HOME=home; the exit status, standard error in *err.
int gesui(const std::filesystem::path& home, const std::string& args, std::string* err) {
    auto r = testing_support::runGesui(testing_support::splitArguments(args), home);
    *err = r.err;
    return r.status;
}

using testing_support::quoted;

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
