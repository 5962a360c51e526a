// Shoveda, the format data manager.
#include <QApplication>

#include "common/gui/app_start.h"
#include "shoveda/shell/main_window.h"

int main(int argc, char** argv) {
    auto app = gui::startApplication(argc, argv, "Shoveda");
    shoveda::MainWindow window;
    gui::reportFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
