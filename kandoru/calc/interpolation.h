// The ground interpolation (地盤高一括補間): every split row gets the ground level of the
// polyline through the route starts and the ground change points at its start point.
#pragma once

#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

// Hokan: rebuilds the work tables, checks that each route's split lengths add up to its
// length (to the millimetre), interpolates FGrid7 along FGrid8 in single precision and
// rounds with the gradient digit setting, restores fixed levels, zeroes zero-length
// splits, writes the levels back into the split table and rebuilds FGrid5 from them.
// Ends silently when a route has no length (CopySet has reported it).
void Hokan(Document& doc, common::Ui& ui);

// Hokan's precondition: every route row with a route number, the outlet aside, has a
// length.
bool routeLengthsPresent(const Document& doc);

}  // namespace kandoru
