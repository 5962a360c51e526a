// The drawing buttons' delivery steps.
#include "zumenko/shell/delivery.h"

#include "common/platform/paths.h"
#include "common/sjis.h"
#include "common/textfile.h"

namespace zumenko {

bool drawAndDeliver(const Drawing& doc, const DrawOptions& opt, common::Ui& ui,
                    const std::filesystem::path& scriptPath) {
    return deliver(drawScript(doc, opt), ui, scriptPath);
}

bool deliver(const ScriptResult& script, common::Ui& ui, const std::filesystem::path& scriptPath) {
    if (script.error) {
        ui.message(common::Icon::Critical, script.error->title, script.error->text);
        return false;
    }
    if (auto refused = writeScriptFile(scriptPath, script.text)) {
        ui.message(common::Icon::Critical, refused->title, refused->text);
        return false;
    }
    // The clipboard gets the file as it lies on disk, so what is pasted is what was kept.
    auto bytes = common::readFileBytes(scriptPath);
    if (!bytes) {
        ui.message(common::Icon::Critical, "作図データ",
                   "作図コマンドを読み込めませんでした。\r\n" + platform::pathToUtf8(scriptPath));
        return false;
    }
    ui.setClipboard(common::cp932ToUtf8(*bytes));
    ui.message(common::Icon::Information, kDeliveredTitle, kDeliveredText);
    return true;
}

}  // namespace zumenko
