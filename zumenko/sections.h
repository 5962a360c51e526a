// The pipe section of a pipe code, from the circular and box section tables.
#pragma once

#include <optional>
#include <string_view>

#include "zumenko/drawing.h"

namespace zumenko {

struct Section {
    double d = 0;   // inner size, m
    double wT = 0;  // wall (top slab) above the crown, m
    double wB = 0;  // wall (bottom slab) below the invert, m
};

// True when text matches pattern: "*" any text, "?" any one character, "#" any digit,
// every other character itself.
bool wildcardMatch(std::string_view pattern, std::string_view text);

// Every row of the circular table (rows up to the first blank code) whose code, as a
// pattern, matches the pipe code, then every such row of the box table; the last match
// wins. nullopt when none matches.
std::optional<Section> lookUpSection(const Drawing& doc, std::string_view pipeCode);

}  // namespace zumenko
