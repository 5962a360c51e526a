// The drawing document: the tables, settings and drawing format record read from the
// hand-off file, and the mirrored tables built from them for the downstream-first drawing.
#pragma once

#include <array>
#include <string>

#include "common/format/format_data.h"
#include "common/table.h"

namespace zumenko {

// Index of the six digit settings, in the order of the hand-off file.
enum Digit : int {
    kDigitGradient = 0,
    kDigitDistance = 1,
    kDigitGround = 2,
    kDigitCover = 3,
    kDigitInvert = 4,
    kDigitExcavation = 5,
};

struct DrawingSettings {
    std::string projectName;  // drawn as the title
    std::string formatFile;
    std::string outletRoute;
    std::string outletGround;
    std::string outletManholeType;
    std::string hinterland = "0";
    std::string minCover;
    std::string manholeDrop = "0";
    bool manning = false;
    bool kutter = false;
    bool minCoverMethod = false;
    bool crownJoint = false;
    std::array<std::string, 6> digits{"3", "2", "2", "2", "3", "2"};
    // Start values of the window; the drawing never reads them.
    std::string pipeType = "塩化ﾋﾞﾆﾙ管(VU)";
    std::string minDiameter = "200";
    std::string maxDiameter = "600";
};

struct Drawing {
    Drawing();  // the tables set up and labelled, settings at their start values

    common::Table routes{200, 4};        // 路線番号, route length, spans, start ground level
    common::Table split{1000, 12};       // split table; columns 10-12 stay empty
    common::Table changePoints{200, 4};  // change-point table
    common::Table manholes{1000, 8};     // manhole table
    common::Table fgrid7{1000, 4};       // split points: label, split length, 追加距離, ground
    common::Table fgrid8{1000, 7};       // route starts and change points
    common::Table fgrid5{1000, 3};       // merged ground points: label, 追加距離, ground

    DrawingSettings settings;
    // The format tables and the 91 items, as handed on (an empty item as "0").
    common::FormatData format;

    // Mirrored copies, stations counted from the downstream end (built by the intake).
    common::Table fgrid10{1000, 4};   // of fgrid7, column 3 from the downstream end
    common::Table fgrid11{1000, 9};   // of manholes, column 9 = 追加距離
    common::Table fgrid12{1000, 12};  // of split, column 10 = 追加距離
    common::Table fgrid13{1000, 7};   // of fgrid8, column 3 from the downstream end
    common::Table fgrid14{1000, 4};   // of fgrid5, column 2 recomputed, column 4 = spacing

    const std::string& digit(Digit d) const { return settings.digits[static_cast<size_t>(d)]; }
};

}  // namespace zumenko
