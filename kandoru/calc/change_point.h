// The change-point pass (`Judanhenka`): the profile designed once more on FGrid6, where
// the ground change points stand between the split points, so that a split passing a
// change point with less than its required cover is lowered.
#pragma once

#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

// Judanhenka: builds FGrid6 from the split and change-point tables (distances, change
// points sorted in, their pipe and gradient from the row above), designs every split with
// the main pass's rules and lowers it where a change point lacks cover (a split with a
// typed invert keeps it), then puts the results back: split-table inverts and covers,
// FGrid8 inverts, and the drops, excavation depths and manhole depths of the first
// `computedRows` manhole rows. Returns false when a message ended it. A value that is not
// finite throws NonFiniteValue, for the calling calculation to report.
bool Judanhenka(Document& doc, common::Ui& ui, int computedRows);

}  // namespace kandoru
