// Paths, the safe write, the environment, programs and the instance lock, with Japanese
// file and folder names: what differs between systems behaves the same on each.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>

#include "common/platform/environment.h"
#include "common/platform/instance_lock.h"
#include "common/platform/paths.h"
#include "common/platform/process.h"
#include "common/platform/safe_write.h"
#include "common/textfile.h"
#include "support/golden.h"

using platform::pathFromUtf8;
using platform::pathToUtf8;
using testing_support::TempDir;

namespace {

// Names every system allows (Windows forbids " and the other quoting characters of shells).
const char* const kNames[] = {"縦断データ.txt", "図面 テスト.osa", "第１工区", "ﾃｽﾄ①㎜髙",
                              "a b'c&d (1).txt"};

std::filesystem::path helper() {
    return testing_support::binDir() / pathFromUtf8(platform::programFileName("platform_helper"));
}

// Runs the helper; its exit status, standard output and error in *out and *err.
int runHelper(const TempDir& dir, std::vector<std::string> args, std::string* out = nullptr,
              std::string* err = nullptr,
              std::vector<std::pair<std::string, std::optional<std::string>>> env = {}) {
    platform::RunRequest r;
    r.program = helper();
    r.arguments = std::move(args);
    r.standardOutput = dir / "out.txt";
    r.standardError = dir / "err.txt";
    r.environment = std::move(env);
    const int status = platform::runProgram(r);
    if (out) *out = common::readFileBytes(r.standardOutput).value_or("?");
    if (err) *err = common::readFileBytes(r.standardError).value_or("?");
    return status;
}

}  // namespace

TEST(Paths, JapaneseNamesMakeFilesAndFoldersOfThoseNames) {
    TempDir dir;
    for (const char* name : kNames) {
        const auto folder = dir.path() / pathFromUtf8(name);
        ASSERT_TRUE(std::filesystem::create_directory(folder)) << name;
        ASSERT_TRUE(platform::writeFileAtomic(folder / pathFromUtf8(name), name)) << name;
    }
    std::vector<std::string> listed;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        listed.push_back(pathToUtf8(e.path().filename()));
        EXPECT_EQ(common::readFileBytes(e.path() / e.path().filename()), listed.back());
    }
    std::sort(listed.begin(), listed.end());
    std::vector<std::string> expected(std::begin(kNames), std::end(kNames));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
}

TEST(Paths, TextThatIsNotUtf8BecomesAPathAllTheSame) {
    EXPECT_EQ(pathToUtf8(pathFromUtf8("a\xFF"
                                      "b.txt")),
              "a\uFFFDb.txt");
    EXPECT_EQ(pathToUtf8(pathFromUtf8("\xE7\xB8")), "\uFFFD\uFFFD");  // cut off
}

TEST(SafeWrite, ReplacesWholeOrLeavesTheOldFile) {
    TempDir dir;
    const auto file = dir / "縦断データ.txt";
    ASSERT_TRUE(platform::writeFileAtomic(file, "old"));
    ASSERT_TRUE(platform::writeFileAtomic(file, "new"));
    EXPECT_EQ(common::readFileBytes(file), "new");
    // The reason names the Japanese folder readably.
    const auto r = platform::writeFileAtomic(dir / "無い" / "x.txt", "x");
    EXPECT_FALSE(r);
    EXPECT_NE(r.error.find("無い"), std::string::npos) << r.error;
    // A library's temporary file replaces the target only when whole.
    const auto tmp = platform::temporaryBeside(file);
    std::ofstream(tmp, std::ios::binary) << "partial";
    EXPECT_FALSE(platform::commitTemporary(tmp, file, /*whole=*/false));
    EXPECT_FALSE(std::filesystem::exists(tmp));
    EXPECT_EQ(common::readFileBytes(file), "new");
    std::ofstream(tmp, std::ios::binary) << "whole";
    EXPECT_TRUE(platform::commitTemporary(tmp, file, /*whole=*/true));
    EXPECT_EQ(common::readFileBytes(file), "whole");
}

TEST(Environment, JapaneseValuesAndTheRendezvousFolder) {
    TempDir dir;
    const auto home = dir / "ユーザー 太郎";
    std::filesystem::create_directory(home);
    {
        testing_support::ScopedHome scoped(home);
        EXPECT_EQ(platform::rendezvousFolder(), home);
        EXPECT_EQ(platform::environmentVariable(platform::rendezvousVariable()), pathToUtf8(home));
    }
    EXPECT_NE(platform::rendezvousFolder(), home);
    platform::setEnvironmentVariable("GESUI_TEST_VALUE", "値");
    EXPECT_EQ(platform::environmentVariable("GESUI_TEST_VALUE"), "値");
    platform::setEnvironmentVariable("GESUI_TEST_VALUE", std::nullopt);
    EXPECT_EQ(platform::environmentVariable("GESUI_TEST_VALUE"), std::nullopt);
}

TEST(Programs, ArgumentsArriveAsTheyWereGiven) {
    TempDir dir;
    const std::vector<std::string> args = {"図面/縦断 テスト.osa",
                                           "-o",
                                           "出力/第１工区",
                                           "",
                                           "a\"b",
                                           "c:\\x\\",
                                           "\\\\\"",
                                           "tab\there"};
    std::vector<std::string> call{"echo"};
    call.insert(call.end(), args.begin(), args.end());
    std::string out;
    ASSERT_EQ(runHelper(dir, call, &out), 0);
    std::string expected;
    for (const auto& a : args) expected += a + "\n";
    EXPECT_EQ(out, expected);
}

TEST(Programs, TheEnvironmentIsChangedForTheProgramOnly) {
    TempDir dir;
    std::string err;
    platform::setEnvironmentVariable("GESUI_TEST_VALUE", "親");
    EXPECT_EQ(runHelper(dir, {"env", "GESUI_TEST_VALUE"}, nullptr, &err), 0);
    EXPECT_EQ(err, "親");
    EXPECT_EQ(runHelper(dir, {"env", "GESUI_TEST_VALUE"}, nullptr, &err,
                        {{"GESUI_TEST_VALUE", "子 ども"}}),
              0);
    EXPECT_EQ(err, "子 ども");
    EXPECT_EQ(runHelper(dir, {"env", "GESUI_TEST_VALUE"}, nullptr, &err,
                        {{"GESUI_TEST_VALUE", std::nullopt}}),
              0);
    EXPECT_EQ(err, "(unset)");
    EXPECT_EQ(platform::environmentVariable("GESUI_TEST_VALUE"), "親");
    platform::setEnvironmentVariable("GESUI_TEST_VALUE", std::nullopt);
    platform::RunRequest missing;
    missing.program = dir / "no-such-program";
    EXPECT_EQ(platform::runProgram(missing), -1);
}

TEST(Programs, ASiblingStartsDetachedInItsFolder) {
    TempDir dir;
    const auto folder = dir / "起動 先";
    std::filesystem::create_directory(folder);
    ASSERT_TRUE(platform::startDetached(helper(), folder));
    // Not waited for: it shows itself by the file it leaves in its working folder.
    const auto started = folder / "started.txt";
    for (int i = 0; i < 200 && !std::filesystem::exists(started); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(std::filesystem::exists(started));
    EXPECT_FALSE(platform::startDetached(dir / "no-such-program", folder));
}

TEST(InstanceLock, OneHolderAcrossObjectsAndProcesses) {
    TempDir dir;
    const auto file = dir / "ロック.lock";
    platform::InstanceLock first, second;
    ASSERT_EQ(first.acquire(file), platform::InstanceLock::Result::Acquired);
    EXPECT_EQ(second.acquire(file), platform::InstanceLock::Result::Held);
    EXPECT_EQ(runHelper(dir, {"lock", pathToUtf8(file)}), 1);
    first.release();
    EXPECT_FALSE(first.held());
    // The helper took it and ended: the system let go, no stale lock is left.
    EXPECT_EQ(runHelper(dir, {"lock", pathToUtf8(file)}), 0);
    EXPECT_EQ(second.acquire(file), platform::InstanceLock::Result::Acquired);
    EXPECT_EQ(first.acquire(dir / "無い" / "x.lock"), platform::InstanceLock::Result::Unavailable);
}
