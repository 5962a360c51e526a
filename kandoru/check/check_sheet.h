// The calculation sheet (計算書) of the design checks: an A4 PDF with the project, the
// settings used, the span table and the findings, printable as it is. Needs a
// QGuiApplication.
#pragma once

#include <filesystem>
#include <string>

#include "common/textfile.h"
#include "kandoru/check/design_check.h"

namespace kandoru::check {

struct SheetHeader {
    std::string projectName;
    std::string formatName;  // the format file the sections came from
};

// Writes the sheet whole (beside path, then renamed over it); as many A4 pages as the
// tables need, each with its page number.
common::WriteResult writeCheckSheet(const SheetHeader& header, const CheckResult& result,
                                    const std::filesystem::path& path);

// True when the font engine has the pinned gothic font the sheet asks for.
bool sheetFontAvailable();

}  // namespace kandoru::check
