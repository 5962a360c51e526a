#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/rendezvous.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "support/golden.h"

using testing_support::TempDir;

TEST(Cp932, RoundTripsTheCharactersShiftJisLoses) {
    const std::string text = "～－①㎜髙ﾌｧｲﾙ\\￥縦断図　φ200";
    auto bytes = common::utf8ToCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(common::cp932ToUtf8(*bytes), text);
    // The half-width yen sign shares the byte 0x5C with the backslash.
    EXPECT_EQ(common::utf8ToCp932("¥"), std::string("\\"));
    // 0x5C stays a backslash, ～ is 0x8160 in CP932.
    auto tilde = common::utf8ToCp932("～\\");
    ASSERT_TRUE(tilde);
    EXPECT_EQ(*tilde, "\x81\x60\x5C");
}

TEST(Cp932, UnmappableCharacterIsReportedNotDropped) {
    std::string bad;
    EXPECT_FALSE(common::utf8ToCp932("ab😀c", &bad).has_value());
    EXPECT_EQ(bad, "😀");
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
    bool invalid = false;
    std::string s = common::cp932ToUtf8(std::string("a\x81", 2), &invalid);
    EXPECT_TRUE(invalid);
    EXPECT_EQ(s, "a\xEF\xBF\xBD");
    s = common::cp932ToUtf8(std::string("\xA0x\xFF", 3), &invalid);
    EXPECT_TRUE(invalid);
    EXPECT_NE(s.find('x'), std::string::npos);
}

TEST(TextFile, WritesCrLfAndReadsBack) {
    TempDir dir;
    auto p = dir / "a.txt";
    ASSERT_TRUE(common::writeCp932Lines(p, {"路線", "", "x"}));
    auto bytes = common::readFileBytes(p);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\x98\x48\x90\xfc\r\n\r\nx\r\n");
    auto lines = common::readCp932Lines(p);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"路線", "", "x"}));
}

TEST(TextFile, SplitLinesKeepsLoneCarriageReturns) {
    EXPECT_EQ(common::splitLines("a\r\n\r\r\nb"), (std::vector<std::string>{"a", "\r", "b"}));
    EXPECT_EQ(common::splitLines("a\nb\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(common::splitLines("").empty());
}

TEST(TextFile, FailedWriteLeavesTheOldFileAndSaysWhy) {
    TempDir dir;
    auto p = dir / "keep.txt";
    ASSERT_TRUE(common::writeFileAtomic(p, "old"));
    auto missing = dir / "no-such-folder" / "x.txt";
    auto r = common::writeFileAtomic(missing, "new");
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
    // A character without a CP932 form fails the write before anything is replaced.
    auto r2 = common::writeCp932Lines(p, {"😀"});
    EXPECT_FALSE(r2);
    EXPECT_EQ(*common::readFileBytes(p), "old");
    // Writing over a folder fails too.
    auto r3 = common::writeFileAtomic(dir.path(), "x");
    EXPECT_FALSE(r3);
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST(TextFile, MissingFileReadsAsNothing) {
    TempDir dir;
    EXPECT_FALSE(common::readFileBytes(dir / "none").has_value());
    EXPECT_FALSE(common::readFileBytes(dir.path()).has_value());
}

TEST(Rendezvous, IsTheHomeFolder) {
    TempDir dir;
    testing_support::ScopedHome home(dir.path());
    EXPECT_EQ(common::rendezvousFolder(), dir.path());
    EXPECT_EQ(common::rendezvousPath("縦断データ.txt"), dir / "縦断データ.txt");
}
