// "縦断計算": the calculation gate, then the split calculation (its "地盤計算" path) and
// the profile passes.
#pragma once

#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

// The format warning shown by every command that needs the format data.
inline constexpr const char* kFormatWarningTitle = "縦断図書式ファイル";
inline constexpr const char* kFormatWarningText =
    "縦断図書式ファイルを読み込んでください。\r\n\r\n縦断図の書式の窓をダブルクリックしてください"
    "。";

// Shows the format warning and switches to tab 0.
void formatWarning(Document& doc, common::Ui& ui);

// The gate's three checks; on the first failure a warning and tab 0, and false.
// A blank hinterland inflow height becomes "0" when the gate passes.
bool calculationGate(Document& doc, common::Ui& ui);

// The whole "縦断計算" command behind the button, the menu item and the closing step
// of the open command and the format intake.
void runCalculation(Document& doc, common::Ui& ui);

}  // namespace kandoru
