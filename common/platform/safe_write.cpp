// The safe whole-file write, built on the system's one-step replace.
#include "common/platform/safe_write.h"

#include <fstream>
#include <system_error>

#include "common/platform/paths.h"
#include "common/platform/process.h"

namespace platform {

std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
    std::filesystem::path tmp = path;
    tmp += ".tmp" + std::to_string(processId());
    return tmp;
}

WriteResult writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path tmp = temporaryBeside(path);
    const auto fail = [&](const std::string& why) {
        std::error_code ec;
        fs::remove(tmp, ec);
        return WriteResult{false, why + " " + pathToUtf8(tmp)};
    };
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return {false, "cannot create " + pathToUtf8(tmp)};
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) return fail("cannot write");
        out.close();
        if (!out) return fail("cannot close");
    }
    std::string error;
    if (!replaceFile(tmp, path, &error)) {
        std::error_code ec;
        fs::remove(tmp, ec);
        return {false, "cannot replace " + pathToUtf8(path) + ": " + error};
    }
    return {};
}

WriteResult commitTemporary(const std::filesystem::path& tmp, const std::filesystem::path& path,
                            bool whole) {
    std::error_code ec;
    if (!whole || !std::filesystem::exists(tmp, ec) || std::filesystem::file_size(tmp, ec) == 0) {
        std::filesystem::remove(tmp, ec);
        return {false, "cannot write " + pathToUtf8(tmp)};
    }
    std::string error;
    if (!replaceFile(tmp, path, &error)) {
        std::filesystem::remove(tmp, ec);
        return {false, "cannot replace " + pathToUtf8(path) + ": " + error};
    }
    return {};
}

}  // namespace platform
