// The cell editors of the four editable tables in the real window: opening keys, moves,
// commits through each table's rule, and the key filters of the setting fields.
#include <QRadioButton>
#include <QScrollBar>

#include "window_fixture.h"

namespace shell_test {
namespace {

using Editing = WindowTest;

TEST_F(Editing, TypingReplacesTheCellAndEnterCommitsThroughTheRouteRule) {
    doc().fgrid1.setText(1, 2, "12.500");
    gui::GridView* g = at(1, 1, 2);
    QTest::keyClick(g, Qt::Key_7);
    ASSERT_TRUE(box(1)->isVisible());
    EXPECT_EQ(box(1)->objectName(), "txtForEdit");
    EXPECT_EQ(box(1)->text(), "7");
    EXPECT_EQ(box(1)->cursorPosition(), 1);
    QTest::keyClick(box(1), Qt::Key_Return);
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(doc().fgrid1.text(1, 2), "7.000");
    EXPECT_EQ(doc().fgrid1.currentCol(), 3);
    EXPECT_EQ(g->model()->data(g->tableModel()->indexOf(1, 2)).toString(), "7.000");
}

TEST_F(Editing, SpaceAndF2KeepTheTextDeleteEmptiesItEscapeRestores) {
    doc().fgrid4.setText(2, 3, "8.250");
    gui::GridView* g = at(4, 2, 3);
    QTest::keyClick(g, Qt::Key_Space);
    EXPECT_EQ(box(4)->text(), "8.250");
    EXPECT_EQ(box(4)->cursorPosition(), 0);
    QTest::keyClicks(box(4), "9");
    QTest::keyClick(box(4), Qt::Key_Escape);
    EXPECT_FALSE(box(4)->isVisible());
    EXPECT_EQ(doc().fgrid4.text(2, 3), "8.250");

    QTest::keyClick(g, Qt::Key_F2);
    EXPECT_EQ(box(4)->cursorPosition(), 5);
    QTest::keyClick(box(4), Qt::Key_Escape);

    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_EQ(box(4)->text(), "");
    QTest::keyClick(box(4), Qt::Key_Return);
    EXPECT_EQ(doc().fgrid4.text(2, 3), "0.000");
}

TEST_F(Editing, ControlKeysAndShortcutsOpenNothing) {
    gui::GridView* g = at(1, 3, 1);
    QTest::keyClick(g, Qt::Key_Tab);
    QTest::keyClick(g, Qt::Key_Escape);
    QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(ui.beeps, 0);
    QTest::keyClick(g, '"');
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(ui.beeps, 1);
}

TEST_F(Editing, MovingRightWrapsAtEachTablesLastColumnAndStopsAtTheLastRow) {
    type(1, 5, 4, "1");
    EXPECT_EQ(doc().fgrid1.currentRow(), 6);
    EXPECT_EQ(doc().fgrid1.currentCol(), 1);
    type(1, 200, 4, "1");
    EXPECT_EQ(doc().fgrid1.currentRow(), 200);
    EXPECT_EQ(doc().fgrid1.currentCol(), 1);

    type(2, 12, 7, "9");
    EXPECT_EQ(doc().fgrid2.currentRow(), 13);
    EXPECT_EQ(doc().fgrid2.currentCol(), 2);
    // Column 8 is reached by F2 only, and also wraps.
    QTest::keyClick(at(2, 1000, 8), Qt::Key_F2);
    ASSERT_TRUE(box(2)->isVisible());
    QTest::keyClick(box(2), Qt::Key_Return);
    EXPECT_EQ(doc().fgrid2.currentRow(), 1000);
    EXPECT_EQ(doc().fgrid2.currentCol(), 2);

    type(3, 4, 5, "0.3");
    EXPECT_EQ(doc().fgrid3.currentRow(), 5);
    EXPECT_EQ(doc().fgrid3.currentCol(), 2);
}

TEST_F(Editing, DownwardsMoveIsChosenOnTabZeroAndStopsAtTheEdges) {
    clickTab(0);
    QTest::mouseClick(find<QRadioButton>("optDown"), Qt::LeftButton);
    EXPECT_FALSE(doc().moveRight);
    type(4, 199, 2, "1");
    EXPECT_EQ(doc().fgrid4.currentRow(), 200);
    EXPECT_EQ(doc().fgrid4.currentCol(), 2);
    type(4, 200, 2, "1");
    EXPECT_EQ(doc().fgrid4.currentRow(), 200);
    type(4, 200, 2, "1", Qt::Key_Down);
    EXPECT_EQ(doc().fgrid4.currentRow(), 200);
    type(4, 1, 2, "1", Qt::Key_Up);
    EXPECT_EQ(doc().fgrid4.currentRow(), 1);
    type(4, 5, 2, "2", Qt::Key_Up);
    EXPECT_EQ(doc().fgrid4.currentRow(), 4);
    EXPECT_EQ(doc().fgrid4.text(5, 2), "2.000");
}

TEST_F(Editing, SplitTableOpensOnlyInItsTypingColumnsButF2WorksInColumnEight) {
    gui::GridView* g = at(2, 3, 1);
    QTest::keyClick(g, Qt::Key_5);
    EXPECT_FALSE(box(2)->isVisible());
    QTest::keyClick(g, Qt::Key_F2);  // column 1 is the label, not even F2 opens it
    EXPECT_FALSE(box(2)->isVisible());
    g = at(2, 3, 8);
    QTest::keyClick(g, Qt::Key_5);
    EXPECT_FALSE(box(2)->isVisible());
    QTest::keyClick(g, Qt::Key_F2);
    ASSERT_TRUE(box(2)->isVisible());
    EXPECT_EQ(box(2)->objectName(), "txtForEdit2");
    QTest::keyClick(box(2), Qt::Key_Escape);
    // The manhole table types into columns 2 to 5 only.
    g = at(3, 1, 6);
    QTest::keyClick(g, Qt::Key_5);
    EXPECT_FALSE(box(3)->isVisible());
    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_TRUE(box(3)->isVisible());
    EXPECT_EQ(box(3)->objectName(), "txtForEdit3");
}

TEST_F(Editing, ScrollingAClickElsewhereAndATabSwitchCommit) {
    gui::GridView* g = at(1, 2, 2);
    QTest::keyClick(g, Qt::Key_4);
    g->verticalScrollBar()->setValue(g->verticalScrollBar()->value() + 10);
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(doc().fgrid1.text(2, 2), "4.000");

    g = at(1, 3, 2);
    QTest::keyClick(g, Qt::Key_5);
    QTest::mouseClick(window->grid(4)->viewport(), Qt::LeftButton, {}, QPoint(60, 30));
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(doc().fgrid1.text(3, 2), "5.000");

    g = at(3, 1, 2);
    QTest::keyClicks(g, "N");
    QTest::keyClicks(box(3), "o.1");
    clickTab(2);
    EXPECT_EQ(doc().fgrid3.text(1, 2), "No.1");
    EXPECT_EQ(doc().currentTab(), 2);
}

TEST_F(Editing, EveryCommitRuleThroughTheEditor) {
    // Route table: counts below 1 become 1, a new route number brings count 1.
    type(1, 1, 1, "A1");
    EXPECT_EQ(doc().fgrid1.text(1, 3), "1");
    type(1, 1, 3, "-2");
    EXPECT_EQ(doc().fgrid1.text(1, 3), "1");
    type(1, 1, 4, "abc");
    EXPECT_EQ(doc().fgrid1.text(1, 4), "0.000");
    // Change points: the label as typed, numbers formatted.
    type(4, 1, 1, "A1");
    type(4, 1, 2, "35");
    EXPECT_EQ(doc().fgrid4.text(1, 1), "A1");
    EXPECT_EQ(doc().fgrid4.text(1, 2), "35.000");
    // Manholes as typed.
    type(3, 2, 3, "1号");
    EXPECT_EQ(doc().fgrid3.text(2, 3), "1号");
    // Split table: a typed ground level and invert are fixed, purple, marked.
    doc().fgrid2.setText(2, 1, "A1-1");
    type(2, 2, 3, "8.5");
    EXPECT_EQ(doc().fgrid2.text(2, 3), "8.500");
    EXPECT_EQ(doc().fgrid2.color(2, 3), common::CellColor::Purple);
    EXPECT_EQ(doc().fgrid2.text(2, 10), "10");
    type(2, 2, 7, "7.25");
    EXPECT_EQ(doc().fgrid2.text(2, 12), "10");
    gui::GridView* g = window->grid(2);
    QVariant shown = g->model()->data(g->tableModel()->indexOf(2, 7), Qt::ForegroundRole);
    EXPECT_EQ(shown.value<QBrush>().color(), QColor(128, 0, 128));
    // F4 releases the fixed end invert.
    QTest::keyClick(at(2, 2, 7), Qt::Key_F4);
    EXPECT_FALSE(box(2)->isVisible());
    EXPECT_EQ(doc().fgrid2.text(2, 12), "0");
    EXPECT_EQ(doc().fgrid2.color(2, 7), common::CellColor::Black);
}

TEST_F(Editing, NumericFieldsTakeTheKeysOfANumberFreeTextRefusesQuotes) {
    for (const char* name : {"txtOutletGround", "txtHinterland", "txtMinCover", "txtManholeDrop"}) {
        QLineEdit* f = field(name);
        f->clear();
        f->setFocus();
        ui.beeps = 0;
        QTest::keyClicks(f, "-12.5");
        QTest::keyClicks(f, "+,/ a");
        EXPECT_EQ(f->text(), "-12.5") << name;
        EXPECT_EQ(ui.beeps, 5) << name;
        QTest::keyClick(f, Qt::Key_Backspace);
        EXPECT_EQ(f->text(), "-12.") << name;
    }
    EXPECT_EQ(doc().settings.minCover, "-12.");
    EXPECT_EQ(doc().settings.manholeDrop, "-12.");
    for (const char* name : {"txtProjectName", "txtOutletRoute", "txtOutletManholeType"}) {
        QLineEdit* f = field(name);
        f->setFocus();
        ui.beeps = 0;
        QTest::keyClicks(f, "a\"b");
        EXPECT_EQ(f->text(), "ab") << name;
        EXPECT_EQ(ui.beeps, 1) << name;
    }
    EXPECT_EQ(doc().settings.projectName, "ab");
    EXPECT_EQ(doc().settings.outletRoute, "ab");
}

// Keys as an input method in full-width mode sends them, one character each, to whatever
// has the focus.
void typeKeys(const QString& text) {
    for (QChar ch : text) {
        QWidget* w = QApplication::focusWidget();
        if (ch.unicode() < 128)
            QTest::keyClick(w, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

TEST_F(Editing, FullWidthNumbersCommitAsNumbersTextCellsKeepWhatWasTyped) {
    struct Case {
        int grid, row, col;
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {1, 1, 2, "１２．５", "12.500"},
        {1, 1, 4, "－０．２５", "-0.250"},
        {1, 1, 3, "３", "3"},
        {1, 2, 1, "１Ａ", "１Ａ"},  // route number: text
        {4, 1, 3, "１０．８", "10.800"},
        {4, 1, 2, "\u3000５", "5.000"},
        {2, 1, 2, "１２．５", "12.500"},
        {2, 1, 4, "２００", "２００"},  // pipe code: text
        {3, 1, 5, "０．６", "0.6"},
        {3, 1, 3, "１号", "１号"},  // manhole type: text
    };
    for (const auto& c : cases) {
        at(c.grid, c.row, c.col);
        typeKeys(QString::fromUtf8(c.typed));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(window->grid(c.grid)->table().text(c.row, c.col), c.stored)
            << "FGrid" << c.grid << " " << c.typed;
    }
}

TEST_F(Editing, NumericFieldsTakeFullWidthKeysAsAscii) {
    QLineEdit* f = field("txtOutletGround");
    f->clear();
    f->setFocus();
    ui.beeps = 0;
    typeKeys(QStringLiteral("１０．８＋\u3000"));
    EXPECT_EQ(f->text(), "10.8");
    EXPECT_EQ(ui.beeps, 2);  // the full-width plus and space are refused like "+" and " "
    EXPECT_EQ(doc().settings.outletGround, "10.8");
    f->clear();
    f->insert(QStringLiteral("－２．５"));  // pasted
    EXPECT_EQ(doc().settings.outletGround, "-2.5");
    QLineEdit* name = field("txtProjectName");
    name->setFocus();
    typeKeys(QStringLiteral("第２工区"));
    EXPECT_EQ(doc().settings.projectName, "第２工区");
}

}  // namespace
}  // namespace shell_test
