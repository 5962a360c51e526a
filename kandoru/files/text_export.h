// The text export 縦断データ.txt: the settings and the four input tables, TAB-separated,
// for spreadsheets and other programs. Written only; the editor never reads it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/textfile.h"
#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

inline constexpr const char* kTextExportName = "縦断データ.txt";

// The lines of the export, UTF-8 without line ends: thirteen settings lines (label, TAB,
// text), then the route, split, change-point and manhole sections, each an empty line, a
// heading line and one line per row from row 1 down to the first empty route number
// (split label): the row number, then the cells joined by TABs. Split lines carry four
// empty fields after column 9 (13 TABs in all).
std::vector<std::string> waterSaveLines(const Document& doc);

// WaterSave: writes the export (CP932, CR LF) to path, by default 縦断データ.txt in the
// rendezvous folder, through a temporary file.
common::WriteResult WaterSave(const Document& doc, const std::filesystem::path& path);
common::WriteResult WaterSave(const Document& doc);

// "データの書き出し": WaterSave to the rendezvous folder, then the confirmation, or the
// failure with the path when the file could not be written.
void exportCommand(const Document& doc, common::Ui& ui);

}  // namespace kandoru
