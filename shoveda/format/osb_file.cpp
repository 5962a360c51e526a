// Writing and reading the *.osb record layout.
#include "shoveda/format/osb_file.h"

#include <array>
#include <utility>

#include "common/records.h"

namespace shoveda {
namespace {

constexpr int kCircularFirstLine = 1;
constexpr int kBoxFirstLine = 101;
constexpr int kManholeFirstLine = 201;
constexpr int kSettingsFirstLine = 301;

// Items of settings lines 1 to 14 (file lines 301 to 314), first and last.
constexpr std::array<std::pair<int, int>, 14> kSettingsLines{{{1, 3},
                                                              {4, 6},
                                                              {7, 8},
                                                              {9, 15},
                                                              {16, 22},
                                                              {23, 28},
                                                              {29, 36},
                                                              {37, 44},
                                                              {45, 53},
                                                              {54, 61},
                                                              {62, 66},
                                                              {67, 71},
                                                              {72, 81},
                                                              {82, 91}}};

void writeTable(const common::Table& t, std::vector<std::string>& out) {
    for (int r = 1; r <= t.dataRows(); ++r) {
        common::RecordWriter w;
        w.integer(r);
        for (int c = 1; c <= t.dataCols(); ++c) w.text(t.text(r, c));
        out.push_back(w.str());
    }
}

// The record of file line lineNo (from 1); an unreadable line reads as an empty record.
common::Record recordAt(const common::RecordLines& lines, int lineNo) {
    return lines.at(lineNo - 1).value_or(common::Record{});
}

void readTable(common::Table& t, const common::RecordLines& lines, int firstLine) {
    for (int k = 1; k <= t.dataRows(); ++k) {
        common::Record rec = recordAt(lines, firstLine + k - 1);
        if (rec.empty()) continue;
        auto n = common::fieldInt(rec, 0);
        if (!n || *n < 1 || *n > t.dataRows()) continue;
        int row = static_cast<int>(*n);
        for (int c = 1; c <= t.dataCols(); ++c)
            t.setText(row, c, common::fieldText(rec, static_cast<size_t>(c)));
    }
}

}  // namespace

std::vector<std::string> osbLines(const FormatDocument& doc) {
    std::vector<std::string> out;
    out.reserve(kOsbLineCount);
    writeTable(doc.fgrid9, out);
    writeTable(doc.fgrid10, out);
    writeTable(doc.fgrid11, out);
    for (auto [first, last] : kSettingsLines) {
        common::RecordWriter w;
        for (int n = first; n <= last; ++n) {
            switch (itemKind(n)) {
                case ItemKind::Text:
                    w.text(doc.item(n));
                    break;
                case ItemKind::Choice:
                    w.boolean(doc.flag(n));
                    break;
                case ItemKind::Check:
                    w.integer(doc.flag(n) ? 1 : 0);
                    break;
                case ItemKind::Reserved:
                    w.text("dummy");
                    break;
            }
        }
        out.push_back(w.str());
    }
    return out;
}

void readOsb(FormatDocument& doc, std::string_view cp932Bytes) {
    const common::RecordLines lines(cp932Bytes);
    doc.clearContents();
    readTable(doc.fgrid9, lines, kCircularFirstLine);
    readTable(doc.fgrid10, lines, kBoxFirstLine);
    readTable(doc.fgrid11, lines, kManholeFirstLine);
    for (size_t g = 0; g < kSettingsLines.size(); ++g) {
        common::Record rec = recordAt(lines, kSettingsFirstLine + static_cast<int>(g));
        auto [first, last] = kSettingsLines[g];
        for (int n = first; n <= last; ++n) {
            size_t i = static_cast<size_t>(n - first);
            switch (itemKind(n)) {
                case ItemKind::Text:
                    doc.setItem(n, common::fieldText(rec, i));
                    break;
                // Each value is assigned in turn, as to option buttons: a later selected
                // choice of a group wins over an earlier one.
                case ItemKind::Choice:
                    doc.setFlag(n, common::fieldBool(rec, i).value_or(false));
                    break;
                case ItemKind::Check:
                    doc.setFlag(n, common::fieldInt(rec, i).value_or(0) != 0);
                    break;
                case ItemKind::Reserved:
                    break;
            }
        }
    }
}

}  // namespace shoveda
