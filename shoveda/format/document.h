// The format document of the format data manager: the section and manhole type tables and
// the 91 settings items that a *.osb file holds.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/table.h"

namespace shoveda {

inline constexpr int kItemCount = 91;
inline constexpr int kTableRows = 100;

// Settings items by number (1-based, as the window and the other programs count them).
enum Item : int {
    kItemMainLimit1 = 1,
    kItemDropDiameter1 = 2,
    kItemMainLimit2 = 3,
    kItemDropDiameter2 = 4,
    kItemMainLimit3 = 5,
    kItemDropDiameter3 = 6,
    kItemDropDiameter4 = 7,
    kItemDropThreshold = 8,
    kItemSheet = 9,
    kItemSheetWidth = 10,
    kItemSheetHeight = 11,
    kItemFirstRank = 29,  // 29..36: band item ranks
    kItemLastRank = 36,
    kItemArrowOn = 62,
    kItemArrowOff = 63,
    kItemMarkCircle = 64,
    kItemMarkRectangle = 65,
    kItemMarkNone = 66,
    kItemFirstCheck = 67,  // 67..71: check boxes
    kItemLastCheck = 71,
    kItemBandBottom = 72,
    kItemFirstReserved = 73,  // 73..91: "dummy" in the file, not kept
};

enum class ItemKind { Text, Choice, Check, Reserved };
ItemKind itemKind(int n);

// The items of the exclusive choice group that n belongs to (62-63 or 64-66).
std::vector<int> choiceGroup(int n);

// Sheet standards of the list, in list order.
inline constexpr std::array<const char*, 7> kSheetStandards{"A0", "A1", "A2", "A3",
                                                            "A4", "B0", "B1"};

struct SheetSize {
    const char* width;   // mm, as written into item 10
    const char* height;  // mm, item 11
};
// Width and height of a standard; none for "A4" and for unknown names.
std::optional<SheetSize> sheetSize(std::string_view standard);

class FormatDocument {
public:
    FormatDocument();  // the start-up state of the window

    common::Table fgrid9{kTableRows, 4};   // circular sections: code, diameter, wall, excavation
    common::Table fgrid10{kTableRows, 5};  // box sections: code, height, top, bottom, excavation
    common::Table fgrid11{kTableRows,
                          2};  // manhole types: name, largest pipe at intermediate points

    // Text items (1-61, 72); "" for other numbers.
    const std::string& item(int n) const;
    void setItem(int n, std::string text);
    // Choices 62-66 (selected) and check boxes 67-71 (marked); false for other numbers.
    bool flag(int n) const;
    // Selecting a choice clears the other choices of its group; clearing one leaves the
    // others as they are, so a group may end up with none selected.
    void setFlag(int n, bool on);

    // Every cell of rows 1-100 and every item empty, no choice selected, no box marked;
    // headings and labels stay. Opening a file starts from here.
    void clearContents();

    // The user's choice in the sheet list: the standard and, where defined, its size.
    void chooseSheet(const std::string& standard);

    std::filesystem::path filePath;  // current file; empty until Open or Save As

    // Set when a write of the file succeeded in this run; never cleared.
    bool saved() const { return saved_; }
    // Records a successful write of these lines (the file's contents).
    void markSaved(std::vector<std::string> lines);
    // True unless the document still equals what the last successful write wrote.
    bool changedSinceSave() const;

private:
    std::array<std::string, kItemCount + 1> texts_;  // index = item number
    std::array<bool, kItemCount + 1> flags_{};
    bool saved_ = false;
    std::vector<std::string> savedLines_;
};

// Heading routines: row 0 and the labels "1:" to "100:" of each table.
void FGrid9midasi(FormatDocument& doc);
void FGrid10midasi(FormatDocument& doc);
void FGrid11midasi(FormatDocument& doc);

// Commit rules, called by the cell editors with the edit target and the typed text.
void commitCircular(FormatDocument& doc, int row, int col, const std::string& text);
void commitBox(FormatDocument& doc, int row, int col, const std::string& text);
void commitManholeType(FormatDocument& doc, int row, int col, const std::string& text);

}  // namespace shoveda
