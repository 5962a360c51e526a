// The profile document: the editor's tables, settings, format data and state flags.
// The cells are the document; every command reads and writes cell texts.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "common/format/format_data.h"
#include "common/profile_settings.h"
#include "common/profile_tables.h"
#include "common/table.h"
#include "common/ui.h"

namespace kandoru {

// Tabs of the main window.
enum Tab : int { kTabSettings = 0, kTabRoutes = 1, kTabSplit = 2, kTabCad = 3 };

using common::BoxCol;
using common::ChangePointCol;
using common::CircularCol;
using common::Digit;
using enum common::Digit;
using common::GroundPointCol;
using common::kFormatFieldStart;
using common::ManholeCol;
using common::ManholeTypeCol;
using common::ProfilePointCol;
using common::RouteCol;
using common::Settings;
using common::SplitCol;
using common::SplitPointCol;

// FGrid6, the change-point working table: the split rows and the change points in
// distance order, each split's columns moved two to the right of a distance column.
struct WorkCol {
    enum : int {
        Label = 1,          // "路線番号"
        Length = 2,         // "分割長m", to the next row
        Distance = 3,       // "追加距離m"
        Ground = 4,         // "地盤高m"
        PipeCode = 5,       // "管記号"
        Gradient = 6,       // "勾配 ‰"
        StartInvert = 7,    // "起点管底高"; a change point's invert
        EndInvert = 8,      // "終点管底高"
        StartCover = 9,     // "起点土被"
        EndCover = 10,      // "終点土被"
        PlannedCover = 11,  // "計画土被", the cover a change point requires
        // The split's fixed marks, without heading.
        GroundMark = 12,
        StartMark = 13,
        EndMark = 14,
        Count = 14,
    };
};

// The pipe code list (MSFlexGrid1) holds its codes in column 0, where other tables have
// their labels.
inline constexpr int kPipeCodeCol = 0;

class Document {
public:
    Document();  // the start-up values

    // The tables; their columns are named in common/profile_tables.h and WorkCol above.
    static constexpr int kLongRows = common::kProfileTableRows;
    common::Table fgrid1{common::kRouteRows, RouteCol::Count};        // route table
    common::Table fgrid2{kLongRows, SplitCol::Count};                 // split table
    common::Table fgrid3{kLongRows, ManholeCol::Count};               // manhole table
    common::Table fgrid4{common::kRouteRows, ChangePointCol::Count};  // change-point table
    common::Table fgrid5{kLongRows, GroundPointCol::Count};           // merged ground points
    common::Table fgrid6{kLongRows, WorkCol::Count};                  // change-point work table
    common::Table fgrid7{kLongRows, SplitPointCol::Count};            // split points
    common::Table fgrid8{kLongRows, ProfilePointCol::Count};  // route starts and change points
    common::Table pipeCodes{common::kFormatTableRows, /*dataCols=*/0};  // MSFlexGrid1

    Settings settings;
    // The format file's contents as read (empty items held as "0").
    common::FormatData format;

    // "セル移動方向": true for "右へ" (start value), false for "下へ". Not saved.
    bool moveRight = true;

    std::filesystem::path filePath;    // current data file, empty until opened or saved
    std::filesystem::path formatPath;  // format file last read
    bool formatLoaded = false;
    bool savedOnce = false;
    bool splitDataMark = false;           // set by a completed split calculation
    bool loadedFromFile = false;          // set by the open command, never cleared
    std::optional<int> reservedSplitRow;  // split row reserved by a route-row insert
    bool dropPipeChecked = false;         // "　副管を自動設置する。"
    std::string rememberedOutletRoute;
    // Grows with every "縦断計算" that got past its gate; what follows the calculation (the
    // design checks) compares it. Not saved.
    int calculationRuns = 0;
    std::string rememberedOutletGround;

    // Status-bar panels: 1 the data file's name, 2 the format file's name (no folders).
    std::string statusDataFile;
    std::string statusFormatFile;
    // The bytes of the last save in this run; the exit prompt is skipped only while the
    // document would still save to exactly these bytes.
    std::optional<std::string> savedContent;

    // Fixed marks of split row r (1..1000). They live in columns 10-12 of the split table,
    // so the marks and the columns are one truth. Ground mark: 10 fixed, 0 free; invert
    // marks: "10" or "0".
    int groundMark(int r) const;
    void setGroundMark(int r, int mark);
    const std::string& startMark(int r) const;
    void setStartMark(int r, const std::string& mark);
    const std::string& endMark(int r) const;
    void setEndMark(int r, const std::string& mark);
    // Mark resync after split rows moved: empty mark cells become "0".
    void resyncMarks();

    int currentTab() const { return currentTab_; }
    // The one way to change tabs, for a click and for a command alike: when the tab
    // actually changes the tab-switch rules run; the window is told to show the tab.
    void setCurrentTab(int tab, common::Ui& ui);

private:
    int currentTab_ = kTabSettings;
};

// Heading routines: clear the table (not the route and split tables), write row 0 and
// the "r:" labels.
void FGrid1midasi(Document& doc);
void FGrid2midasi(Document& doc);
void FGrid3midasi(Document& doc);
void FGrid4midasi(Document& doc);
void FGrid5midasi(Document& doc);
void FGrid6midasi(Document& doc);
void FGrid7midasi(Document& doc);
void FGrid8midasi(Document& doc);
void pipeCodeListMidasi(Document& doc);
// All eight heading routines, as at start and before a file is opened.
void allMidasi(Document& doc);

// The tab-switch rules (outlet renames, remembered outlet values, mark columns).
void tabSwitchRules(Document& doc);

// Rounded digit setting text of kind d.
inline const std::string& digitSetting(const Document& doc, Digit d) {
    return doc.settings.digit(d);
}

}  // namespace kandoru
