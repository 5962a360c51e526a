// Temporary files for the library writers, and their replacing of the target.
#include "zumenko/preview/temp_file.h"

#include <unistd.h>
#include <string>

namespace zumenko::preview {

std::filesystem::path tempBeside(const std::filesystem::path& path) {
    std::filesystem::path tmp = path;
    tmp += ".tmp" + std::to_string(::getpid());
    return tmp;
}

common::WriteResult commitTemp(const std::filesystem::path& tmp, const std::filesystem::path& path,
                               bool whole) {
    std::error_code ec;
    if (!whole || !std::filesystem::exists(tmp, ec) || std::filesystem::file_size(tmp, ec) == 0) {
        std::filesystem::remove(tmp, ec);
        return {false, "cannot write " + tmp.string()};
    }
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        return {false, "cannot replace " + path.string() + ": " + ec.message()};
    }
    return {};
}

}  // namespace zumenko::preview
