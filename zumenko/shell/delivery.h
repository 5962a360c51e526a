// Delivery of the drawing: the script written to JTemp.txt, read back, put on the
// clipboard and announced. No Qt: the window and the tests call it with their own Ui.
#pragma once

#include <filesystem>
#include <string>

#include "common/ui.h"
#include "zumenko/drawing.h"
#include "zumenko/script.h"
#include "zumenko/script_file.h"

namespace zumenko {

inline constexpr const char* kDeliveredTitle = "作図手順";
inline constexpr const char* kDeliveredText =
    "作図コマンドがクリップボードにコピーされました。AutoCADをアクティブにしコマンドラインにマウス"
    "の右クリックで貼り付けると作図が開始されます。";

// The steps of both drawing buttons: the script for opt, written to scriptPath, read back
// and put on the clipboard as read, then the announcement. A refused drawing format or
// stretch, or a script file that cannot be written or read, is reported instead and
// nothing reaches the clipboard; the result is then false.
bool drawAndDeliver(const Drawing& doc, const DrawOptions& opt, common::Ui& ui,
                    const std::filesystem::path& scriptPath);

// The same steps for a script drawn already (the sheet set's): its refusal reported, or
// the script written, put on the clipboard and announced.
bool deliver(const ScriptResult& script, common::Ui& ui, const std::filesystem::path& scriptPath);

}  // namespace zumenko
