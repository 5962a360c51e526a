// The safe write where POSIX systems differ from others: permissions and owners kept,
// symbolic links followed, a read-only folder, and a full disk (a small tmpfs of its own).
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "common/platform/safe_write.h"
#include "common/textfile.h"
#include "support/golden.h"

using platform::WriteFault;
using testing_support::TempDir;

namespace {

namespace fs = std::filesystem;

mode_t modeOf(const fs::path& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Writes text to a file of /proc/self; true when it took.
bool writeProc(const char* name, const std::string& text) {
    const int fd = ::open(name, O_WRONLY);
    if (fd < 0) return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

// Mounts a tmpfs of the given size on folder in a mount namespace of this process alone
// (and a user namespace when this user may not make one); false where the system refuses.
bool mountSmallTmpfs(const fs::path& folder, const char* size) {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWNS) != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
        writeProc("/proc/self/setgroups", "deny");
        if (!writeProc("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeProc("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return false;
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
}

// Fills a full disk's folder, then saves over a file there; "" when the save failed as it
// should, "skip" where no tmpfs can be mounted, else what went wrong.
std::string saveOnAFullDisk(const fs::path& folder) {
    if (!mountSmallTmpfs(folder, "64k")) return "skip";
    const fs::path file = folder / "縦断.osa";
    if (!platform::writeFileAtomic(file, "old")) return "the first save failed";
    {
        std::ofstream fill(folder / "fill", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 64 && fill; ++i) fill << block << std::flush;
    }
    std::string out;
    for (bool library : {false, true}) {
        platform::WriteResult w;
        if (library) {
            const fs::path tmp = platform::temporaryBeside(file);
            std::ofstream lib(tmp, std::ios::binary);
            lib << std::string(256 * 1024, 'y') << std::flush;
            const bool whole = static_cast<bool>(lib);
            lib.close();
            w = platform::commitTemporary(tmp, file, whole);
        } else {
            w = platform::writeFileAtomic(file, std::string(256 * 1024, 'n'));
        }
        if (w) out += "saved on a full disk; ";
        if (!library && w.fault != WriteFault::DiskFull) out += "fault: " + w.error + "; ";
        if (common::readFileBytes(file) != "old") out += "the old file is lost; ";
        if (fs::exists(platform::temporaryBeside(file))) out += "the temporary file is left; ";
    }
    return out;
}

// Runs f in a child process (a mount namespace or another user stays there) and returns
// what it returned.
std::string inChildProcess(const std::function<std::string()>& f) {
    int out[2];
    if (::pipe(out) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no child";
    if (child == 0) {
        ::close(out[0]);
        const std::string result = f();
        (void)!::write(out[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(out[1]);
    std::string result;
    char buf[256];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) result.append(buf, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child failed";
    return result;
}

}  // namespace

TEST(SafeWritePosix, TheNewFileKeepsTheOldOnesPermissions) {
    TempDir dir;
    const fs::path file = dir / "縦断.osa";
    for (mode_t mode : {0600, 0640, 0604, 0755}) {
        ASSERT_TRUE(platform::writeFileAtomic(file, "old"));
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        ASSERT_TRUE(platform::writeFileAtomic(file, "new"));
        EXPECT_EQ(modeOf(file), mode) << std::oct << mode;
        const fs::path tmp = platform::temporaryBeside(file);
        std::ofstream(tmp, std::ios::binary) << "library";
        ASSERT_TRUE(platform::commitTemporary(tmp, file, /*whole=*/true));
        EXPECT_EQ(modeOf(file), mode) << std::oct << mode;
        EXPECT_EQ(common::readFileBytes(file), "library");
    }
}

TEST(SafeWritePosix, ASymbolicLinkIsFollowedAndStays) {
    TempDir dir;
    fs::create_directory(dir / "本体");
    const fs::path real = dir / "本体" / "縦断.osa";
    ASSERT_TRUE(platform::writeFileAtomic(real, "old"));
    fs::create_symlink("本体/縦断.osa", dir / "link.osa");    // relative, into another folder
    fs::create_symlink(dir / "link.osa", dir / "chain.osa");  // absolute, to a link
    fs::create_symlink(dir / "本体" / "新規.osa", dir / "dangling.osa");
    const struct {
        const char* link;
        fs::path real;
    } cases[] = {
        {"link.osa", real},
        {"chain.osa", real},
        {"dangling.osa", dir / "本体" / "新規.osa"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(platform::writeFileAtomic(dir / c.link, c.link)) << c.link;
        EXPECT_TRUE(fs::is_symlink(dir / c.link)) << c.link;
        EXPECT_EQ(common::readFileBytes(c.real), c.link);
    }
    const fs::path tmp = platform::temporaryBeside(dir / "chain.osa");
    EXPECT_EQ(tmp.parent_path(), real.parent_path());
    std::ofstream(tmp, std::ios::binary) << "library";
    ASSERT_TRUE(platform::commitTemporary(tmp, dir / "chain.osa", /*whole=*/true));
    EXPECT_TRUE(fs::is_symlink(dir / "chain.osa"));
    EXPECT_EQ(common::readFileBytes(real), "library");
}

TEST(SafeWritePosix, AFolderThisUserMayNotWriteKeepsTheOldFile) {
    TempDir dir;
    const fs::path folder = dir / "読み取り専用";
    fs::create_directory(folder);
    const fs::path file = folder / "縦断.osa";
    ASSERT_TRUE(platform::writeFileAtomic(file, "old"));
    // The file itself may be written by anyone; only the folder refuses the new file.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const std::string result = inChildProcess([&]() -> std::string {
        // Root writes into any folder: the save runs as nobody then.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return "skip";
        const auto w = platform::writeFileAtomic(file, "new");
        if (w) return "saved";
        return w.fault == WriteFault::NoPermission ? "" : w.error;
    });
    ::chmod(folder.c_str(), 0755);
    if (result == "skip") GTEST_SKIP() << "no other user to save as";
    EXPECT_EQ(result, "");
    EXPECT_EQ(common::readFileBytes(file), "old");
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(folder), fs::directory_iterator()),
              std::vector<fs::path>{file});
}

TEST(SafeWritePosix, AFullDiskKeepsTheOldFileAndSaysSo) {
    TempDir dir;
    // The mount lives in a child process, so the test's own view of the folders stays.
    const std::string result = inChildProcess([&] { return saveOnAFullDisk(dir.path()); });
    if (result == "skip") GTEST_SKIP() << "no tmpfs may be mounted here";
    EXPECT_EQ(result, "");
}
