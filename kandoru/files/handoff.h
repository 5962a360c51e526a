// The hand-off file XTemp.txt for the drawing program, and the command that writes it
// and starts the drawing program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/textfile.h"
#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

inline constexpr const char* kHandoffFileName = "XTemp.txt";
inline constexpr const char* kDrawingProgram = "Zumenko";
inline constexpr int kHandoffLines = 6519;

// The records of the hand-off file, one UTF-8 text per line, without line ends: all rows
// of every table, the format data as held (an empty setting as "0"), the settings lines.
std::vector<std::string> handoffLines(const Document& doc);

// Writes the hand-off file (CP932, CR LF) to path, by default XTemp.txt in the
// rendezvous folder. The old file stays intact when the write fails.
common::WriteResult TempSave(const Document& doc, const std::filesystem::path& path);
common::WriteResult TempSave(const Document& doc);

// "作図レイアウト": format check, tab 3, TempSave, then the drawing program started
// without waiting. A failed write or start is reported and the editor carries on.
void drawingHandoff(Document& doc, common::Ui& ui);

}  // namespace kandoru
