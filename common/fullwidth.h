// Full-width number characters, as typed with the input method on, read as their ASCII
// forms in numeric cells and fields. Text cells keep what was typed.
#pragma once

#include <string>
#include <string_view>

namespace common {

// The ASCII form of a full-width digit, point, minus, plus or the ideographic space;
// any other code point as it is.
char32_t asciiNumberChar(char32_t code);

// UTF-8 text with every such full-width character replaced by its ASCII form; other
// characters, invalid bytes included, stay as they are.
std::string asciiNumberText(std::string_view utf8);

}  // namespace common
