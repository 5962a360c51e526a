// Kandoru: the profile data editor. No arguments are read.
#include <QApplication>
#include <QDir>

#include "common/gui/app_start.h"
#include "kandoru/shell/main_window.h"

int main(int argc, char** argv) {
    auto app = gui::startApplication(argc, argv, "Kandoru");
    QApplication::setApplicationName(QStringLiteral("Kandoru"));
    // Dialogs open in the program's folder, and the siblings are found beside it.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    kandoru::shell::MainWindow window;
    gui::reportFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
