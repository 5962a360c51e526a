// Where each text item of the format document stands in the window, in the words of its
// tab, frame and caption, for messages that name a setting.
#pragma once

#include <string>

#include "common/unmappable.h"
#include "shoveda/format/document.h"

namespace shoveda {

// "作図設定１ 用紙 規格" for item 9; "設定 n" for an item the window shows no text of.
std::string itemPlace(int n);

// The characters of the tables and text items that Shift_JIS cannot hold, with places.
common::UnmappableFinder unmappableText(const FormatDocument& doc);

}  // namespace shoveda
