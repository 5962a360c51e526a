// Format intake: the *.osb records held positionally, as read.
#include "kandoru/files/format_intake.h"

#include <optional>
#include <string>
#include <vector>

#include "common/records.h"
#include "common/textfile.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/osa_file.h"

namespace kandoru {

namespace {

constexpr int kTableRows = 100;
// Texts per settings record: items 1-3, 4-6, 7-8, 9-15, ... 82-91.
constexpr int kSettingsSizes[14] = {3, 3, 2, 7, 7, 6, 8, 8, 9, 8, 5, 5, 10, 10};
constexpr int kSettingsStart = 3 * kTableRows;

void readTable(const common::RecordLines& records, int start, common::Table& t) {
    for (int r = 1; r <= t.dataRows(); ++r)
        for (int c = 1; c <= t.dataCols(); ++c) t.setText(r, c, "");
    readTableRecords(records, start, kTableRows, t, t.dataCols());
}

}  // namespace

void readFormat(Document& doc, std::string_view bytes) {
    const common::RecordLines records(bytes);
    FormatData& f = doc.format;
    readTable(records, 0, f.circular);
    readTable(records, kTableRows, f.box);
    readTable(records, 2 * kTableRows, f.manholeTypes);

    int item = 1;
    for (int g = 0; g < 14; ++g) {
        auto rec = records.at(kSettingsStart + g);
        for (int k = 0; k < kSettingsSizes[g]; ++k, ++item)
            if (rec && k < static_cast<int>(rec->size()))
                f.setItem(item, common::fieldText(*rec, static_cast<size_t>(k)));
    }
    for (int n = 1; n <= static_cast<int>(f.items.size()); ++n)
        if (f.item(n).empty()) f.setItem(n, "0");
}

void loadFormatBytes(Document& doc, const std::filesystem::path& path, std::string_view bytes) {
    doc.formatPath = path;
    readFormat(doc, bytes);

    const std::string name = pathText(path.filename());
    doc.settings.formatField = name;
    doc.statusFormatFile = name;
    doc.formatLoaded = true;

    // The list shows the codes of this file only, down to the first blank code name.
    pipeCodeListMidasi(doc);
    const auto& circular = doc.format.circular;
    for (int n = 1; n <= circular.dataRows() && !circular.text(n, 1).empty(); ++n)
        doc.pipeCodes.setText(n, 0, circular.text(n, 1));
}

bool loadFormat(Document& doc, const std::filesystem::path& path) {
    auto bytes = common::readFileBytes(path);
    loadFormatBytes(doc, path, bytes ? std::string_view(*bytes) : std::string_view());
    return bytes.has_value();
}

bool formatIntake(Document& doc, common::Ui& ui) {
    auto file = chooseFileToRead(ui, kFormatOpenTitle, kOsbFilter, doc.settings.formatField);
    if (!file) return false;
    loadFormatBytes(doc, file->path, file->bytes);
    runCalculation(doc, ui);
    doc.setCurrentTab(kTabSettings, ui);
    return true;
}

}  // namespace kandoru
