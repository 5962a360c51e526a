// Window size bounded by the screen.
#include "common/gui/window_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace gui {

void fitToScreen(QWidget* window, QSize preferred) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(preferred);
        return;
    }
    // The frame is not known before the window is shown: leave room for a usual title bar.
    constexpr int kFrameWidth = 16, kFrameHeight = 40;
    const QSize room = screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
    window->resize(preferred.boundedTo(room).expandedTo(window->minimumSizeHint().boundedTo(room)));
}

}  // namespace gui
