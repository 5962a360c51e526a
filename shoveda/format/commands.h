// The commands of the format data manager that need a person or the desktop: Open, Save,
// Save As, the section export, the row buttons and the exit question.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/read_report.h"
#include "common/table.h"
#include "common/ui.h"
#include "shoveda/format/document.h"

namespace shoveda {

inline constexpr const char* kOsbFilter = "書式データ (*.osb)|*.osb";
inline constexpr const char* kExportFileName = "断面データ.txt";

// Open: choose a file and read it, then name what could not be read as written; false
// when the dialog was cancelled (nothing changed).
bool openFormat(FormatDocument& doc, common::Ui& ui);
// Reads a file into the document and makes it the current file. False, with nothing
// changed, when the file cannot be read at all. *report receives what readOsb reports.
bool readFormatFile(FormatDocument& doc, const std::filesystem::path& path,
                    common::ReadReport* report = nullptr);

// Save: to the current file without asking, or Save As when there is none. True when the
// file was written.
bool saveFormat(FormatDocument& doc, common::Ui& ui);
// Save As: choose a name, ask before replacing a file, write. True when written.
bool saveFormatAs(FormatDocument& doc, common::Ui& ui);
// Writes the document to path; a failure is reported and leaves the old file and the
// saved flag as they were.
bool writeFormatFile(FormatDocument& doc, const std::filesystem::path& path, common::Ui& ui);

// The lines of the section export.
std::vector<std::string> exportLines(const FormatDocument& doc);
// Writes the export to the rendezvous folder and reports the outcome. True when written.
bool exportSections(const FormatDocument& doc, common::Ui& ui);

// The row buttons of one table: refuse on the last row (no row chosen), ask, act, then
// park the current row on the last row. True when the table changed.
bool deleteTableRow(common::Table& table, common::Ui& ui);
bool insertTableRow(common::Table& table, common::Ui& ui);

enum class ExitDecision { Quit, Stay };
// The exit question: none when the document is as it was last saved in this run;
// otherwise Yes saves under a chosen name, and a save that does not happen keeps the
// window open.
ExitDecision decideExit(FormatDocument& doc, common::Ui& ui);

}  // namespace shoveda
