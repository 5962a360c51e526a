// The files of a sheet set, shared by gesui sheets and gesui run.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_ui.h"
#include "zumenko/sheet_set.h"

namespace cli {

inline constexpr const char* kSetScript = "sheets.txt";
inline constexpr const char* kSetPdf = "sheets.pdf";
inline constexpr const char* kSetDxf = "sheets.dxf";

// sheet01.txt, sheet01.png ... for sheet k (from 1).
std::string sheetFileName(size_t k, const char* extension);

// The files of a set that folder holds, by name: sheets.txt, sheets.pdf, sheets.dxf and
// sheetNN.txt / .png; those of an earlier set are stale once another is written there.
std::vector<std::string> setOutputNames(const std::filesystem::path& folder);

struct SetOutputs {
    bool scriptsWritten = false;       // every script asked for is on disk
    std::vector<std::string> written;  // file names, in the order written
};

// Writes the set into folder: sheets.txt (all sheets side by side) and sheets.pdf (a page
// per sheet); with each, also sheet01.txt ... (each sheet alone, at the origin), their
// pictures sheet01.png ... and sheets.dxf. A script that cannot be written is a critical
// message, a picture or DXF file an exclamation that leaves the scripts standing.
SetOutputs writeSheetSet(const zumenko::Drawing& doc, const zumenko::DrawOptions& opt,
                         const zumenko::SheetSet& set, const std::filesystem::path& folder,
                         bool each, common::Ui& ui);

// One line per sheet: its number, stations (as numbered in the window), their split
// labels, length, datum level, and what does not fit.
std::string describeSheet(const zumenko::Drawing& doc, const zumenko::DrawOptions& opt,
                          const zumenko::SheetSet& set, size_t k);

}  // namespace cli
