// Small drawn toolbar icons. Open and save are drawn too: the style's standard icons search
// the icon theme's folders file by file, a third of the window's start time.
#pragma once

#include <QIcon>

namespace kandoru::shell {

QIcon openIcon();     // an open folder
QIcon saveIcon();     // a floppy disk
QIcon exportIcon();   // a sheet with lines: the text export
QIcon calcIcon();     // a profile with a pipe and a sigma: the recalculation
QIcon drawingIcon();  // a ground line over a pipe: the profile drawing
QIcon formatIcon();   // a table: the format data manager

}  // namespace kandoru::shell
