// Writing and reading the format data's record layouts.
#include "common/format/format_files.h"

#include "common/records.h"

namespace common {
namespace {

constexpr int kCircularFirstLine = 1;
constexpr int kBoxFirstLine = kCircularFirstLine + kFormatTableRows;
constexpr int kManholeFirstLine = kBoxFirstLine + kFormatTableRows;
constexpr int kSettingsFirstLine = kManholeFirstLine + kFormatTableRows;

void writeTable(const Table& t, std::vector<std::string>& out) {
    for (int r = 1; r <= t.dataRows(); ++r) {
        RecordWriter w;
        w.integer(r);
        for (int c = 1; c <= t.dataCols(); ++c) w.text(t.text(r, c));
        out.push_back(w.str());
    }
}

void readTable(Table& t, const RecordLines& lines, int firstLine) {
    for (int r = 1; r <= t.dataRows(); ++r)
        for (int c = 1; c <= t.dataCols(); ++c) t.setText(r, c, "");
    for (int k = 0; k < t.dataRows(); ++k) {
        const int i = firstLine - 1 + k;
        auto rec = lines.at(i);
        if (!rec) continue;
        auto row = recordRow(*rec, t.dataRows(), lines.report(), i);
        if (!row) continue;
        for (int c = 1; c <= t.dataCols(); ++c)
            t.setText(*row, c, fieldText(*rec, static_cast<size_t>(c)));
    }
}

}  // namespace

std::vector<std::string> osbLines(const FormatData& f) {
    std::vector<std::string> out;
    out.reserve(kOsbLineCount);
    writeTable(f.circular, out);
    writeTable(f.box, out);
    writeTable(f.manholeTypes, out);
    int n = 1;
    for (int size : kFormatLineSizes) {
        RecordWriter w;
        for (int k = 0; k < size; ++k, ++n) {
            const auto item = static_cast<FormatItem>(n);
            switch (formatItemKind(n)) {
                case FormatItemKind::Text:
                    w.text(f.item(n));
                    break;
                case FormatItemKind::Choice:
                    w.boolean(f.isOn(item));
                    break;
                case FormatItemKind::Check:
                    w.integer(f.isOn(item) ? 1 : 0);
                    break;
                case FormatItemKind::Reserved:
                    w.text("dummy");
                    break;
            }
        }
        out.push_back(w.str());
    }
    return out;
}

ReadReport readOsb(FormatData& f, std::string_view cp932Bytes) {
    ReadReport report;
    const RecordLines lines(cp932Bytes, &report);
    if (lines.size() < kOsbLineCount) report.endsEarly(lines.size(), kOsbLineCount);
    readTable(f.circular, lines, kCircularFirstLine);
    readTable(f.box, lines, kBoxFirstLine);
    readTable(f.manholeTypes, lines, kManholeFirstLine);
    int n = 1;
    for (size_t g = 0; g < kFormatLineSizes.size(); ++g) {
        const int i = kSettingsFirstLine - 1 + static_cast<int>(g);
        auto rec = lines.at(i);
        if (rec && static_cast<int>(rec->size()) < kFormatLineSizes[g])
            report.unreadableRecord(i + 1);
        for (int k = 0; k < kFormatLineSizes[g]; ++k, ++n)
            if (rec && k < static_cast<int>(rec->size()))
                f.setItem(n, fieldText(*rec, static_cast<size_t>(k)));
    }
    return report;
}

void appendHandoffTables(std::vector<std::string>& out, const FormatData& f) {
    for (const Table* t : {&f.circular, &f.box, &f.manholeTypes})
        for (int r = 1; r <= t->dataRows(); ++r)
            for (int c = 1; c <= t->dataCols(); ++c)
                out.push_back(RecordWriter().text(t->text(r, c)).str());
}

void appendHandoffItems(std::vector<std::string>& out, const FormatData& f) {
    int n = 1;
    for (int size : kFormatLineSizes) {
        RecordWriter w;
        for (int k = 0; k < size; ++k, ++n) {
            const std::string& v = f.item(n);
            w.text(v.empty() ? std::string_view("0") : std::string_view(v));
        }
        out.push_back(w.str());
    }
}

}  // namespace common
