// Shoveda, the format data manager.
#include <QApplication>

#include "shoveda/shell/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    shoveda::MainWindow window;
    window.show();
    return app.exec();
}
