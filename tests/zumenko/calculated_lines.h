// Long lines calculated by the editor and handed to the drawing with the example format:
// the example long line, a generated line of any number of spans, the largest document.
#pragma once

#include <string>

#include "zumenko/drawing.h"

namespace zumenko_test {

enum class Line { LongLineExample, Generated120, Largest };

std::string lineName(Line line);

// The line calculated with examples/standard.osb, written as a hand-off file and read back
// by the drawing's intake. Built once per line.
const zumenko::Drawing& calculatedLine(Line line);

}  // namespace zumenko_test
