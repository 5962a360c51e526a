// Reads the AutoCAD command script the drawing program writes and turns it into drawing
// elements (segments and single-line texts on layers), so it can be drawn without AutoCAD.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zumenko::preview {

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

// AutoCAD's text justification: the insertion point is this point of the text.
enum class HAlign { Left, Center, Right };
// Baseline is AutoCAD's plain "Left"; Bottom is the bottom of the descenders; Middle is
// half the capital height above the baseline (the "MC" family); Top is the capital height.
enum class VAlign { Baseline, Bottom, Middle, Top };

struct Justify {
    HAlign h = HAlign::Left;
    VAlign v = VAlign::Baseline;
    bool operator==(const Justify&) const = default;
};

struct Segment {
    Point a, b;
};

struct Text {
    Point at;  // insertion point
    Justify justify;
    double height = 0;    // capital height, drawing units
    double angleDeg = 0;  // counter-clockwise about the insertion point
    std::string text;     // UTF-8, without the blank that ends the command
};

struct Element {
    int layer = 0;  // index into Drawing::layers
    int line = 0;   // 1-based line of the script it came from
    std::variant<Segment, Text> shape;
};

struct Drawing {
    std::vector<std::string> layers;  // in order of first use; "0" when drawn before any switch
    std::vector<Element> elements;
    bool zoomExtents = false;  // "_zoom e" was seen
    bool cancelled = false;    // the cancel line was seen

    int layerIndex(std::string_view name);  // adds the layer when it is new
};

struct ScriptError {
    int line = 0;        // 1-based
    std::string reason;  // Japanese, for the user
    std::string text;    // the offending line
};

struct ReadResult {
    Drawing drawing;
    std::vector<ScriptError> errors;  // every line that was not understood
};

// Interprets script lines (UTF-8, line ends removed; a break line is a lone CR).
ReadResult readScript(const std::vector<std::string>& lines);

// Reads a CP932 script file; nullopt when the file cannot be read.
std::optional<ReadResult> readScriptFile(const std::filesystem::path& path);

// A script file ready to draw: nullopt, with the reasons in *message, when the file cannot
// be read, has lines that were not understood, or draws nothing.
std::optional<Drawing> loadDrawing(const std::filesystem::path& path, std::string* message);

// One line per error, "N 行目: reason: text", at most maxLines of them plus a count of the rest.
std::string describeErrors(const std::vector<ScriptError>& errors, size_t maxLines = 20);

}  // namespace zumenko::preview
