// Windows open at their preferred size, but never larger than the screen's free area.
#pragma once

#include <QSize>

class QWidget;

namespace gui {

// Resizes window to preferred, bounded by the available area of its screen less room for
// the title bar and frame, so that every control is reachable without resizing. Call
// before the window is shown.
void fitToScreen(QWidget* window, QSize preferred);

}  // namespace gui
