// The format data shared by the three programs: the circular section, box section and
// manhole type tables and the 91 settings items, every cell and item held as its text.
#pragma once

#include <array>
#include <string>

#include "common/format/format_items.h"
#include "common/table.h"

namespace common {

inline constexpr int kFormatTableRows = 100;

// Columns of the circular section table (the format manager's FGrid9).
struct CircularCol {
    enum : int {
        Code = 1,        // code name, matched against a pipe code
        Diameter = 2,    // inner diameter, m
        Wall = 3,        // wall thickness, m
        Excavation = 4,  // excavation height, m (invert to excavation base)
        Count = 4,
    };
};

// Columns of the box section table (FGrid10 of the format manager).
struct BoxCol {
    enum : int {
        Code = 1,
        Height = 2,      // inner height, m
        TopSlab = 3,     // m
        BottomSlab = 4,  // m
        Excavation = 5,  // m
        Count = 5,
    };
};

// Columns of the manhole type table (FGrid11 of the format manager); the row number is
// the type number.
struct ManholeTypeCol {
    enum : int {
        Name = 1,
        LargestPipeMm = 2,  // largest pipe diameter at an intermediate point
        Count = 2,
    };
};

// Column 1 of every format table holds its code name or type name; a blank one ends the
// table for every scan.
inline constexpr int kFormatKeyCol = 1;
static_assert(CircularCol::Code == kFormatKeyCol && BoxCol::Code == kFormatKeyCol &&
              ManholeTypeCol::Name == kFormatKeyCol);

class FormatData {
public:
    FormatData();  // empty cells and items, the tables labelled

    Table circular{kFormatTableRows, CircularCol::Count};
    Table box{kFormatTableRows, BoxCol::Count};
    Table manholeTypes{kFormatTableRows, ManholeTypeCol::Count};

    const std::string& text(FormatItem item) const { return item_(itemNumber(item)); }
    // The text's leading number, 0 when it has none.
    double number(FormatItem item) const;
    void setText(FormatItem item, std::string text) { setItem(itemNumber(item), std::move(text)); }

    // By item number 1..91 and by place g.k, for the files; "" where none exists.
    const std::string& item(int n) const { return item_(n); }
    void setItem(int n, std::string text);
    const std::string& value(int g, int k) const { return item_(itemAt(g, k)); }
    double number(int g, int k) const;
    void setValue(int g, int k, std::string text) { setItem(itemAt(g, k), std::move(text)); }

    // A choice selected ("#TRUE#") or a check box marked (a whole number other than 0), as
    // the format file writes them; false for any other item.
    bool isOn(FormatItem item) const;
    // Sets a choice or a check box on or off; a choice turned on turns the other choices of
    // its group off, one turned off leaves them as they are. Other items stay.
    void setOn(FormatItem item, bool on);

    // Every cell and every item empty; headings and labels stay.
    void clear();

private:
    const std::string& item_(int n) const;
    std::array<std::string, kFormatItemCount> items_;
};

// The text of a choice or a check box that is on or off, as the format file holds it.
std::string onOffText(FormatItemKind kind, bool on);

}  // namespace common
