// Reading the hand-off file: seven table blocks addressed by row number, the three format
// tables one text per line, the settings lines and the 14 lines of the format record.
#include "zumenko/intake.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "common/numtext.h"
#include "common/platform/paths.h"
#include "common/records.h"
#include "common/textfile.h"

namespace zumenko {
namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

class Reader {
public:
    Reader(const std::vector<std::string>& lines, std::string* error, common::ReadReport* report)
        : lines_(lines), error_(error), report_(report) {}

    // The next record, which must have exactly `fields` fields (any count when fields < 0).
    bool next(common::Record& rec, int fields) {
        if (pos_ >= lines_.size()) return fail("the file ends after line " + std::to_string(pos_));
        const std::string& text = lines_[pos_];
        ++pos_;
        // Each byte that is not CP932 (U+FFFD from the decoding) reads as "？" and costs
        // nothing else.
        if (text.find(kReplacementChar) == std::string::npos) {
            rec = common::parseRecord(text);
        } else {
            std::string marked = text;
            common::markUnreadableBytes(marked);
            if (report_) report_->unreadableBytes(static_cast<int>(pos_));
            rec = common::parseRecord(marked);
        }
        if (fields >= 0 && static_cast<int>(rec.size()) != fields)
            return fail("line " + std::to_string(pos_) + ": " + std::to_string(rec.size()) +
                        " fields instead of " + std::to_string(fields));
        return true;
    }

    // A table block: records of a row number and `values` texts, the first `keep` stored in
    // columns 1..keep of that row. The block goes on while the row just read is below size.
    bool block(common::Table& table, int values, int keep) {
        const int size = table.dataRows();
        common::Record rec;
        for (;;) {
            if (!next(rec, values + 1)) return false;
            auto row = common::fieldInt(rec, 0);
            if (!row || *row < 1 || *row > size)
                return fail("line " + std::to_string(pos_) + ": row number \"" +
                            common::fieldText(rec, 0) + "\" outside 1.." + std::to_string(size));
            int r = static_cast<int>(*row);
            for (int c = 1; c <= keep; ++c) table.setText(r, c, rec[static_cast<size_t>(c)].text);
            if (r >= size) return true;
        }
    }

    // A format table, one text per line, row by row and column by column within a row.
    bool oneTextPerLine(common::Table& table) {
        common::Record rec;
        for (int r = 1; r <= table.dataRows(); ++r)
            for (int c = 1; c <= table.dataCols(); ++c) {
                if (!next(rec, 1)) return false;
                table.setText(r, c, rec[0].text);
            }
        return true;
    }

    bool fail(std::string why) {
        if (error_) *error_ = std::move(why);
        return false;
    }

    size_t line() const { return pos_; }

private:
    const std::vector<std::string>& lines_;
    std::string* error_;
    common::ReadReport* report_;
    size_t pos_ = 0;
};

bool readSettings(Reader& in, Drawing& doc) {
    common::Record rec;
    common::Settings& s = doc.settings;
    if (!in.next(rec, 6)) return false;
    s.projectName = rec[0].text;
    s.formatField = rec[1].text;
    s.outletRoute = rec[2].text;
    s.outletGround = rec[3].text;
    s.outletManholeType = rec[4].text;
    s.hinterland = rec[5].text;
    if (!in.next(rec, 2)) return false;
    s.minCover = rec[0].text;
    s.manholeDrop = rec[1].text;
    if (!in.next(rec, 4)) return false;
    bool* options[] = {&s.manning, &s.kutter, &s.minCoverMethod, &s.crownJoint};
    for (size_t i = 0; i < 4; ++i) {
        auto b = common::fieldBool(rec, i);
        if (!b)
            return in.fail("line " + std::to_string(in.line()) + ": \"" + rec[i].text +
                           "\" is not #TRUE# or #FALSE#");
        *options[i] = *b;
    }
    if (!in.next(rec, 6)) return false;
    for (size_t i = 0; i < 6; ++i) s.digits[i] = rec[i].text;
    if (!in.next(rec, -1)) return false;  // the trailer, read and ignored
    for (int g = 1; g <= static_cast<int>(common::kFormatLineSizes.size()); ++g) {
        int n = common::kFormatLineSizes[static_cast<size_t>(g - 1)];
        if (!in.next(rec, n)) return false;
        for (int k = 1; k <= n; ++k)
            doc.format.setValue(g, k, rec[static_cast<size_t>(k - 1)].text);
    }
    return true;
}

// Rows 1.. of src up to the first blank key cell, columns 1..cols copied into dst.
int copyRows(const common::Table& src, common::Table& dst, int cols) {
    int n = 0;
    for (int r = 1; r <= src.dataRows() && r <= dst.dataRows(); ++r) {
        if (src.text(r, common::kKeyCol).empty()) break;
        for (int c = 1; c <= cols; ++c) dst.setText(r, c, src.text(r, c));
        n = r;
    }
    return n;
}

// Descending by column c as numbers; texts without a number keep their order after them.
// The rows stay in place while the table sorts its row order, so their keys are read once.
void sortDescending(common::Table& t, int rows, int c) {
    struct Key {
        bool text;
        double value;
    };
    std::unordered_map<const common::Table::Row*, Key> keys;
    auto keyOf = [c](const common::Table::Row& row) {
        const std::string& s = row[static_cast<size_t>(c)];
        return Key{!common::hasNumber(s), common::val(s)};
    };
    keys.reserve(static_cast<size_t>(std::max(rows, 0)));
    for (int r = 1; r <= rows; ++r) keys.emplace(&t.row(r), keyOf(t.row(r)));
    auto lookup = [&](const common::Table::Row& row) {
        auto it = keys.find(&row);
        return it != keys.end() ? it->second : keyOf(row);
    };
    t.sortRows(1, rows, [&](const common::Table::Row& a, const common::Table::Row& b) {
        const Key ka = lookup(a);
        const Key kb = lookup(b);
        if (ka.text != kb.text) return kb.text;
        if (ka.text) return false;
        return ka.value > kb.value;
    });
    t.relabel();
    t.setCurrent(1, common::kKeyCol);
}

std::string mask3(float x) { return common::formatMask(x, 3); }

// Column c from the downstream end: 0 at row 1, then the previous row's value plus the
// row's own length (column lengthCol), in single precision.
void accumulate(common::Table& t, int c, int lengthCol) {
    if (t.text(1, common::kKeyCol).empty()) return;
    t.setText(1, c, "0");
    for (int j = 2; j <= t.dataRows() && !t.text(j, common::kKeyCol).empty(); ++j) {
        float sum = common::valFloat(t.text(j - 1, c)) + common::valFloat(t.text(j, lengthCol));
        t.setText(j, c, mask3(sum));
    }
}

void clearData(common::Table& t) {
    t.clearAll();
    t.relabel();
}

}  // namespace

bool readHandoffLines(const std::vector<std::string>& lines, Drawing& doc, std::string* error,
                      common::ReadReport* report) {
    Reader in(lines, error, report);
    // Each block: its record's values after the row number, and the columns kept.
    constexpr int kSplitValues = SplitCol::LastData + 4;  // four empty texts end a record
    if (!in.block(doc.routes, RouteCol::Count, RouteCol::Count)) return false;
    if (!in.block(doc.split, kSplitValues, SplitCol::LastData)) return false;
    if (!in.block(doc.changePoints, ChangePointCol::Count, ChangePointCol::Count)) return false;
    if (!in.block(doc.manholes, ManholeCol::Count, ManholeCol::Count)) return false;
    if (!in.block(doc.fgrid7, SplitPointCol::Count, SplitPointCol::Count)) return false;
    if (!in.block(doc.fgrid8, ProfilePointCol::Count, ProfilePointCol::Count)) return false;
    if (!in.block(doc.fgrid5, GroundPointCol::Count, GroundPointCol::Count)) return false;
    if (!in.oneTextPerLine(doc.format.circular)) return false;
    if (!in.oneTextPerLine(doc.format.box)) return false;
    if (!in.oneTextPerLine(doc.format.manholeTypes)) return false;
    if (!readSettings(in, doc)) return false;
    buildMirroredTables(doc);
    return true;
}

bool readHandoff(const std::filesystem::path& path, Drawing& doc, std::string* error,
                 common::ReadReport* report) {
    auto lines = common::readCp932Lines(path);
    if (!lines) {
        if (error) *error = "cannot read " + platform::pathToUtf8(path);
        return false;
    }
    return readHandoffLines(*lines, doc, error, report);
}

std::string handoffErrorMessage(const std::filesystem::path& path) {
    return std::string(kHandoffErrorText) + "\r\n" + platform::pathToUtf8(path);
}

void buildMirroredTables(Drawing& doc) {
    for (common::Table* t : {&doc.fgrid10, &doc.fgrid11, &doc.fgrid12, &doc.fgrid13, &doc.fgrid14})
        clearData(*t);

    // FGrid10: the split points from the downstream end.
    int n10 = copyRows(doc.fgrid7, doc.fgrid10, SplitPointCol::Count);
    sortDescending(doc.fgrid10, n10, SplitPointCol::Distance);
    accumulate(doc.fgrid10, SplitPointCol::Distance, SplitPointCol::Length);
    auto mirroredDistance = [&](int r) -> const std::string& {
        return doc.fgrid10.text(r, SplitPointCol::Distance);
    };
    auto distance = [&](int r) -> const std::string& {
        return doc.fgrid7.text(r, SplitPointCol::Distance);
    };

    // FGrid11 and FGrid12 pair manhole row r and split row r with split point r, so they
    // sort along with it and then take its mirrored distance.
    constexpr int kManholeDistance = MirroredManholeCol::Distance;
    int n11 = copyRows(doc.manholes, doc.fgrid11, ManholeCol::Count);
    for (int r = 1; r <= n11; ++r) doc.fgrid11.setText(r, kManholeDistance, distance(r));
    sortDescending(doc.fgrid11, n11, kManholeDistance);
    for (int r = 1; r <= n11; ++r) doc.fgrid11.setText(r, kManholeDistance, mirroredDistance(r));

    constexpr int kSplitDistance = MirroredSplitCol::Distance;
    int n12 = copyRows(doc.split, doc.fgrid12, SplitCol::Count);
    for (int r = 1; r <= n12; ++r) doc.fgrid12.setText(r, kSplitDistance, distance(r));
    sortDescending(doc.fgrid12, n12, kSplitDistance);
    for (int r = 1; r <= n12; ++r) doc.fgrid12.setText(r, kSplitDistance, mirroredDistance(r));

    int n13 = copyRows(doc.fgrid8, doc.fgrid13, ProfilePointCol::Count);
    sortDescending(doc.fgrid13, n13, ProfilePointCol::Distance);
    accumulate(doc.fgrid13, ProfilePointCol::Distance, ProfilePointCol::Length);

    // FGrid14: spacings first, from the original distances, then the distances from them.
    common::Table& t = doc.fgrid14;
    constexpr int kDistance = GroundPointCol::Distance;
    constexpr int kSpacing = MirroredGroundCol::Spacing;
    auto value = [&](int r, int c) { return common::valFloat(t.text(r, c)); };
    int n14 = copyRows(doc.fgrid5, t, GroundPointCol::Count);
    sortDescending(t, n14, kDistance);
    for (int j = 2; j <= n14; ++j)
        t.setText(j, kSpacing, mask3(value(j - 1, kDistance) - value(j, kDistance)));
    if (n14 >= 1) t.setText(1, kDistance, "0");
    for (int j = 2; j <= n14; ++j)
        t.setText(j, kDistance, mask3(value(j - 1, kDistance) + value(j, kSpacing)));
}

}  // namespace zumenko
