// The split calculation (分割計算): routes become split rows, the work tables FGrid5,
// FGrid7 and FGrid8 place every route start, split point and ground change point on one
// running distance, and the ground interpolation closes the operation.
#pragma once

#include <string>

#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

// The three buttons that start the operation.
enum class SplitButton {
    Split,        // "分割計算": asks before it replaces existing split data
    Ground,       // "地盤計算": clears the split-data mark first, never asks
    Interpolate,  // "地盤高一括補間": the same as "地盤計算"
};

enum class SplitOutcome {
    Completed,  // ran to its end (the work-table or length checks may have reported)
    Stopped,    // a check, the confirmation or the outlet settings ended it
    NonFinite,  // a value too large for the tables ended it (already reported)
};

// The operation behind the buttons: the checks of the route and change-point tables, the
// confirmation, Spancalc, CopySet, Hokan, then the split-data mark and tab 2.
SplitOutcome splitCalculation(Document& doc, common::Ui& ui, SplitButton button);

// Span generation on checked data: normalises the route table down to the outlet row,
// clears the rows below it and writes labels, lengths and ground levels of the split rows.
void Spancalc(Document& doc);

// The work tables: FGrid8 (route starts and change points with distances, segment lengths
// and ground gradients in percent), FGrid7 (split points) and FGrid5 (merged ground
// points). Returns false when a route without length stopped it ("路線長入力エラー").
bool CopySet(Document& doc, common::Ui& ui);

// FGrid5 from FGrid7 and the change points, sorted by distance.
void buildFGrid5(Document& doc);

// The number of splits a split-count text asks for: its value rounded half to even.
int splitCount(const std::string& countText);

}  // namespace kandoru
