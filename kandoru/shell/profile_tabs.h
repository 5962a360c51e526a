// The tabbed area of the main window. The current tab belongs to the document: a click on
// a tab (or Ctrl+Tab) only asks for the switch, and the area shows the tab it is told.
#pragma once

#include <QTabWidget>
#include <functional>

namespace kandoru::shell {

class ProfileTabs : public QTabWidget {
public:
    explicit ProfileTabs(QWidget* parent = nullptr);

    // Called with the tab the user asks for; the owner decides and calls show().
    std::function<void(int)> onTabRequested;

    void show(int tab) { setCurrentIndex(tab); }
    QTabBar* bar() const { return tabBar(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void request(int tab);
};

}  // namespace kandoru::shell
