// Temporary files for the library writers, and their replacing of the target.
#include "zumenko/preview/temp_file.h"

namespace zumenko::preview {

std::filesystem::path tempBeside(const std::filesystem::path& path) {
    return platform::temporaryBeside(path);
}

common::WriteResult commitTemp(const std::filesystem::path& tmp, const std::filesystem::path& path,
                               bool whole) {
    return platform::commitTemporary(tmp, path, whole);
}

}  // namespace zumenko::preview
