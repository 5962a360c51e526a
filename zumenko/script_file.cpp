// Encoding and writing of the command script, shared by the window and gesui.
#include "zumenko/script_file.h"

#include "common/platform/paths.h"
#include "common/sjis.h"
#include "common/textfile.h"

namespace zumenko {

namespace {
constexpr const char* kScriptErrorTitle = "作図データ";
}

std::optional<std::string> scriptBytes(const std::string& script, DrawError* error) {
    std::string bad;
    auto bytes = common::utf8ToCp932(script, &bad);
    if (!bytes && error)
        *error = DrawError{
            kScriptErrorTitle,
            "文字「" + bad + "」はシフトJISで書けないため、作図コマンドを書き出せません。"};
    return bytes;
}

std::optional<DrawError> writeScriptFile(const std::filesystem::path& path,
                                         const std::string& script) {
    DrawError error;
    auto bytes = scriptBytes(script, &error);
    if (!bytes) return error;
    if (auto w = common::writeFileAtomic(path, *bytes); !w) {
        return DrawError{kScriptErrorTitle,
                         common::writeFailureText("作図コマンドを書き込めませんでした。", path, w)};
    }
    return std::nullopt;
}

}  // namespace zumenko
