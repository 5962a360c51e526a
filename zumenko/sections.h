// The pipe section of a pipe code as the drawing reads it: the code names of the format's
// section tables are wildcard patterns.
#pragma once

#include <optional>
#include <string_view>

#include "common/format/section_lookup.h"
#include "zumenko/drawing.h"

namespace zumenko {

using common::wildcardMatch;

struct Section {
    double d = 0;   // inner size, m
    double wT = 0;  // wall (top slab) above the crown, m
    double wB = 0;  // wall (bottom slab) below the invert, m
};

// The section of the last row whose code, as a pattern, matches the pipe code, a box
// section winning over a circular one; nullopt when none matches.
std::optional<Section> lookUpSection(const Drawing& doc, std::string_view pipeCode);

}  // namespace zumenko
