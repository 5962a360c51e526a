// Text files of the suite: read whole, written whole through a temporary file.
#include "common/textfile.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

#include "common/platform/paths.h"
#include "common/sjis.h"
#include "common/unmappable.h"

namespace common {

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(ss).str();
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        if (nl == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        size_t end = nl;
        if (end > start && text[end - 1] == '\r') --end;
        lines.emplace_back(text.substr(start, end - start));
        start = nl + 1;
    }
    return lines;
}

std::optional<std::vector<std::string>> readCp932Lines(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return splitLines(cp932ToUtf8(*bytes));
}

std::optional<std::string> encodeCp932Lines(const std::vector<std::string>& lines,
                                            std::string* unmappable) {
    std::string utf8;
    size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    utf8.reserve(total);
    for (const auto& l : lines) {
        utf8 += l;
        utf8 += "\r\n";
    }
    return utf8ToCp932(utf8, unmappable);
}

WriteResult writeCp932Lines(const std::filesystem::path& path,
                            const std::vector<std::string>& lines) {
    std::string bad;
    auto bytes = encodeCp932Lines(lines, &bad);
    if (!bytes) return unmappableFailure(bad);
    return writeFileAtomic(path, *bytes);
}

WriteResult unmappableFailure(std::string_view character) {
    return {false, characterName(character) + " は Shift_JIS で書けない文字です。",
            platform::WriteFault::Other};
}

std::string writeFailureText(std::string_view what, const std::filesystem::path& path,
                             const WriteResult& w, const std::string& unmappable) {
    std::string text = std::string(what) + "\r\n" + platform::pathToUtf8(path);
    if (!unmappable.empty())
        text += "\r\n\r\n" + unmappable;
    else if (!w.error.empty())
        text += "\r\n" + w.error;
    return text;
}

}  // namespace common
