// The drawing document: the tables, settings and drawing format record read from the
// hand-off file, and the mirrored tables built from them for the downstream-first drawing.
#pragma once

#include <array>
#include <string>

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

// The 91 settings items of the format file as texts, addressed as g.k (value k of line
// g, both from 1) or by item number 1..91.
class FormatRecord {
public:
    static constexpr std::array<int, 14> kLineSizes{3, 3, 2, 7, 7, 6, 8, 8, 9, 8, 5, 5, 10, 10};
    static constexpr int kItems = 91;

    // Item number of g.k, 0 when g.k does not exist.
    static int itemNumber(int g, int k);

    const std::string& value(int g, int k) const;  // "" when g.k does not exist
    double number(int g, int k) const;             // the value's leading number, else 0
    void setValue(int g, int k, std::string text);

    const std::string& item(int n) const;  // "" outside 1..91
    void setItem(int n, std::string text);

private:
    std::array<std::string, kItems> items_;
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

    // Format tables as read: circular (code, inner size m, wall m, excavation m), box
    // (code, height m, top slab m, bottom slab m, excavation m), manhole types.
    common::Table circular{100, 4};
    common::Table box{100, 5};
    common::Table manholeTypes{100, 2};

    DrawingSettings settings;
    FormatRecord format;

    // Mirrored copies, stations counted from the downstream end (built by the intake).
    common::Table fgrid10{1000, 4};   // of fgrid7, column 3 from the downstream end
    common::Table fgrid11{1000, 9};   // of manholes, column 9 = 追加距離
    common::Table fgrid12{1000, 12};  // of split, column 10 = 追加距離
    common::Table fgrid13{1000, 7};   // of fgrid8, column 3 from the downstream end
    common::Table fgrid14{1000, 4};   // of fgrid5, column 2 recomputed, column 4 = spacing

    const std::string& digit(Digit d) const { return settings.digits[static_cast<size_t>(d)]; }
};

}  // namespace zumenko
