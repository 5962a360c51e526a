// Whether a window fits a small screen: every button, field, list, table and the status bar
// of every tab lies wholly inside the window and is not cut by its parents.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QWidget>
#include <string>
#include <vector>

namespace testing_support {

// The screen space a window gets on 1366 × 768 and on 1920 × 1080 at 150 % scaling
// (1280 × 720 logical), less a task bar and the window's title bar.
inline const QSize kSmallScreenClient{1280, 650};

// Names (object name, else class) of the controls of window that are not wholly visible
// when the window is resized to size, on each tab of tabs in turn (tabs may be null).
// The window's own size must not exceed size either (reported as "window").
inline std::vector<std::string> unreachableControls(QWidget* window, QTabWidget* tabs, QSize size,
                                                    int minTableHeight = 80) {
    std::vector<std::string> out;
    window->resize(size);
    QApplication::processEvents();
    if (window->width() > size.width() || window->height() > size.height())
        out.push_back("window " + std::to_string(window->width()) + "x" +
                      std::to_string(window->height()));
    const int pages = tabs ? tabs->count() : 1;
    for (int p = 0; p < pages; ++p) {
        if (tabs) tabs->setCurrentIndex(p);
        QApplication::processEvents();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<QComboBox*>(w) || qobject_cast<QStatusBar*>(w) ||
                                 qobject_cast<QAbstractScrollArea*>(w);
            if (!control || !w->isVisible() || w->window() != window) continue;
            // What a scroll area holds is reached by scrolling it: the area itself is checked.
            bool scrolled = false;
            for (QWidget* a = w->parentWidget(); a && a != window; a = a->parentWidget())
                if (qobject_cast<QScrollArea*>(a)) scrolled = true;
            if (scrolled) continue;
            // Parts of composite widgets (a spin box's field, a tab bar's scroll buttons,
            // the view's corner button) go with their owner.
            if (qobject_cast<QComboBox*>(w->parentWidget()) || w->inherits("QTabBar") ||
                (w->parentWidget() && w->parentWidget()->inherits("QTabBar")) ||
                (w->parentWidget() && w->parentWidget()->inherits("QAbstractSpinBox")) ||
                (w->parentWidget() && w->parentWidget()->inherits("QAbstractItemView")) ||
                w->inherits("QToolBarExtension") || w->objectName().startsWith("txtForEdit"))
                continue;
            const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
            // The part its parents leave visible.
            QRect shown = inWindow;
            for (QWidget* a = w->parentWidget(); a && a != window; a = a->parentWidget())
                shown &= QRect(a->mapTo(window, QPoint(0, 0)), a->size());
            const bool table = qobject_cast<QAbstractItemView*>(w) != nullptr;
            bool ok = window->rect().contains(inWindow) && shown.size() == w->size();
            if (table) ok = ok && w->height() >= minTableHeight;
            if (!ok) {
                QString name = w->objectName().isEmpty()
                                   ? QString::fromLatin1(w->metaObject()->className())
                                   : w->objectName();
                if (auto* b = qobject_cast<QAbstractButton*>(w)) name += " " + b->text();
                out.push_back("tab " + std::to_string(p) + ": " + name.toStdString() + " at " +
                              std::to_string(inWindow.x()) + "," + std::to_string(inWindow.y()) +
                              " " + std::to_string(w->width()) + "x" + std::to_string(w->height()) +
                              " shown " + std::to_string(shown.width()) + "x" +
                              std::to_string(shown.height()));
            }
        }
    }
    return out;
}

}  // namespace testing_support
