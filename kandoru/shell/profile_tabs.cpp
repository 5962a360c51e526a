// Tab area whose tab changes go through the document.
#include "kandoru/shell/profile_tabs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>

namespace kandoru::shell {

ProfileTabs::ProfileTabs(QWidget* parent) : QTabWidget(parent) {
    tabBar()->setFocusPolicy(Qt::NoFocus);
    tabBar()->installEventFilter(this);
}

void ProfileTabs::request(int tab) {
    if (tab < 0 || tab >= count()) return;
    if (onTabRequested)
        onTabRequested(tab);
    else
        setCurrentIndex(tab);
}

bool ProfileTabs::eventFilter(QObject* watched, QEvent* event) {
    if (watched != tabBar()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton) {
                int tab = tabBar()->tabAt(me->position().toPoint());
                if (tab >= 0 && tab != currentIndex()) request(tab);
            }
            return true;
        }
        case QEvent::Wheel:
        case QEvent::KeyPress:
            // The tab bar would switch on its own; only clicks and Ctrl+Tab ask for a tab.
            return true;
        default:
            return false;
    }
}

void ProfileTabs::keyPressEvent(QKeyEvent* event) {
    bool ctrl = event->modifiers() & Qt::ControlModifier;
    int step = 0;
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)) step = 1;
    if (ctrl && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)) step = -1;
    if (ctrl && event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)) step = -1;
    if (step == 0) {
        event->ignore();
        return;
    }
    request((currentIndex() + step + count()) % count());
}

}  // namespace kandoru::shell
