// gesui with Japanese file and folder names on every system: what it reads, writes and
// names in its messages arrives under the name given, and its files are the same bytes as
// the goldens made on Linux (CR LF and CP932 included), on Windows too.
#include <gtest/gtest.h>

#include "common/platform/paths.h"
#include "common/textfile.h"
#include "support/golden.h"
#include "support/run_program.h"

using platform::pathFromUtf8;
using platform::pathToUtf8;
using testing_support::examplesDir;
using testing_support::runGesui;
using testing_support::TempDir;
using testing_support::testData;

namespace {

// The example copied to 図面/縦断 テスト.osa below dir.
std::filesystem::path japaneseCopy(const TempDir& dir, const char* example) {
    const auto folder = dir / "図面";
    std::filesystem::create_directories(folder);
    const auto copy = folder / pathFromUtf8("縦断 テスト.osa");
    std::filesystem::copy_file(examplesDir() / example, copy);
    return copy;
}

std::string bytes(const std::filesystem::path& p) {
    return common::readFileBytes(p).value_or("<missing " + pathToUtf8(p) + ">");
}

TEST(JapanesePaths, RunWritesTheGoldenFilesIntoTheNamedFolder) {
    struct Case {
        const char* example;
        const char* format;
        const char* handoffGolden;
        const char* scriptGolden;
    };
    const Case cases[] = {
        {"three_routes.osa", "standard.osb", "e2e/handoff_three_routes.txt",
         "zumenko/example_three_routes_auto.txt"},
        {"long_line.osa", "standard.osb", "cli/run_long_line_XTemp.txt",
         "cli/run_long_line_JTemp.txt"},
        {"design_check_findings.osa", "design_check_findings.osb",
         "cli/run_design_check_findings_XTemp.txt", "cli/run_design_check_findings_JTemp.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        TempDir dir;
        const auto profile = japaneseCopy(dir, c.example);
        const auto out = dir / "出力" / pathFromUtf8("第１工区");
        const auto r = runGesui({"run", pathToUtf8(profile), pathToUtf8(examplesDir() / c.format),
                                 "-o", pathToUtf8(out)},
                                dir.path());
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(bytes(out / "XTemp.txt"), bytes(testData(c.handoffGolden)));
        EXPECT_EQ(bytes(out / "JTemp.txt"), bytes(testData(c.scriptGolden)));
        // The summary is UTF-8 text naming the folder as it was given.
        EXPECT_EQ(r.out.rfind("路線数: ", 0), 0u) << r.out;
        EXPECT_NE(r.out.find(pathToUtf8(out / "JTemp.txt")), std::string::npos) << r.out;
    }
}

TEST(JapanesePaths, EveryCommandReadsAndWritesJapaneseNames) {
    TempDir dir;
    const auto profile = japaneseCopy(dir, "long_line.osa");
    const auto format = pathToUtf8(examplesDir() / "standard.osb");
    const auto out = dir / "出力 先";
    std::filesystem::create_directory(out);
    const auto home = dir / "ユーザー 太郎";
    std::filesystem::create_directory(home);
    const auto in = [&](const char* name) { return pathToUtf8(out / pathFromUtf8(name)); };

    struct Step {
        std::vector<std::string> args;
        int status;
        std::filesystem::path written;  // must exist afterwards
    };
    const Step steps[] = {
        {{"calc", pathToUtf8(profile), format, "--tables", in("表.tsv"), "--save", in("保存.osa")},
         0,
         out / pathFromUtf8("保存.osa")},
        {{"run", in("保存.osa"), format, "-o", pathToUtf8(out)}, 0, out / "JTemp.txt"},
        {{"draw", in("XTemp.txt"), "-o", in("作図.txt")}, 0, out / pathFromUtf8("作図.txt")},
        {{"export", in("保存.osa"), "-o", in("縦断データ.txt")},
         0,
         out / pathFromUtf8("縦断データ.txt")},
        // Without -o the export goes to the rendezvous folder.
        {{"export", pathToUtf8(profile)}, 0, home / pathFromUtf8("縦断データ.txt")},
        {{"check", pathToUtf8(profile), format, "--tsv", in("設計チェック.tsv")},
         0,
         out / pathFromUtf8("設計チェック.tsv")},
        {{"sheets", in("XTemp.txt"), "-o", in("シート")},
         0,
         out / pathFromUtf8("シート") / "sheets.txt"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.args.front());
        const auto r = runGesui(s.args, home);
        EXPECT_EQ(r.status, s.status) << r.err;
        EXPECT_TRUE(std::filesystem::exists(s.written)) << pathToUtf8(s.written);
    }
    EXPECT_EQ(bytes(out / pathFromUtf8("表.tsv")), bytes(testData("cli/calc_long_line.tsv")));
    EXPECT_EQ(bytes(out / pathFromUtf8("作図.txt")), bytes(out / "JTemp.txt"));
    EXPECT_EQ(bytes(out / pathFromUtf8("縦断データ.txt")),
              bytes(home / pathFromUtf8("縦断データ.txt")));
}

TEST(JapanesePaths, MessagesNameTheFileAsItWasGiven) {
    TempDir dir;
    const auto missing = pathToUtf8(dir / "図面" / pathFromUtf8("無い 路線.osa"));
    const auto format = pathToUtf8(examplesDir() / "standard.osb");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"calc", missing, format}, "gesui calc: 読み込めません: " + missing + "\n"},
        {{"export", missing}, "gesui export: 読み込めません: " + missing + "\n"},
        {{"draw", missing}, "作図データ: 作図データを読み込めませんでした。 " + missing},
    };
    for (const auto& c : cases) {
        const auto r = runGesui(c.args, dir.path());
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    }
}

TEST(GesuiCommandLine, VersionUnknownCommandsAndOneMessageStyle) {
    TempDir dir;
    auto r = runGesui({"--version"}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("gesui ", 0), 0u) << r.out;
    r = runGesui({"計算"}, dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("gesui: \"計算\" というコマンドはありません。", 0), 0u) << r.err;
    r = runGesui({"calc", "--colour"}, dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("gesui: ", 0), 0u) << r.err;
    r = runGesui({"--help"}, dir.path());
    EXPECT_NE(r.out.find("redirected to a file or a pipe it stays UTF-8"), std::string::npos);
}

}  // namespace
