// Profile data file writer (FileSave2) and reader.
#include "kandoru/files/osa_file.h"

#include "common/numtext.h"
#include "common/platform/paths.h"
#include "common/records.h"

namespace kandoru {

namespace {

constexpr int kRouteRows = common::kRouteRows;
constexpr int kSplitRows = common::kProfileTableRows;
constexpr int kPointRows = common::kRouteRows;
constexpr int kManholeRows = common::kProfileTableRows;
constexpr int kSplitCols = SplitCol::LastData;  // the marks have lines of their own

// Line indexes (0-based) of the sections.
constexpr int kRouteStart = 0;
constexpr int kSplitStart = kRouteStart + kRouteRows;
constexpr int kPointStart = kSplitStart + kSplitRows;
constexpr int kManholeStart = kPointStart + kPointRows;
constexpr int kMarkStart = kManholeStart + kManholeRows;
constexpr int kSettingsStart = kMarkStart + kSplitRows;

// A mark as stored: "10" for a fixed value, "0" for anything else.
std::string markText(const std::string& field) { return common::val(field) == 10 ? "10" : "0"; }

}  // namespace

void readTableRecords(const common::RecordLines& lines, int start, int count, common::Table& t,
                      int cols) {
    for (int k = 0; k < count; ++k) {
        auto rec = lines.at(start + k);
        if (!rec) continue;
        auto row = common::recordRow(*rec, t.dataRows(), lines.report(), start + k);
        if (!row) continue;
        for (int c = 1; c <= cols; ++c)
            t.setText(*row, c, common::fieldText(*rec, static_cast<size_t>(c)));
    }
}

void writeTableRecords(std::vector<std::string>& out, const common::Table& t, int cols,
                       int emptyTail) {
    for (int r = 1; r <= t.dataRows(); ++r) {
        common::RecordWriter w;
        w.integer(r);
        for (int c = 1; c <= cols; ++c) w.text(t.text(r, c));
        for (int i = 0; i < emptyTail; ++i) w.text("");
        out.push_back(w.str());
    }
}

void writeSettingsRecords(std::vector<std::string>& out, const Settings& s) {
    out.push_back(common::RecordWriter()
                      .text(s.projectName)
                      .text(s.formatField)
                      .text(s.outletRoute)
                      .text(s.outletGround)
                      .text(s.outletManholeType)
                      .text(s.hinterland)
                      .str());
    out.push_back(common::RecordWriter().text(s.minCover).text(s.manholeDrop).str());
    out.push_back(common::RecordWriter()
                      .boolean(s.manning)
                      .boolean(s.kutter)
                      .boolean(s.minCoverMethod)
                      .boolean(s.crownJoint)
                      .str());
    common::RecordWriter digits;
    for (const auto& d : s.digits) digits.text(d);
    out.push_back(digits.str());
    out.push_back(
        common::RecordWriter().text("dammy").text("dammy").text("dammy").text("mirai").str());
}

std::vector<std::string> osaRecords(const Document& doc) {
    std::vector<std::string> out;
    out.reserve(kOsaLines);
    writeTableRecords(out, doc.fgrid1, RouteCol::Count);
    writeTableRecords(out, doc.fgrid2, kSplitCols, /*emptyTail=*/4);
    writeTableRecords(out, doc.fgrid4, ChangePointCol::Count);
    writeTableRecords(out, doc.fgrid3, ManholeCol::LastInput);
    for (int r = 1; r <= kSplitRows; ++r)
        out.push_back(common::RecordWriter()
                          .integer(r)
                          .integer(doc.groundMark(r))
                          .text(doc.startMark(r))
                          .text(doc.endMark(r))
                          .str());
    writeSettingsRecords(out, doc.settings);
    return out;
}

std::optional<std::string> osaBytes(const Document& doc, std::string* unmappable) {
    return common::encodeCp932Lines(osaRecords(doc), unmappable);
}

common::UnmappableFinder unmappableText(const Document& doc) {
    common::UnmappableFinder f;
    const Settings& s = doc.settings;
    const std::pair<const char*, const std::string*> settings[] = {
        {"プロジェクト名", &s.projectName},
        {"縦断図の書式", &s.formatField},
        {"流末路線番号", &s.outletRoute},
        {"流末地盤高", &s.outletGround},
        {"流末人孔種別", &s.outletManholeType},
        {"背後地流入高", &s.hinterland},
        {"最小土被り", &s.minCover},
        {"管落差", &s.manholeDrop},
        {"桁数 勾配", &s.digits[kDigitGradient]},
        {"桁数 人孔間距離", &s.digits[kDigitDistance]},
        {"桁数 地盤高", &s.digits[kDigitGround]},
        {"桁数 土被り", &s.digits[kDigitCover]},
        {"桁数 管底高", &s.digits[kDigitInvert]},
        {"桁数 掘削深", &s.digits[kDigitExcavation]},
    };
    for (const auto& [name, text] : settings) f.text(*text, [name = name] { return name; });
    f.table("路線基本データ", doc.fgrid1, RouteCol::Count);
    f.table("地盤変化点データ", doc.fgrid4, ChangePointCol::Count);
    f.table("分割データ", doc.fgrid2, kSplitCols);
    f.table("人孔データ", doc.fgrid3, ManholeCol::Count);
    return f;
}

common::WriteResult FileSave2(const Document& doc, const std::filesystem::path& path,
                              std::string* written) {
    std::string bad;
    auto bytes = osaBytes(doc, &bad);
    if (!bytes) return common::unmappableFailure(bad);
    auto result = common::writeFileAtomic(path, *bytes);
    if (result && written) *written = std::move(*bytes);
    return result;
}

common::ReadReport readOsa(Document& doc, std::string_view bytes) {
    common::ReadReport report;
    const common::RecordLines lines(bytes, &report);
    if (lines.size() < kOsaLines) report.endsEarly(lines.size(), kOsaLines);
    // A settings record with fewer fields than its line holds lost the rest.
    auto settingsLine = [&](int i, size_t fields) {
        common::Record rec = lines.at(i).value_or(common::Record{});
        if (i < lines.size() && rec.size() < fields) report.unreadableRecord(i + 1);
        return rec;
    };
    for (int r = 1; r <= kRouteRows; ++r) {
        for (int c = 1; c <= RouteCol::Count; ++c) doc.fgrid1.setText(r, c, "");
        for (int c = 1; c <= ChangePointCol::Count; ++c) doc.fgrid4.setText(r, c, "");
    }
    for (int r = 1; r <= kManholeRows; ++r)
        for (int c = 1; c <= ManholeCol::LastInput; ++c) doc.fgrid3.setText(r, c, "");
    for (int r = 1; r <= kSplitRows; ++r)
        for (int c = 1; c <= doc.fgrid2.dataCols(); ++c) {
            if (c <= kSplitCols) doc.fgrid2.setText(r, c, "");
            doc.fgrid2.setColor(r, c, common::CellColor::Black);
        }

    readTableRecords(lines, kRouteStart, kRouteRows, doc.fgrid1, RouteCol::Count);
    readTableRecords(lines, kSplitStart, kSplitRows, doc.fgrid2,
                     kSplitCols);  // the empty tail is ignored
    readTableRecords(lines, kPointStart, kPointRows, doc.fgrid4, ChangePointCol::Count);
    readTableRecords(lines, kManholeStart, kManholeRows, doc.fgrid3, ManholeCol::LastInput);

    // Mark line k belongs to split row k. A mark that cannot be read is free: the value it
    // had came from another document.
    for (int k = 1; k <= kSplitRows; ++k) {
        auto rec = lines.at(kMarkStart + k - 1);
        const common::Record none;
        const common::Record& m = rec ? *rec : none;
        doc.setGroundMark(k, common::val(common::fieldText(m, 1)) == 10 ? 10 : 0);
        doc.setStartMark(k, markText(common::fieldText(m, 2)));
        doc.setEndMark(k, markText(common::fieldText(m, 3)));
    }

    Settings& s = doc.settings;
    {
        const common::Record rec = settingsLine(kSettingsStart, 6);
        s.projectName = common::fieldText(rec, 0);
        s.formatField = common::fieldText(rec, 1);
        s.outletRoute = common::fieldText(rec, 2);
        s.outletGround = common::fieldText(rec, 3);
        s.outletManholeType = common::fieldText(rec, 4);
        s.hinterland = common::fieldText(rec, 5);
    }
    {
        const common::Record rec = settingsLine(kSettingsStart + 1, 2);
        s.minCover = common::fieldText(rec, 0);
        s.manholeDrop = common::fieldText(rec, 1);
    }
    if (auto rec = lines.at(kSettingsStart + 2)) {
        bool* choices[] = {&s.manning, &s.kutter, &s.minCoverMethod, &s.crownJoint};
        bool all = true;
        for (size_t i = 0; i < 4; ++i) {
            auto b = common::fieldBool(*rec, i);
            if (b) *choices[i] = *b;
            all = all && b;
        }
        if (!all) report.unreadableRecord(kSettingsStart + 3);
    }
    {
        // A digit setting the file does not hold takes its start value; one it holds is
        // taken as it stands, an empty one too (the calculations then give no value).
        const common::Record rec = settingsLine(kSettingsStart + 3, s.digits.size());
        const Settings start;
        for (size_t i = 0; i < s.digits.size(); ++i)
            s.digits[i] = i < rec.size() ? rec[i].text : start.digits[i];
    }
    return report;
}

std::string pathText(const std::filesystem::path& path) { return platform::pathToUtf8(path); }

bool loadProfile(Document& doc, const std::filesystem::path& path, common::ReadReport* report) {
    auto bytes = common::readFileBytes(path);
    auto r = loadProfileBytes(doc, path, bytes ? std::string_view(*bytes) : std::string_view());
    if (report) *report = std::move(r);
    return bytes.has_value();
}

std::string readErrorText(const std::filesystem::path& path) {
    return "ファイルを開けませんでした。\r\n" + pathText(path);
}

std::optional<ChosenFile> chooseFileToRead(common::Ui& ui, const std::string& title,
                                           const std::string& filter,
                                           const std::string& presetName) {
    auto path = ui.openFileName(title, filter, presetName);
    if (!path || path->empty()) return std::nullopt;
    auto bytes = common::readFileBytes(*path);
    if (!bytes) {
        ui.message(common::Icon::Critical, kReadErrorTitle, readErrorText(*path));
        return std::nullopt;
    }
    return ChosenFile{*path, std::move(*bytes)};
}

common::ReadReport loadProfileBytes(Document& doc, const std::filesystem::path& path,
                                    std::string_view bytes) {
    allMidasi(doc);
    doc.filePath = path;
    common::ReadReport report = readOsa(doc, bytes);
    doc.statusDataFile = pathText(path.filename());
    doc.splitDataMark = false;
    doc.loadedFromFile = true;
    // A reservation pointed into the previous document's split table.
    doc.reservedSplitRow.reset();
    doc.rememberedOutletRoute = doc.settings.outletRoute;
    doc.rememberedOutletGround = doc.settings.outletGround;
    return report;
}

}  // namespace kandoru
