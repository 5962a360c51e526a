// Small drawn toolbar icons for the commands the standard icon set has no picture for.
#pragma once

#include <QIcon>

namespace kandoru::shell {

QIcon exportIcon();   // a sheet with lines: the text export
QIcon calcIcon();     // a profile with a pipe and a sigma: the recalculation
QIcon drawingIcon();  // a ground line over a pipe: the profile drawing
QIcon formatIcon();   // a table: the format data manager

}  // namespace kandoru::shell
