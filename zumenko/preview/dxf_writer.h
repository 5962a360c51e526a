// The drawing as a DXF file: one layer per script layer, LINE and TEXT entities.
#pragma once

#include <filesystem>

#include "common/textfile.h"
#include "zumenko/figure.h"

namespace zumenko::preview {

// AutoCAD 2000 DXF (AC1015) with $DWGCODEPAGE ANSI_932: texts and layer names are stored
// in code page 932, which every CAD program that honours the code page reads as Japanese
// (DXF before 2007 has no UTF-8). The text style uses a Japanese gothic TrueType font.
// Written beside the target and renamed over it, so a failure leaves the old file.
common::WriteResult writeDxf(const Figure& figure, const std::filesystem::path& path);

}  // namespace zumenko::preview
