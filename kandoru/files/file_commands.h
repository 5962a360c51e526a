// The file commands of the editor: open, save and save as for *.osa files, and the
// decision of the exit command whether the window may close.
#pragma once

#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

inline constexpr const char* kOpenTitle = "縦断データを開く";
inline constexpr const char* kSaveAsTitle = "縦断データの保存";

// "開く": the open dialog, then the file read into the document (loadProfile: all headings
// first), the message naming what could not be read as written, the calculation, the
// recolouring of fixed cells and tab 0. A cancelled dialog changes nothing. True when a
// file was chosen.
bool openCommand(Document& doc, common::Ui& ui);

// "上書き保存": without a current file path the save-as command; otherwise the file is
// rewritten without asking. True when the file was written.
bool saveCommand(Document& doc, common::Ui& ui);

// "名前を付けて保存": the save dialog, the overwrite question for an existing file, then the
// write. The chosen path becomes the current file path once it is written (a declined
// overwrite leaves the old path current). True when the file was written.
bool saveAsCommand(Document& doc, common::Ui& ui);

// True while the document would save to exactly the bytes of the last save of this run.
bool unchangedSinceSave(const Document& doc);

// "終了": true when the window may close. Closes at once when the document was saved in
// this run and is unchanged since; otherwise asks "データを保存しますか。": No closes, Yes
// shows the save-as dialog and closes only when the file was written, so a cancelled
// dialog returns to the window with the work intact.
bool exitCommand(Document& doc, common::Ui& ui);

}  // namespace kandoru
