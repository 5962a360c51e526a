// Reads the AutoCAD command script the drawing program writes back into the drawing model
// (segments and single-line texts on layers), so a script file can be drawn without AutoCAD.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "zumenko/figure.h"

namespace zumenko::preview {

struct ScriptError {
    int line = 0;        // 1-based
    std::string reason;  // Japanese, for the user
    std::string text;    // the offending line
};

struct ReadResult {
    Figure figure;
    std::vector<ScriptError> errors;  // every line that was not understood
    bool zoomExtents = false;         // "_zoom e" was seen
    bool cancelled = false;           // the cancel line was seen
};

// Interprets script lines (UTF-8, line ends removed; a break line is a lone CR). The scale
// comes from the text "H=1:N", the sheets from the borders drawn on DefPoints.
ReadResult readScript(const std::vector<std::string>& lines);

// The horizontal scale denominator from the scale text "H=1:N"; 0 when there is none.
double horizontalScale(const Figure& figure);

// Reads a CP932 script file; nullopt when the file cannot be read.
std::optional<ReadResult> readScriptFile(const std::filesystem::path& path);

// A script file ready to draw: nullopt, with the reasons in *message, when the file cannot
// be read, has lines that were not understood, or draws nothing.
std::optional<Figure> loadDrawing(const std::filesystem::path& path, std::string* message);

// One line per error, "N 行目: reason: text", at most maxLines of them plus a count of the rest.
std::string describeErrors(const std::vector<ScriptError>& errors, size_t maxLines = 20);

}  // namespace zumenko::preview
