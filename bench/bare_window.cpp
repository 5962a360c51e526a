// The yardstick of the start-time benchmark: a bare Qt main window of Kandoru's size,
// started and painted the same way.
#include <QApplication>
#include <QMainWindow>

#include "common/gui/app_start.h"
#include "common/gui/window_fit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    gui::fitToScreen(&window, QSize(1280, 900));
    gui::reportFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
