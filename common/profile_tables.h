// The columns of the profile tables, by role. The editor holds these tables and hands
// them to the drawing program, which holds the same columns; column 0 of every table holds
// the row labels "r:". Lengths, distances and levels are metres unless marked.
#pragma once

namespace common {

inline constexpr int kRouteRows = 200;          // route and change-point tables
inline constexpr int kProfileTableRows = 1000;  // split, manhole and work tables

// The route table (FGrid1).
struct RouteCol {
    enum : int {
        Route = 1,       // "路線番号"
        Length = 2,      // "路線長m"
        SplitCount = 3,  // "分割数"
        Ground = 4,      // "地盤高m", at the route's start
        Count = 4,
    };
};

// The split table (FGrid2): one split (span) a row, labelled R, R-1, R-2 … after its route.
struct SplitCol {
    enum : int {
        Label = 1,        // "路線番号"
        Length = 2,       // "分割長m"
        Ground = 3,       // "地盤高m", at the split's start
        PipeCode = 4,     // "管記号"
        Gradient = 5,     // "勾配 ‰"
        StartInvert = 6,  // "起点管底高"
        EndInvert = 7,    // "終点管底高"
        StartCover = 8,   // "起点土被"
        EndCover = 9,     // "終点土被"
        // The fixed marks: 10 where the user typed the value, else 0.
        GroundMark = 10,
        StartMark = 11,
        EndMark = 12,
        LastData = EndCover,
        Count = 12,
    };
};

// The change-point table (FGrid4).
struct ChangePointCol {
    enum : int {
        Route = 1,     // "路線番号"
        Distance = 2,  // "距離m" from the route's start
        Ground = 3,    // "地盤高m"
        Cover = 4,     // "土被りm" required there
        Count = 4,
    };
};

// The manhole table (FGrid3): row i is the manhole at the start of split i.
struct ManholeCol {
    enum : int {
        Label = 1,               // "路線番号", the split's label
        Number = 2,              // "人孔番号"
        Type = 3,                // "人孔種別"
        DropPipeMm = 4,          // "副管径mm"
        Drop = 5,                // "管落差m"
        UpperExcavation = 6,     // "上掘削", excavation depth at the split's upstream end
        LowerExcavation = 7,     // "下掘削", at its downstream end
        Depth = 8,               // "人孔深"
        LastInput = DropPipeMm,  // columns the user types; the rest are calculated
        Count = 8,
    };
};

// FGrid7, the split points: row s is split row s with its distance along the chain.
struct SplitPointCol {
    enum : int {
        Label = 1,     // "路線番号"
        Length = 2,    // "分割長"
        Distance = 3,  // "追加距離"
        Ground = 4,    // "地盤高"
        Count = 4,
    };
};

// FGrid8, the route starts and change points in distance order.
struct ProfilePointCol {
    enum : int {
        Label = 1,     // "路線番号"; a change point's route followed by "変"
        Length = 2,    // "分割長", to the next row
        Distance = 3,  // "追加距離"
        Ground = 4,    // "地盤高"
        Gradient = 5,  // "勾　配", ground gradient (%) of the segment ending here
        Invert = 6,    // "管底高"
        Cover = 7,     // "土被り"
        Count = 7,
    };
};

// FGrid5, the split points and change points merged in distance order.
struct GroundPointCol {
    enum : int {
        Label = 1,     // "路線番号"
        Distance = 2,  // "追加距離"
        Ground = 3,    // "地盤高"
        Count = 3,
    };
};

// Column 1 of every profile table holds its route number or label; a blank one ends the
// table for every scan.
inline constexpr int kKeyCol = 1;
static_assert(RouteCol::Route == kKeyCol && SplitCol::Label == kKeyCol &&
              ChangePointCol::Route == kKeyCol && ManholeCol::Label == kKeyCol &&
              SplitPointCol::Label == kKeyCol && ProfilePointCol::Label == kKeyCol &&
              GroundPointCol::Label == kKeyCol);

}  // namespace common
