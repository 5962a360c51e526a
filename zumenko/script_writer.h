// The AutoCAD command script of a drawing model: the text pasted into the command line.
#pragma once

#include <string>

#include "zumenko/figure.h"

namespace zumenko {

// The script as UTF-8 lines, each ended by CR LF: "_DTEXTED 1", the layer switches, lines
// and texts in the model's order, each followed by an end line (24 blanks, AutoCAD's
// Enter) and a text by its break lines (a lone CR), then "_zoom e" and the cancel line.
// Numbers are written in the general form of the double held.
std::string writeScript(const Figure& figure);

// The justification as the script names it ("tl", "mc", "br", "BL", "bc" ...).
std::string_view justifyToken(Justify j);

}  // namespace zumenko
