// Format intake: the section tables, manhole types and 91 settings of a format file
// (*.osb) read into the document, as on a double-click of the format file field.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/read_report.h"
#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

inline constexpr const char* kFormatOpenTitle = "書式ファイルを開く";
inline constexpr const char* kOsbFilter = "書式データ (*.osb)|*.osb";

// Reads a format file's bytes into doc.format: 100 circular-section, 100 box-section and
// 100 manhole-type records, each going to the row its first field names (a record that is
// missing or names no row leaves its row blank), then the 14 settings records. A settings
// text that cannot be read keeps its value; every empty setting then becomes "0". Each
// byte that is not CP932 reads as "？". The report names what was not read as written.
common::ReadReport readFormat(Document& doc, std::string_view bytes);

// The intake without its dialog and closing calculation: the file read, the format path,
// the format file field and status-bar panel 2, the format-loaded flag and the pipe code
// list. False when the file cannot be read (it then counts as empty, as a short file).
// *report receives what readFormat reports.
bool loadFormat(Document& doc, const std::filesystem::path& path,
                common::ReadReport* report = nullptr);
// The same with the file's bytes already read.
common::ReadReport loadFormatBytes(Document& doc, const std::filesystem::path& path,
                                   std::string_view bytes);

// The double-click on the format file field: the dialog (offering the field's text),
// loadFormat, the message naming what could not be read as written, then the calculation
// gate and calculation, then tab 0. A file that cannot be read at all is reported and
// changes nothing. False when nothing was read.
bool formatIntake(Document& doc, common::Ui& ui);

}  // namespace kandoru
