// The drawing of the longitudinal profile: frame, title, band table, scales, stations,
// labels, band values, ground line and pipes, as a model and as the AutoCAD command script.
#pragma once

#include <optional>
#include <string>

#include "zumenko/drawing.h"
#include "zumenko/figure.h"

namespace zumenko {

struct DrawOptions {
    bool upstreamToDownstream = true;  // "上流→下流"; false draws "下流→上流"
    bool automatic = false;            // "全線自動作図": the whole line, datum level computed
    int startNo = 1;                   // layout-directed stretch, station rows
    int endNo = 1;
    double datumLevel = 0;  // metres, layout-directed only
    std::string datumText;  // the field's text as typed; "" = general form of datumLevel
    bool pipeWall = false;  // "管厚"
    bool frame = true;      // "外枠・内枠記入"
};

// A refusal shown as a critical message box before anything is written.
struct DrawError {
    std::string title;
    std::string text;
};

inline constexpr const char* kFormatErrorTitle = "書式エラー";
inline constexpr const char* kBandRowsErrorText = "帯の段数が正しくありません。";

// The drawing format's band rows: nU + nL at most 20, every item row 0 ... nU + nL, all
// whole numbers; and positive scales H and V.
std::optional<DrawError> checkDrawingFormat(const Drawing& doc);

// A layout-directed stretch must lie within the station rows, start not after end.
std::optional<DrawError> checkStretch(const Drawing& doc, const DrawOptions& opt);

// The drawing the options ask for, as a model of one sheet. The checks above must pass.
Figure drawFigure(const Drawing& doc, const DrawOptions& opt);

// One sheet of a set: station rows first ... last in drawing order (of FGrid7, or of the
// mirrored FGrid10 downstream first) drawn as a chosen stretch from the sheet's left edge.
struct SheetStretch {
    int first = 1;
    int last = 1;
    double datumLevel = 0;  // metres, a multiple of 5
    double xOffset = 0;     // drawing units: the sheet's left edge
    std::string titleSuffix;
};

// Where a sheet's elements begin in the figure: those before stationsFrom are the sheet's
// frame, title, band and scales; from levelsFrom on the ground line and pipes, the only
// elements whose height depends on the datum level.
struct SheetParts {
    size_t stationsFrom = 0;
    size_t levelsFrom = 0;
};

// Adds the sheet to figure with the direction, pipe walls and frame of opt.
SheetParts drawSheet(const Drawing& doc, const DrawOptions& opt, const SheetStretch& sheet,
                     Figure& figure);

inline constexpr const char* kUndrawableTitle = "作図データ";

// A figure holding a value no drawing can take (a coordinate beyond a million kilometres,
// a text height not above 0, a layer name empty or with a blank) is refused, naming it.
std::optional<DrawError> checkDrawable(const Figure& figure);

// The script as UTF-8 lines, each ended by CR LF (a break line is a lone CR, so it reads
// CR CR LF). The caller encodes it in CP932. Empty when a check above refuses the input.
std::string generateScript(const Drawing& doc, const DrawOptions& opt);

struct ScriptResult {
    std::optional<DrawError> error;  // set: nothing to write
    std::string text;
    Figure figure;  // the drawing the text draws
};

// The checks, the figure, its drawable check, then the script.
ScriptResult drawScript(const Drawing& doc, const DrawOptions& opt);

}  // namespace zumenko
