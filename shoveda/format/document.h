// The format document of the format data manager: the section and manhole type tables and
// the 91 settings items that a *.osb file holds.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/format/format_data.h"
#include "common/table.h"

namespace shoveda {

using common::FormatItem;

// Sheet standards of the list, in list order.
inline constexpr std::array<const char*, 7> kSheetStandards{"A0", "A1", "A2", "A3",
                                                            "A4", "B0", "B1"};

struct SheetSize {
    const char* width;   // mm, as written into the sheet width
    const char* height;  // mm
};
// Width and height of a standard; none for "A4" and for unknown names.
std::optional<SheetSize> sheetSize(std::string_view standard);

class FormatDocument {
public:
    FormatDocument();  // the start-up state of the window

    // The tables FGrid9 (format.circular), FGrid10 (format.box) and FGrid11
    // (format.manholeTypes), and the items.
    common::FormatData format;

    // Text items (1-61, 72); "" for the others, which the window does not show as text.
    const std::string& item(FormatItem item) const;
    void setItem(FormatItem item, std::string text);
    // Choices (selected) and check boxes (marked); false for the other items.
    bool flag(FormatItem item) const { return format.isOn(item); }
    // Selecting a choice clears the other choices of its group; clearing one leaves the
    // others as they are, so a group may end up with none selected.
    void setFlag(FormatItem item, bool on) { format.setOn(item, on); }
    // The same by item number, as the window's fields are numbered.
    const std::string& item(int n) const { return item(static_cast<FormatItem>(n)); }
    void setItem(int n, std::string text) { setItem(static_cast<FormatItem>(n), std::move(text)); }
    bool flag(int n) const { return flag(static_cast<FormatItem>(n)); }
    void setFlag(int n, bool on) { setFlag(static_cast<FormatItem>(n), on); }

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
