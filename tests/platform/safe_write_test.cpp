// The safe write as a careful editor saves: a read-only file kept, a crash's leftover
// replaced, a folder named when it is missing; the same on every system.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "common/platform/paths.h"
#include "common/platform/safe_write.h"
#include "common/textfile.h"
#include "support/golden.h"

using platform::WriteFault;
using testing_support::TempDir;

namespace {

namespace fs = std::filesystem;

// The names in folder, the target's included.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(platform::pathToUtf8(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(SafeWrite, AReadOnlyFileIsNeitherWrittenNorReplaced) {
    TempDir dir;
    const auto file = dir / "読み取り専用.osa";
    ASSERT_TRUE(platform::writeFileAtomic(file, "old"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (bool library : {false, true}) {
        platform::WriteResult w;
        if (library) {
            const auto tmp = platform::temporaryBeside(file);
            std::ofstream(tmp, std::ios::binary) << "new";
            w = platform::commitTemporary(tmp, file, /*whole=*/true);
        } else {
            w = platform::writeFileAtomic(file, "new");
        }
        EXPECT_FALSE(w) << library;
        EXPECT_EQ(w.fault, WriteFault::ReadOnlyFile) << w.error;
        EXPECT_NE(w.error.find("読み取り専用"), std::string::npos) << w.error;
        EXPECT_EQ(common::readFileBytes(file), "old");
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"読み取り専用.osa"});
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
    }
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);  // for the clean-up
}

TEST(SafeWrite, ALeftoverOfACrashIsReplacedByTheNextSave) {
    TempDir dir;
    const auto file = dir / "縦断.osa";
    ASSERT_TRUE(platform::writeFileAtomic(file, "old"));
    const auto leftover = platform::temporaryBeside(file);
    EXPECT_EQ(leftover.parent_path(), file.parent_path());
    for (const char* bytes : {"first", "second"}) {
        std::ofstream(leftover, std::ios::binary) << "half written by a crash";
        ASSERT_TRUE(platform::writeFileAtomic(file, bytes));
        EXPECT_EQ(common::readFileBytes(file), bytes);
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"縦断.osa"});
    }
}

TEST(SafeWrite, EachFailureSaysWhyInJapanese) {
    TempDir dir;
    fs::create_directory(dir / "フォルダー");
    const struct {
        fs::path target;
        WriteFault fault;
        const char* says;
    } cases[] = {
        {dir / "無い" / "x.txt", WriteFault::NoFolder, "無い」がありません。"},
        {dir / "無い" / "更に" / "x.txt", WriteFault::NoFolder, "がありません。"},
        {dir / "フォルダー", WriteFault::IsFolder, "同じ名前のフォルダーがあります。"},
    };
    for (const auto& c : cases) {
        const auto w = platform::writeFileAtomic(c.target, "x");
        EXPECT_FALSE(w) << platform::pathToUtf8(c.target);
        EXPECT_EQ(w.fault, c.fault) << w.error;
        EXPECT_NE(w.error.find(c.says), std::string::npos) << w.error;
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"フォルダー"});
}
