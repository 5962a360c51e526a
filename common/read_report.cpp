// The reader's report of what it could not take as written, and its one message.
#include "common/read_report.h"

#include <algorithm>
#include <string_view>

#include "common/platform/paths.h"

namespace common {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr size_t kListedLines = 10;
constexpr size_t kShownRowBytes = 24;

void addLine(std::vector<int>& lines, int line) {
    if (lines.empty() || lines.back() != line) lines.push_back(line);
}

// At most n bytes of text, not cutting a UTF-8 sequence, with "…" when shortened.
std::string shortened(const std::string& text, size_t n) {
    if (text.size() <= n) return text;
    size_t end = n;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end) + "…";
}

// "3401、3402 ほか 5 行": up to ten entries, then how many more.
std::string listed(const std::vector<std::string>& entries) {
    std::string out;
    for (size_t i = 0; i < entries.size() && i < kListedLines; ++i) {
        if (i > 0) out += "、";
        out += entries[i];
    }
    if (entries.size() > kListedLines)
        out += " ほか " + std::to_string(entries.size() - kListedLines) + " 行";
    return out;
}

// In line order, each line once (a reader may come back to a line).
std::vector<std::string> numbers(std::vector<int> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (int l : lines) out.push_back(std::to_string(l));
    return out;
}

std::string fileNameText(const std::filesystem::path& path) {
    return platform::pathToUtf8(path.filename());
}

}  // namespace

bool markUnreadableBytes(std::string& line) {
    size_t at = line.find(kReplacement);
    if (at == std::string::npos) return false;
    std::string out;
    out.reserve(line.size());
    size_t from = 0;
    for (; at != std::string::npos; at = line.find(kReplacement, from)) {
        out.append(line, from, at - from);
        out += kUnreadableByteMark;
        from = at + kReplacement.size();
    }
    out.append(line, from, std::string::npos);
    line = std::move(out);
    return true;
}

void ReadReport::unreadableBytes(int line) { addLine(bytes_, line); }

void ReadReport::unreadableRecord(int line) { addLine(records_, line); }

void ReadReport::rowOutsideTable(int line, const std::string& rowText) {
    if (!outside_.empty() && outside_.back() == line) return;
    outside_.push_back(line);
    outsideRows_.push_back(shortened(rowText, kShownRowBytes));
}

void ReadReport::endsEarly(int lines, int expected) {
    lines_ = lines;
    expected_ = expected;
}

bool ReadReport::empty() const {
    return bytes_.empty() && records_.empty() && outside_.empty() && lines_ < 0;
}

std::string ReadReport::message(const std::string& fileName) const {
    if (empty()) return "";
    std::string text = "「" + fileName + "」には、書かれたとおりには読めない行がありました。";
    if (!bytes_.empty())
        text += "\r\n・Shift_JIS で読めないバイトを「？」にした行：" + listed(numbers(bytes_));
    if (!records_.empty())
        text += "\r\n・読めない項目を空のままにした行：" + listed(numbers(records_));
    if (!outside_.empty()) {
        std::vector<std::string> entries;
        for (size_t i = 0; i < outside_.size(); ++i)
            entries.push_back(std::to_string(outside_[i]) + "（行番号 " + outsideRows_[i] + "）");
        text += "\r\n・表にない行番号のため読み飛ばした行：" + listed(entries);
    }
    if (lines_ >= 0)
        text += "\r\n・ファイルは " + std::to_string(lines_) + " 行で終わっています（" +
                std::to_string(expected_) + " 行あるはずです）。続きの項目は空のままです。";
    if (!bytes_.empty())
        text +=
            "\r\n\r\n「？」は保存するとそのまま書き込まれます。元の文字に直してから保存してくださ"
            "い。";
    return text;
}

void showReadReport(Ui& ui, const ReadReport& report, const std::filesystem::path& path) {
    if (report.empty()) return;
    ui.message(Icon::Exclamation, kReadReportTitle, report.message(fileNameText(path)));
}

}  // namespace common
