// The drawing document: the tables, settings and drawing format record read from the
// hand-off file, and the mirrored tables built from them for the downstream-first drawing.
#pragma once

#include <array>
#include <string>

#include "common/format/format_data.h"
#include "common/profile_settings.h"
#include "common/profile_tables.h"
#include "common/table.h"

namespace zumenko {

using common::ChangePointCol;
using common::Digit;
using enum common::Digit;
using common::GroundPointCol;
using common::ManholeCol;
using common::ProfilePointCol;
using common::RouteCol;
using common::SplitCol;
using common::SplitPointCol;

// The mirrored tables keep their source's columns (FGrid10 those of FGrid7, FGrid13 those
// of FGrid8, distances counted from the downstream end) and add one:
// FGrid11, the manholes: their distance from the downstream end after the manhole's columns.
struct MirroredManholeCol {
    enum : int { Distance = ManholeCol::Count + 1, Count = Distance };
};
// FGrid12, the splits: their distance from the downstream end where the editor keeps the
// ground mark (the marks are not handed over).
struct MirroredSplitCol {
    enum : int { Distance = SplitCol::GroundMark, Count = SplitCol::Count };
};
// FGrid14, the ground points: the spacing to the previous point after FGrid5's columns.
struct MirroredGroundCol {
    enum : int { Spacing = GroundPointCol::Count + 1, Count = Spacing };
};

struct Drawing {
    Drawing();  // the tables set up and labelled, settings at their start values

    // The editor's tables as handed over; their columns are named in
    // common/profile_tables.h.
    static constexpr int kLongRows = common::kProfileTableRows;
    common::Table routes{common::kRouteRows, RouteCol::Count};
    common::Table split{kLongRows, SplitCol::Count};  // the mark columns stay empty
    common::Table changePoints{common::kRouteRows, ChangePointCol::Count};
    common::Table manholes{kLongRows, ManholeCol::Count};
    common::Table fgrid7{kLongRows, SplitPointCol::Count};    // split points
    common::Table fgrid8{kLongRows, ProfilePointCol::Count};  // route starts and change points
    common::Table fgrid5{kLongRows, GroundPointCol::Count};   // merged ground points

    common::Settings settings;  // as handed over
    // The format tables and the 91 items, as handed on (an empty item as "0").
    common::FormatData format;

    // Mirrored copies, stations counted from the downstream end (built by the intake).
    common::Table fgrid10{kLongRows, SplitPointCol::Count};       // of fgrid7
    common::Table fgrid11{kLongRows, MirroredManholeCol::Count};  // of manholes
    common::Table fgrid12{kLongRows, MirroredSplitCol::Count};    // of split
    common::Table fgrid13{kLongRows, ProfilePointCol::Count};     // of fgrid8
    common::Table fgrid14{kLongRows, MirroredGroundCol::Count};   // of fgrid5

    const std::string& digit(Digit d) const { return settings.digit(d); }
};

}  // namespace zumenko
