// The start of every window program: Qt's own dialog and button texts in Japanese, and one
// plain line instead of Qt's abort when there is no desktop to show a window on.
#pragma once

#include <QApplication>
#include <memory>

namespace gui {

// Makes the program's QApplication. Without a display it prints one line naming program
// and the headless gesui to standard error and ends the process with status 1.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv, const char* program);

// Loads Qt's Japanese translation (open and save dialogs, Yes/No/OK/Cancel) whatever the
// system locale: the suite speaks only Japanese. False when no translation was found.
bool loadJapaneseTranslation();

// For the start-time benchmark: with GESUI_FIRST_PAINT set, the first paint of window
// prints "painted" on standard output and ends the process at once.
void reportFirstPaint(QWidget* window);

// The line startApplication prints when there is no display.
QString noDisplayMessage(const char* program);

}  // namespace gui
