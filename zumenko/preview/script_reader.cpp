// The command script interpreter: the few AutoCAD commands the drawing program writes,
// read the way AutoCAD's command line takes them (a blank is Enter, so tokens are
// separated by exactly one blank).
#include "zumenko/preview/script_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/numtext.h"
#include "common/platform/paths.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "zumenko/drawable.h"
#include "zumenko/preview/layer_colors.h"

namespace zumenko::preview {

namespace {

constexpr std::string_view kCancelLine = "*キャンセル*";
constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

bool allOf(std::string_view s, char c) {
    return std::all_of(s.begin(), s.end(), [c](char x) { return x == c; });
}

std::optional<double> parseNumber(std::string_view s) {
    if (s.empty()) return std::nullopt;
    double v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !drawableNumber(v)) return std::nullopt;
    return v;
}

std::optional<Point> parsePoint(std::string_view s) {
    auto comma = s.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    auto x = parseNumber(s.substr(0, comma));
    auto y = parseNumber(s.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return Point{*x, *y};
}

std::optional<Justify> parseJustify(std::string_view s) {
    if (s.size() != 2) return std::nullopt;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    char v = lower(s[0]), h = lower(s[1]);
    Justify j;
    switch (v) {
        case 't':
            j.v = VAlign::Top;
            break;
        case 'm':
            j.v = VAlign::Middle;
            break;
        case 'b':
            j.v = VAlign::Bottom;
            break;
        default:
            return std::nullopt;
    }
    switch (h) {
        case 'l':
            j.h = HAlign::Left;
            break;
        case 'c':
            j.h = HAlign::Center;
            break;
        case 'r':
            j.h = HAlign::Right;
            break;
        default:
            return std::nullopt;
    }
    return j;
}

// Splits off tokens separated by single blanks; the cursor stays after the blank.
class Tokens {
public:
    explicit Tokens(std::string_view s) : s_(s) {}
    // The next token; empty when two blanks meet or the line ends.
    std::string_view next() {
        if (pos_ >= s_.size()) return {};
        auto blank = s_.find(' ', pos_);
        std::string_view tok;
        if (blank == std::string_view::npos) {
            tok = s_.substr(pos_);
            pos_ = s_.size();
        } else {
            tok = s_.substr(pos_, blank - pos_);
            pos_ = blank + 1;
        }
        return tok;
    }
    std::string_view rest() const {
        return pos_ < s_.size() ? s_.substr(pos_) : std::string_view{};
    }
    // True when nothing but blanks (AutoCAD's Enters) follows.
    bool onlyBlanksLeft() const { return allOf(rest(), ' '); }

private:
    std::string_view s_;
    size_t pos_ = 0;
};

class Reader {
public:
    ReadResult run(const std::vector<std::string>& lines) {
        // A generated script has an end line after every command: about half its lines draw.
        result_.figure.elements.reserve(lines.size() / 2);
        for (size_t i = 0; i < lines.size(); ++i) readLine(int(i + 1), lines[i]);
        return std::move(result_);
    }

private:
    void fail(int line, std::string reason, std::string_view text) {
        result_.errors.push_back({line, std::move(reason), std::string(text)});
    }

    void add(int line, std::variant<Segment, Text> shape) {
        const bool isText = std::holds_alternative<Text>(shape);
        result_.figure.add(std::move(shape), line);
        lastText_ = isText ? result_.figure.elements.size() : 0;
    }

    void readLine(int n, std::string_view line) {
        if (line.find(kReplacementChar) != std::string_view::npos) {
            fail(n, "CP932 として読めないバイトがあります", line);
            return;
        }
        // End lines (blanks) and break lines (a lone CR) are Enters: nothing to draw.
        if (allOf(line, ' ')) return;
        if (allOf(line, '\r')) {
            // A break line after a text answers dtext's prompt for a further line.
            if (lastText_ > 0)
                ++std::get<Text>(result_.figure.elements[lastText_ - 1].shape).breaks;
            return;
        }
        lastText_ = 0;
        if (line == kCancelLine) {
            result_.cancelled = true;
            return;
        }
        Tokens t(line);
        auto command = t.next();
        if (equalsNoCase(command, "_line")) return readLineCommand(n, line, t);
        if (equalsNoCase(command, "_dtext")) return readText(n, line, t);
        if (equalsNoCase(command, "_clayer")) return readLayer(n, line, t);
        if (equalsNoCase(command, "_zoom")) {
            auto option = t.next();
            if (equalsNoCase(option, "e") && t.onlyBlanksLeft()) {
                result_.zoomExtents = true;
                return;
            }
            return fail(n, "_zoom は e（オブジェクト範囲）だけを解釈します", line);
        }
        if (equalsNoCase(command, "_dtexted")) {
            auto value = t.next();
            if ((value == "0" || value == "1" || value == "2") && t.onlyBlanksLeft()) return;
            return fail(n, "_DTEXTED の値が 0、1、2 のどれでもありません", line);
        }
        fail(n, "解釈できない行です", line);
    }

    void readLineCommand(int n, std::string_view line, Tokens& t) {
        auto p1 = parsePoint(t.next());
        auto p2 = parsePoint(t.next());
        if (!p1 || !p2 || !t.onlyBlanksLeft())
            return fail(n, "_line の 2 点（x,y x,y）を読めません", line);
        add(n, Segment{*p1, *p2});
    }

    void readLayer(int n, std::string_view line, Tokens& t) {
        auto name = t.next();
        if (name.empty()) return fail(n, "画層名がありません", line);
        if (!t.onlyBlanksLeft())
            return fail(n, "画層名に空白があります（AutoCAD は空白を Enter と読みます）", line);
        result_.figure.selectLayer(name);
    }

    void readText(int n, std::string_view line, Tokens& t) {
        if (!equalsNoCase(t.next(), "j"))
            return fail(n, "_dtext の後に位置合わせ j がありません", line);
        auto justify = parseJustify(t.next());
        if (!justify) return fail(n, "文字の位置合わせを解釈できません", line);
        auto at = parsePoint(t.next());
        if (!at) return fail(n, "文字の挿入点（x,y）を読めません", line);
        if (!equalsNoCase(t.next(), "h")) return fail(n, "文字高さ h がありません", line);
        auto height = parseNumber(t.next());
        if (!height) return fail(n, "文字高さを読めません", line);
        if (*height <= 0) return fail(n, "文字高さが正の数ではありません", line);
        if (!equalsNoCase(t.next(), "r")) return fail(n, "回転角度 r がありません", line);
        auto angle = parseNumber(t.next());
        if (!angle) return fail(n, "回転角度を読めません", line);
        std::string_view text = t.rest();
        if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        // An empty answer at the text prompt makes no text in AutoCAD either.
        if (allOf(text, ' ')) return;
        add(n, Text{*at, *justify, *height, *angle, std::string(text), /*breaks=*/0});
    }

    ReadResult result_;
    size_t lastText_ = 0;  // 1 + index of the text the last command drew, 0 for none
};

}  // namespace

double horizontalScale(const Figure& figure) {
    constexpr std::string_view kPrefix = "H=1:";
    for (const auto& e : figure.elements) {
        auto t = std::get_if<Text>(&e.shape);
        if (!t || t->text.rfind(kPrefix, 0) != 0) continue;
        std::string_view rest = std::string_view(t->text).substr(kPrefix.size());
        if (!common::hasNumber(rest)) continue;
        double h = common::val(rest);
        if (std::isfinite(h) && h > 0) return h;
    }
    return 0;
}

ReadResult readScript(const std::vector<std::string>& lines) {
    ReadResult r = Reader().run(lines);
    Figure& f = r.figure;
    f.scale = horizontalScale(f);
    // Each run of segments on DefPoints is one sheet's border.
    bool inRun = false;
    for (const auto& e : f.elements) {
        const bool border =
            isDefPoints(f.layers[size_t(e.layer)]) && std::holds_alternative<Segment>(e.shape);
        if (border) {
            if (!inRun) f.sheets.emplace_back();
            const auto& seg = std::get<Segment>(e.shape);
            f.sheets.back().border.add(seg.a);
            f.sheets.back().border.add(seg.b);
            f.sheets.back().frame = f.sheets.back().border;
        }
        inRun = border;
    }
    return r;
}

std::optional<ReadResult> readScriptFile(const std::filesystem::path& path) {
    auto bytes = common::readFileBytes(path);
    if (!bytes) return std::nullopt;
    return readScript(common::splitLines(common::cp932ToUtf8(*bytes)));
}

std::optional<Figure> loadDrawing(const std::filesystem::path& path, std::string* message) {
    auto result = readScriptFile(path);
    if (!result) {
        *message = "スクリプト " + platform::pathToUtf8(path) + " を読めません\n";
        return std::nullopt;
    }
    if (!result->errors.empty()) {
        *message = platform::pathToUtf8(path) + " に解釈できない行があります\n" +
                   describeErrors(result->errors);
        return std::nullopt;
    }
    if (result->figure.elements.empty()) {
        *message = platform::pathToUtf8(path) + " には描く線も文字もありません\n";
        return std::nullopt;
    }
    return std::move(result->figure);
}

std::string describeErrors(const std::vector<ScriptError>& errors, size_t maxLines) {
    std::string out;
    size_t shown = std::min(errors.size(), maxLines);
    for (size_t i = 0; i < shown; ++i) {
        const auto& e = errors[i];
        std::string text = e.text;
        std::replace(text.begin(), text.end(), '\r', ' ');
        out += std::to_string(e.line) + " 行目: " + e.reason + ": " + text + "\n";
    }
    if (errors.size() > shown)
        out +=
            "ほかに " + std::to_string(errors.size() - shown) + " 行、解釈できない行があります\n";
    return out;
}

}  // namespace zumenko::preview
