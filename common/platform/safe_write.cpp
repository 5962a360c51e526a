// The safe whole-file write, built on the system's one-step replace.
#include "common/platform/safe_write.h"

#include <system_error>

#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// The file a chain of symbolic links ends at (the path itself when it is none), so that
// the write replaces that file and the links stay. A loop ends after 40 steps, as the
// system's own lookup does.
fs::path followLinks(fs::path path) {
    std::error_code ec;
    for (int i = 0; i < 40 && fs::is_symlink(path, ec); ++i) {
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) break;
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path;
}

WriteResult failed(const files::Failure& f, const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return {false, writeFaultText(f.fault, folder, f.system), f.fault};
}

// Replaces target by the settled tmp; tmp is removed when that fails.
WriteResult replaceBy(const fs::path& tmp, const fs::path& target) {
    if (auto f = files::replace(tmp, target)) {
        std::error_code ec;
        fs::remove(tmp, ec);
        return failed(f, target);
    }
    files::syncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return {};
}

}  // namespace

std::string writeFaultText(WriteFault fault, const fs::path& folder, std::string_view system) {
    switch (fault) {
        case WriteFault::None:
            return "";
        case WriteFault::ReadOnlyFile:
            return "読み取り専用のファイルです。上書きしていません。";
        case WriteFault::ReadOnlyDrive:
            return "読み取り専用のドライブです。";
        case WriteFault::NoPermission:
            return "書き込む権限がありません。";
        case WriteFault::DiskFull:
            return "ディスクの空き容量が足りません。";
        case WriteFault::NoFolder:
            return "フォルダー「" + pathToUtf8(folder) + "」がありません。";
        case WriteFault::IsFolder:
            return "同じ名前のフォルダーがあります。";
        case WriteFault::Other:
            break;
    }
    if (system.empty()) return "書き込みに失敗しました。";
    return "書き込みに失敗しました（" + std::string(system) + "）。";
}

fs::path temporaryBeside(const fs::path& path) {
    const fs::path target = followLinks(path);
    return target.parent_path() / ("." + pathToUtf8(target.filename()) + ".tmp");
}

WriteResult writeFileAtomic(const fs::path& path, std::string_view bytes) {
    const fs::path target = followLinks(path);
    if (auto f = files::checkReplaceable(target)) return failed(f, target);
    const fs::path tmp = temporaryBeside(target);
    if (auto f = files::writeNew(tmp, bytes, target)) {
        std::error_code ec;
        fs::remove(tmp, ec);
        return failed(f, target);
    }
    return replaceBy(tmp, target);
}

WriteResult commitTemporary(const fs::path& tmp, const fs::path& path, bool whole) {
    const fs::path target = followLinks(path);
    std::error_code ec;
    files::Failure f;
    if (!whole || !fs::exists(tmp, ec) || fs::file_size(tmp, ec) == 0) {
        // The library does not say why; a full disk is the likely cause worth naming.
        const auto space = fs::space(tmp.parent_path().empty() ? "." : tmp.parent_path(), ec);
        f.fault = !ec && space.available < 64 * 1024 ? WriteFault::DiskFull : WriteFault::Other;
    }
    if (!f) f = files::checkReplaceable(target);
    if (!f) f = files::settle(tmp, target);
    if (f) {
        fs::remove(tmp, ec);
        return failed(f, target);
    }
    return replaceBy(tmp, target);
}

bool replaceFile(const fs::path& from, const fs::path& to, std::string* error) {
    const files::Failure f = files::replace(from, to);
    if (f && error) *error = f.system;
    return !f;
}

}  // namespace platform
