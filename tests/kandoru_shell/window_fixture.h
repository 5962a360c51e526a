// The real main window with a scripted Ui, shown and active so that focus events arrive.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "kandoru/shell/main_window.h"
#include "kandoru/shell/profile_tabs.h"
#include "support/fake_ui.h"

namespace shell_test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<kandoru::shell::MainWindow>(&ui);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    kandoru::Document& doc() { return window->document(); }

    template <typename W>
    W* find(const char* name) {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        if (!w) {  // on a page not shown yet
            for (int tab = kandoru::kTabRoutes; tab <= kandoru::kTabCad; ++tab)
                window->ensurePage(tab);
            w = window->findChild<W*>(QString::fromLatin1(name));
        }
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* field(const char* name) { return find<QLineEdit>(name); }

    kandoru::shell::ProfileTabs* tabs() { return find<kandoru::shell::ProfileTabs>("SSTab1"); }
    void clickTab(int tab) {
        QTabBar* bar = tabs()->bar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    // Goes to the tab of grid n and puts its current cell at (r, c), focus on the grid.
    gui::GridView* at(int n, int r, int c) {
        static const int tabOf[] = {2, 1, 2, 3, 1, 3, 3, 3, 3};
        if (tabs()->currentIndex() != tabOf[n]) clickTab(tabOf[n]);
        gui::GridView* g = window->grid(n);
        g->table().setCurrent(r, c);
        g->refresh();
        g->setFocus();
        return g;
    }
    QLineEdit* box(int n) { return window->cellEditor(n)->editor(); }

    // Types text into grid n at (r, c) and ends the edit with key.
    void type(int n, int r, int c, const QString& text, Qt::Key end = Qt::Key_Return) {
        gui::GridView* g = at(n, r, c);
        QTest::keyClicks(g, text.left(1));
        QString rest = text.mid(1);
        bool ascii =
            std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.unicode() < 128; });
        if (ascii)
            QTest::keyClicks(box(n), rest);
        else
            box(n)->insert(rest);  // what an input method hands over
        QTest::keyClick(box(n), end);
    }

    void clickToolbar(const char* name) {
        auto* bar = find<QToolBar>("Toolbar1");
        QAction* a = find<QAction>(name);
        QTest::mouseClick(bar->widgetForAction(a), Qt::LeftButton);
    }

    testing_support::FakeUi ui;
    std::unique_ptr<kandoru::shell::MainWindow> window;
};

}  // namespace shell_test
