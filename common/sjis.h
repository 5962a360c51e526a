// Code page 932 (Windows Shift_JIS) conversion, done for whole files at once.
#pragma once

#include "common/platform/cp932.h"

namespace common {

// CP932 bytes to UTF-8. Bytes that are not valid CP932 become U+FFFD; *invalid is set
// when that happened.
using platform::cp932ToUtf8;

// UTF-8 to CP932 bytes; nullopt when a character has no CP932 form, with that character
// (as UTF-8) in *unmappable.
using platform::utf8ToCp932;

}  // namespace common
