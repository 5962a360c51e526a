// gesui check: the design checks of a calculated profile. The calculation sheet (--pdf)
// needs Qt Gui; a build without it leaves the writer empty and refuses --pdf.
#pragma once

#include <filesystem>
#include <functional>

#include "common/textfile.h"
#include "kandoru/check/design_check.h"
#include "kandoru/document.h"

namespace cli {

using CheckPdfWriter = std::function<common::WriteResult(
    const kandoru::Document&, const kandoru::check::CheckResult&, const std::filesystem::path&)>;

// Installed by check_pdf.cpp when it is part of the build.
CheckPdfWriter& checkPdfWriter();

}  // namespace cli
