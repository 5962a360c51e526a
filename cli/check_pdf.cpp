// The calculation sheet of gesui check, drawn with Qt Gui.
#include <iostream>

#include "cli/check.h"
#include "cli/command.h"
#include "kandoru/check/check_sheet.h"
#include "zumenko/preview/render.h"

namespace {

const bool installed = [] {
    cli::checkPdfWriter() = [](const kandoru::Document& doc,
                               const kandoru::check::CheckResult& result,
                               const std::filesystem::path& path) {
        zumenko::preview::ensureGuiApplication();
        if (!kandoru::check::sheetFontAvailable())
            cli::error("check") << "IPAGothic フォントが見つかりません（fonts-ipafont-gothic）。"
                                   "別のフォントで描きます\n";
        return kandoru::check::writeCheckSheet({doc.settings.projectName, doc.statusFormatFile},
                                               result, path);
    };
    return true;
}();

}  // namespace
