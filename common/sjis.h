// Code page 932 (Windows Shift_JIS) conversion, done for whole files at once.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace common {

// CP932 bytes to UTF-8. Bytes that are not valid CP932 become U+FFFD; *invalid is set
// when that happened.
std::string cp932ToUtf8(std::string_view bytes, bool* invalid = nullptr);

// UTF-8 to CP932 bytes; nullopt when a character has no CP932 form, with that character
// (as UTF-8) in *unmappable.
std::optional<std::string> utf8ToCp932(std::string_view utf8, std::string* unmappable = nullptr);

}  // namespace common
