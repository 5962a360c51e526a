// The drawing buttons' delivery steps.
#include "zumenko/shell/delivery.h"

#include "common/sjis.h"

namespace zumenko {

common::WriteResult writeScriptFile(const std::filesystem::path& path, const std::string& script) {
    std::string bad;
    auto bytes = common::utf8ToCp932(script, &bad);
    if (!bytes) return {false, "character \"" + bad + "\" has no Shift_JIS form"};
    return common::writeFileAtomic(path, *bytes);
}

bool drawAndDeliver(const Drawing& doc, const DrawOptions& opt, common::Ui& ui,
                    const std::filesystem::path& scriptPath) {
    ScriptResult script = drawScript(doc, opt);
    if (script.error) {
        ui.message(common::Icon::Critical, script.error->title, script.error->text);
        return false;
    }
    if (!writeScriptFile(scriptPath, script.text)) {
        ui.message(common::Icon::Critical, "作図データ",
                   "作図コマンドを書き込めませんでした。\r\n" + scriptPath.string());
        return false;
    }
    // The clipboard gets the file as it lies on disk, so what is pasted is what was kept.
    auto bytes = common::readFileBytes(scriptPath);
    if (!bytes) {
        ui.message(common::Icon::Critical, "作図データ",
                   "作図コマンドを読み込めませんでした。\r\n" + scriptPath.string());
        return false;
    }
    ui.setClipboard(common::cp932ToUtf8(*bytes));
    ui.message(common::Icon::Information, kDeliveredTitle, kDeliveredText);
    return true;
}

}  // namespace zumenko
