// Format intake: the *.osb file read into the document's format data.
#include "kandoru/files/format_intake.h"

#include <optional>
#include <string>
#include <vector>

#include "common/format/format_files.h"
#include "common/textfile.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/osa_file.h"

namespace kandoru {

common::ReadReport readFormat(Document& doc, std::string_view bytes) {
    common::FormatData& f = doc.format;
    common::ReadReport report = common::readOsb(f, bytes);
    for (int n = 1; n <= common::kFormatItemCount; ++n)
        if (f.item(n).empty()) f.setItem(n, "0");
    return report;
}

common::ReadReport loadFormatBytes(Document& doc, const std::filesystem::path& path,
                                   std::string_view bytes) {
    doc.formatPath = path;
    common::ReadReport report = readFormat(doc, bytes);

    const std::string name = pathText(path.filename());
    doc.settings.formatField = name;
    doc.statusFormatFile = name;
    doc.formatLoaded = true;

    // The list shows the codes of this file only, down to the first blank code name.
    pipeCodeListMidasi(doc);
    const auto& circular = doc.format.circular;
    for (int n = 1; n <= circular.dataRows(); ++n) {
        const std::string& code = circular.text(n, common::CircularCol::Code);
        if (code.empty()) break;
        doc.pipeCodes.setText(n, kPipeCodeCol, code);
    }
    return report;
}

bool loadFormat(Document& doc, const std::filesystem::path& path, common::ReadReport* report) {
    auto bytes = common::readFileBytes(path);
    auto r = loadFormatBytes(doc, path, bytes ? std::string_view(*bytes) : std::string_view());
    if (report) *report = std::move(r);
    return bytes.has_value();
}

bool formatIntake(Document& doc, common::Ui& ui) {
    auto file = chooseFileToRead(ui, kFormatOpenTitle, kOsbFilter, doc.settings.formatField);
    if (!file) return false;
    const common::ReadReport report = loadFormatBytes(doc, file->path, file->bytes);
    common::showReadReport(ui, report, file->path);
    runCalculation(doc, ui);
    doc.setCurrentTab(kTabSettings, ui);
    return true;
}

}  // namespace kandoru
