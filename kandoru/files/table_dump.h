// The tables FGrid1 to FGrid8 as plain text, for comparing a calculation made in one
// place with the same calculation made in another (gesui calc --tables, window tests).
#pragma once

#include <string>

#include "kandoru/document.h"

namespace kandoru {

// One line "FGridN<TAB>row<TAB>column 1<TAB>...<TAB>last column" for every data row with
// any text, table by table and row by row; UTF-8, each line ended by LF.
std::string dumpTables(const Document& doc);

}  // namespace kandoru
