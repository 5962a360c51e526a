// The shared cell editor on a bare grid: opening keys, commit on focus loss, Enter moves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "common/gui/cell_editor.h"
#include "common/gui/grid_view.h"
#include "common/gui/key_filters.h"

namespace {

struct Commit {
    int row, col;
    std::string text;
};

class CellEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        grid = new gui::GridView(table, "FGrid1", window.get());
        other = new QLineEdit(window.get());
        layout->addWidget(grid);
        layout->addWidget(other);
        editor = new gui::CellEditor(
            grid, common::routeGridParams(), target, [this] { return moveRight; },
            [this](int r, int c, const std::string& t) {
                commits.push_back({r, c, t});
                table.setText(r, c, "[" + t + "]");
            },
            "txtForEdit");
        editor->beep = [this] { ++beeps; };
        window->resize(500, 400);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        table.setText(1, 1, "12.500");
        grid->refresh();
        grid->setFocus();
    }

    void at(int r, int c) {
        table.setCurrent(r, c);
        grid->refresh();
    }
    QLineEdit* box() const { return editor->editor(); }

    common::Table table{200, 4};
    std::shared_ptr<gui::EditTarget> target = std::make_shared<gui::EditTarget>();
    bool moveRight = true;
    std::vector<Commit> commits;
    int beeps = 0;
    std::unique_ptr<QWidget> window;
    gui::GridView* grid = nullptr;
    QLineEdit* other = nullptr;
    gui::CellEditor* editor = nullptr;
};

TEST_F(CellEditorTest, TypingReplacesAndEnterCommitsAndMovesRight) {
    at(1, 1);
    QTest::keyClick(grid, Qt::Key_7);
    ASSERT_TRUE(box()->isVisible());
    EXPECT_EQ(box()->text(), "7");
    EXPECT_EQ(box()->cursorPosition(), 1);
    EXPECT_EQ(box()->objectName(), "txtForEdit");
    EXPECT_EQ(box()->geometry(), grid->cellRect(1, 1));
    QTest::keyClick(box(), Qt::Key_Return);
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits[0].text, "7");
    EXPECT_EQ(table.text(1, 1), "[7]");
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(table.currentCol(), 2);
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(CellEditorTest, SpaceAndF2KeepTheTextWithTheCaretAtStartOrEnd) {
    at(1, 1);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(box()->text(), "12.500");
    EXPECT_EQ(box()->cursorPosition(), 0);
    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_TRUE(commits.empty());
    EXPECT_EQ(table.text(1, 1), "12.500");
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(box()->cursorPosition(), 6);
    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_FALSE(box()->isVisible());
    EXPECT_TRUE(commits.empty());
}

// Text composed with the input method replaces the cell as typed characters do; left in
// front of the old text, "１３" over 12.500 would commit 1312.5.
TEST_F(CellEditorTest, InputMethodTextReplacesTheCell) {
    struct Case {
        QString preedit, commit, expected;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("１３"), QStringLiteral("１３")},
        {QStringLiteral("ろ"), QString(), QString()},  // still composing: nothing yet
    };
    for (const auto& c : cases) {
        at(1, 1);
        table.setText(1, 1, "12.500");
        QInputMethodEvent ime(c.preedit, {});
        if (!c.commit.isEmpty()) ime.setCommitString(c.commit);
        QCoreApplication::sendEvent(grid, &ime);
        ASSERT_TRUE(box()->isVisible()) << c.commit.toStdString();
        EXPECT_EQ(box()->text(), c.expected);
        QTest::keyClick(box(), Qt::Key_Escape);
    }
    EXPECT_TRUE(commits.empty());
}

TEST_F(CellEditorTest, DeleteOpensEmptyAndEnterCommitsEmpty) {
    at(1, 1);
    QTest::keyClick(grid, Qt::Key_Delete);
    ASSERT_TRUE(box()->isVisible());
    EXPECT_EQ(box()->text(), "");
    QTest::keyClick(box(), Qt::Key_Enter);
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits[0].text, "");
}

TEST_F(CellEditorTest, ControlKeysOpenNothing) {
    at(2, 2);
    QTest::keyClick(grid, Qt::Key_Tab);
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(box()->isVisible());
}

TEST_F(CellEditorTest, CommitWritesTheCellWhereTheEditorOpened) {
    at(3, 2);
    QTest::keyClick(grid, Qt::Key_A);
    QTest::keyClick(box(), Qt::Key_B);
    EXPECT_EQ(box()->text(), "ab");
    QTest::mouseClick(other, Qt::LeftButton);
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits[0].row, 3);
    EXPECT_EQ(commits[0].col, 2);
    EXPECT_FALSE(box()->isVisible());
}

TEST_F(CellEditorTest, ScrollingTheGridCommits) {
    at(1, 3);
    QTest::keyClick(grid, Qt::Key_5);
    ASSERT_TRUE(box()->isVisible());
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 5);
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits[0].text, "5");
    EXPECT_FALSE(box()->isVisible());
}

TEST_F(CellEditorTest, UpDownAndDownwardsMoveStopAtTheEdges) {
    moveRight = false;
    at(200, 1);
    QTest::keyClick(grid, Qt::Key_1);
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(table.currentRow(), 200);
    QTest::keyClick(grid, Qt::Key_2);
    QTest::keyClick(box(), Qt::Key_Up);
    EXPECT_EQ(table.currentRow(), 199);
    EXPECT_EQ(commits.size(), 2u);
    at(1, 1);
    QTest::keyClick(grid, Qt::Key_3);
    QTest::keyClick(box(), Qt::Key_Up);
    EXPECT_EQ(table.currentRow(), 1);
    QTest::keyClick(grid, Qt::Key_4);
    QTest::keyClick(box(), Qt::Key_Down);
    EXPECT_EQ(table.currentRow(), 2);
}

TEST_F(CellEditorTest, RightWrapsAtTheLastColumn) {
    at(5, 4);
    QTest::keyClick(grid, Qt::Key_9);
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(table.currentRow(), 6);
    EXPECT_EQ(table.currentCol(), 1);
}

TEST_F(CellEditorTest, DoubleQuotesAreRefusedWithABeep) {
    at(1, 1);
    QTest::keyClick(grid, '"');
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(beeps, 1);
    QTest::keyClick(grid, Qt::Key_A);
    QTest::keyClick(box(), '"');
    EXPECT_EQ(box()->text(), "a");
    EXPECT_EQ(beeps, 2);
    box()->insert("x\"y");  // a paste with a quote is refused whole
    EXPECT_EQ(box()->text(), "a");
}

TEST(KeyFilter, NumericFieldTakesOnlyTheKeysOfANumber) {
    QLineEdit field;
    int beeps = 0;
    gui::installNumericFilter(&field)->beep = [&] { ++beeps; };
    field.show();
    field.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
    QTest::keyClicks(&field, "-12.5");
    EXPECT_EQ(field.text(), "-12.5");
    QTest::keyClicks(&field, "+,/ a");
    EXPECT_EQ(field.text(), "-12.5");
    EXPECT_EQ(beeps, 5);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "-12.");
    EXPECT_EQ(beeps, 5);
}

}  // namespace
