// Commands through the window: tab switching and its rules, the calculation gate from the
// toolbar and the menu, the hand-off and Shoveda buttons.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "common/rendezvous.h"
#include "support/golden.h"
#include "window_fixture.h"

namespace shell_test {
namespace {

using Commands = WindowTest;
using common::Icon;
using testing_support::ShownMessage;

TEST_F(Commands, TabClickRunsTheTabSwitchRulesOnce) {
    doc().fgrid1.setText(1, 1, "9");
    doc().fgrid1.setText(2, 1, "9");
    doc().fgrid1.setText(3, 1, "8");
    doc().fgrid1.setText(1, 4, "12.500");
    doc().fgrid1.setText(2, 4, "12.500");
    QTest::keyClicks(field("txtOutletRoute"), "9");
    QTest::keyClicks(field("txtOutletGround"), "12.5");
    clickTab(1);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(doc().currentTab(), 1);
    EXPECT_EQ(ui.tabsShown, std::vector<int>({1}));
    clickTab(0);
    field("txtOutletRoute")->setText("10");
    field("txtOutletGround")->setText("13");
    clickTab(3);
    EXPECT_EQ(doc().fgrid1.text(1, 1), "10");
    EXPECT_EQ(doc().fgrid1.text(2, 1), "10");
    EXPECT_EQ(doc().fgrid1.text(3, 1), "8");
    EXPECT_EQ(doc().fgrid1.text(1, 4), "13.000");
    // A second switch without a change renames nothing.
    doc().fgrid1.setText(3, 1, "9");
    clickTab(1);
    EXPECT_EQ(doc().fgrid1.text(3, 1), "9");
    // Clicking the tab already shown is no switch.
    clickTab(1);
    EXPECT_EQ(ui.tabsShown.size(), 4u);
}

TEST_F(Commands, AnOpenEditorCommitsBeforeTheTabSwitchRulesRun) {
    doc().rememberedOutletRoute = "9";
    doc().settings.outletRoute = "10";
    gui::GridView* g = at(1, 1, 1);
    doc().rememberedOutletRoute = "9";  // the switch to tab 1 remembered "10"
    QTest::keyClick(g, Qt::Key_9);
    ASSERT_TRUE(box(1)->isVisible());
    clickTab(0);
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(doc().fgrid1.text(1, 1), "10");
}

TEST_F(Commands, CalculationGateFromTheToolbarMenuAndButton) {
    QTest::keyClicks(field("txtMinCover"), "1.2");
    clickToolbar("tbCalc");
    EXPECT_EQ(ui.onlyMessage(), (ShownMessage{Icon::Exclamation, "縦断図書式ファイル",
                                              "縦断図書式ファイルを読み込んでください。\r\n\r\n"
                                              "縦断図の書式の窓をダブルクリックしてください。"}));
    // The menu item shows tab 2 first, then the gate sends the user to tab 0.
    EXPECT_EQ(ui.tabsShown, std::vector<int>({2, 0}));
    EXPECT_EQ(tabs()->currentIndex(), 0);

    doc().formatLoaded = true;
    field("txtMinCover")->clear();
    ui.messages.clear();
    find<QAction>("mnuCalc")->trigger();
    EXPECT_EQ(ui.onlyMessage().title, "最小土被りエラー");
    EXPECT_EQ(ui.onlyMessage().text, "最小土被りが未入力です。");

    QTest::keyClicks(field("txtMinCover"), "1.2");
    field("txtManholeDrop")->clear();
    ui.messages.clear();
    clickTab(2);
    QTest::mouseClick(find<QPushButton>("cmdCalc"), Qt::LeftButton);
    EXPECT_EQ(ui.onlyMessage().title, "人孔内の落差エラー");
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

TEST_F(Commands, HandOffNeedsTheFormatThenWritesTheFileAndStartsZumenko) {
    testing_support::TempDir home;
    testing_support::ScopedHome scoped(home.path());
    clickTab(3);
    QTest::mouseClick(find<QPushButton>("cmdLayout"), Qt::LeftButton);
    EXPECT_EQ(ui.onlyMessage().title, "縦断図書式ファイル");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(ui.programsStarted.empty());

    doc().formatLoaded = true;
    ui.messages.clear();
    clickToolbar("tbDraw");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(tabs()->currentIndex(), 3);
    EXPECT_TRUE(std::filesystem::exists(common::rendezvousPath("XTemp.txt")));
    EXPECT_EQ(ui.programsStarted, std::vector<std::string>({"Zumenko"}));
    find<QAction>("mnuLayout")->trigger();
    EXPECT_EQ(ui.programsStarted.size(), 2u);
}

TEST_F(Commands, ExportButtonWritesTheTextFileIntoTheRendezvousFolder) {
    testing_support::TempDir home;
    testing_support::ScopedHome scoped(home.path());
    clickToolbar("tbPrint");
    EXPECT_EQ(ui.onlyMessage().title, "データファイル");
    EXPECT_EQ(ui.onlyMessage().icon, Icon::Information);
    EXPECT_TRUE(std::filesystem::exists(common::rendezvousPath("縦断データ.txt")));
}

TEST_F(Commands, RowButtonsKeepTheViewWhereTheUserWas) {
    for (int r = 1; r <= 5; ++r) doc().fgrid4.setText(r, 1, "A" + std::to_string(r));
    at(4, 3, 1);
    ui.answers = {true};
    QTest::mouseClick(find<QPushButton>("cmdPointDelete"), Qt::LeftButton);
    EXPECT_EQ(doc().fgrid4.text(3, 1), "A4");
    EXPECT_EQ(doc().fgrid4.currentRow(), 200);
    EXPECT_EQ(window->grid(4)->verticalScrollBar()->value(), 0);
    // The parked row counts as no row selected.
    QTest::mouseClick(find<QPushButton>("cmdPointDelete"), Qt::LeftButton);
    EXPECT_EQ(ui.onlyMessage().title, "行の選択");
}

// A table on another tab keeps its place too: it must not jump to the parked last row
// when it is next shown.
TEST_F(Commands, ARouteInsertLeavesTheSplitTableWhereTheUserLeftIt) {
    const char* labels[] = {"1", "2", "3"};
    for (int r = 1; r <= 3; ++r) {
        doc().fgrid1.setText(r, 1, labels[r - 1]);
        doc().fgrid1.setText(r, 3, "1");
        doc().fgrid2.setText(r, 1, labels[r - 1]);
    }
    // Before route 2, then before route 3 (row 4 once the first new row stands above it).
    for (auto [scrolled, routeRow] : {std::pair{0, 2}, std::pair{40, 4}}) {
        SCOPED_TRACE(scrolled);
        gui::GridView* split = at(2, scrolled + 1, 2);
        split->verticalScrollBar()->setValue(scrolled);
        QApplication::processEvents();
        const int before = split->verticalScrollBar()->value();
        at(1, routeRow, 1);
        ui.answers = {true};
        QTest::mouseClick(find<QPushButton>("cmdRouteInsert"), Qt::LeftButton);
        ASSERT_EQ(doc().fgrid2.currentRow(), 1000);
        clickTab(kandoru::kTabSplit);
        QApplication::processEvents();
        EXPECT_EQ(split->verticalScrollBar()->value(), before);
    }
}

TEST_F(Commands, ShovedaButtonStartsShovedaAndAFailureChangesNothing) {
    ui.startSucceeds = false;
    clickToolbar("tbShoveda");
    EXPECT_EQ(ui.programsStarted, std::vector<std::string>({"Shoveda"}));
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace shell_test

namespace shell_test {
namespace {

using Files = WindowTest;

TEST_F(Files, OpenShowsTheFileInFieldsTablesAndStatusBar) {
    ui.openFiles.push_back(testing_support::testData("kandoru/osa_full.osa"));
    clickToolbar("tbOpen");
    EXPECT_EQ(ui.openTitles, std::vector<std::string>({"縦断データを開く"}));
    // No format file yet: the closing calculation warns and the window ends on tab 0.
    EXPECT_EQ(ui.onlyMessage().title, "縦断図書式ファイル");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(field("txtProjectName")->text(), "○○地区　汚水管渠 ㎜");
    EXPECT_EQ(field("txtFormatFile")->text(), "標準書式.osb");
    EXPECT_EQ(field("txtOutletRoute")->text(), "流末①");
    EXPECT_EQ(field("txtMinCover")->text(), "1.2");
    EXPECT_TRUE(find<QRadioButton>("optKutter")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("optManning")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("optCrownJoint")->isChecked());
    EXPECT_EQ(find<QComboBox>("cboDigits4")->currentText(), "1");
    EXPECT_EQ(find<QLabel>("statusPanel1")->text(), "osa_full.osa");
    gui::GridView* routes = window->grid(1);
    EXPECT_EQ(routes->model()->data(routes->tableModel()->indexOf(2, 1)).toString(), "髙田－２");
}

TEST_F(Files, DoubleClickOnTheFormatFieldReadsTheFormatFile) {
    ui.openFiles.push_back(testing_support::examplesDir() / "standard.osb");
    QLineEdit* f = field("txtFormatFile");
    QTest::mouseDClick(f, Qt::LeftButton);
    EXPECT_EQ(ui.openPresets, std::vector<std::string>({"ダブルクリックしてください"}));
    EXPECT_EQ(f->text(), "standard.osb");
    EXPECT_EQ(find<QLabel>("statusPanel2")->text(), "standard.osb");
    EXPECT_FALSE(
        window->grid(0)->model()->data(window->grid(0)->model()->index(0, 0)).toString().isEmpty());
    // The closing calculation stops at the empty minimum cover.
    EXPECT_EQ(ui.onlyMessage().text, "最小土被りが未入力です。");
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

TEST_F(Files, ExitAsksUnlessSavedAndUnchangedAndACancelledSaveKeepsTheWindow) {
    testing_support::TempDir dir;
    // Never saved: Yes leads to the save-as dialog; cancelling it keeps the window.
    ui.answers = {true};
    ui.saveFiles.push_back(std::nullopt);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ui.questions.back().text, "データを保存しますか。");

    ui.saveFiles.push_back(dir / "a.osa");
    find<QAction>("mnuSaveAs")->trigger();
    EXPECT_EQ(find<QLabel>("statusPanel1")->text(), "a.osa");
    // Saved and unchanged: no question.
    size_t asked = ui.questions.size();
    find<QAction>("mnuExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ui.questions.size(), asked);
}

TEST_F(Files, ExitAfterAChangeAsksAndNoCloses) {
    testing_support::TempDir dir;
    ui.saveFiles.push_back(dir / "b.osa");
    clickToolbar("tbSave");  // no path yet: save as
    EXPECT_TRUE(std::filesystem::exists(dir / "b.osa"));
    type(1, 1, 1, "A1");
    ui.answers = {false};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ui.questions.size(), 1u);
}

}  // namespace
}  // namespace shell_test
