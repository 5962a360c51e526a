// Code page 932 (Windows Shift_JIS) conversion of whole texts: the system's own
// conversion on Windows, iconv's "CP932" elsewhere, with the same bytes for every
// character of the code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// CP932 bytes to UTF-8. Each byte that does not start a valid CP932 character becomes
// U+FFFD; *invalid is set when that happened.
std::string cp932ToUtf8(std::string_view bytes, bool* invalid = nullptr);

// UTF-8 to CP932 bytes; nullopt when a character has no CP932 form (no best-fit
// substitutes), with that character (as UTF-8) in *unmappable.
std::optional<std::string> utf8ToCp932(std::string_view utf8, std::string* unmappable = nullptr);

}  // namespace platform
