// What the window shows at start: tabs, fields with their start values, tables, menus,
// toolbar, status bar; the version window and the manual.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "kandoru/shell/manual.h"
#include "support/fits.h"
#include "window_fixture.h"

namespace shell_test {
namespace {

using Window = WindowTest;

QStringList items(QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

TEST_F(Window, StartsWithTheFourTabsAndTheSettingsAtTheirStartValues) {
    EXPECT_EQ(window->windowTitle(), "下水縦断図の作成");
    ASSERT_EQ(tabs()->count(), 4);
    EXPECT_EQ(tabs()->tabText(0), "縦断計算設定");
    EXPECT_EQ(tabs()->tabText(1), "路線・地盤変化点ﾃﾞｰﾀ");
    EXPECT_EQ(tabs()->tabText(2), "分割・縦断計算");
    EXPECT_EQ(tabs()->tabText(3), "CAD作成ﾃﾞｰﾀ");
    EXPECT_EQ(tabs()->currentIndex(), 0);

    EXPECT_EQ(field("txtProjectName")->text(), "");
    EXPECT_EQ(field("txtFormatFile")->text(), "ダブルクリックしてください");
    EXPECT_EQ(field("txtMinCover")->text(), "");
    EXPECT_EQ(field("txtManholeDrop")->text(), "0");
    EXPECT_EQ(field("txtOutletRoute")->text(), "");
    EXPECT_EQ(field("txtOutletGround")->text(), "");
    EXPECT_EQ(field("txtHinterland")->text(), "0");
    EXPECT_EQ(field("txtMinDiameter")->text(), "200");
    EXPECT_EQ(field("txtMaxDiameter")->text(), "600");
    EXPECT_TRUE(find<QRadioButton>("optManning")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("optKutter")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optCrownJoint")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optMinCover")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optRight")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("optDown")->isChecked());
    auto* pipe = find<QComboBox>("cboPipeType");
    EXPECT_EQ(items(pipe), QStringList({"塩化ﾋﾞﾆﾙ管(VU)", "鉄筋ｺﾝｸﾘｰﾄ管"}));
    EXPECT_EQ(pipe->currentText(), "塩化ﾋﾞﾆﾙ管(VU)");
    const char* digits[] = {"3", "2", "2", "2", "3", "2"};
    for (int i = 0; i < 6; ++i) {
        auto* c = find<QComboBox>(qPrintable(QStringLiteral("cboDigits%1").arg(i + 1)));
        EXPECT_EQ(items(c), QStringList({"1", "2", "3"}));
        EXPECT_EQ(c->currentText(), digits[i]) << i;
    }
    EXPECT_EQ(find<QLabel>("lblNote")->text(),
              "すべての入力欄に数値を入力してください。\n"
              "プロジェクト名は任意に入力してください。\n"
              "縦断図の書式の入力欄をダブルクリックし、書式データを読み込んでください。\n"
              "特に Shoveda ファイルを変更した場合は、再読込みしてください。");
    EXPECT_FALSE(find<QCheckBox>("chkDropPipe")->isChecked());
}

TEST_F(Window, FieldsWriteIntoTheDocumentAndShowItAgain) {
    QTest::keyClicks(field("txtMinCover"), "1.2");
    EXPECT_EQ(doc().settings.minCover, "1.2");
    find<QComboBox>("cboDigits5")->setCurrentIndex(0);
    EXPECT_EQ(doc().settings.digits[4], "1");
    QTest::mouseClick(find<QRadioButton>("optKutter"), Qt::LeftButton);
    EXPECT_FALSE(doc().settings.manning);
    EXPECT_TRUE(doc().settings.kutter);

    // A command changes the document (as opening a file does): the fields follow.
    doc().settings.projectName = "○○地区";
    doc().settings.digits[0] = "4";  // not in the list: shown as it stands
    doc().settings.crownJoint = false;
    doc().statusDataFile = "例題.osa";
    doc().statusFormatFile = "標準.osb";
    window->refreshAll();
    EXPECT_EQ(field("txtProjectName")->text(), "○○地区");
    EXPECT_EQ(find<QComboBox>("cboDigits1")->currentText(), "4");
    EXPECT_FALSE(find<QRadioButton>("optCrownJoint")->isChecked());
    EXPECT_EQ(doc().settings.digits[0], "4");
    EXPECT_EQ(find<QLabel>("statusPanel1")->text(), "例題.osa");
    EXPECT_EQ(find<QLabel>("statusPanel2")->text(), "標準.osb");
}

TEST_F(Window, TablesShowTheDocumentsTablesWithTheirAlignment) {
    const struct {
        int n;
        const char* name;
        int rows, cols;
    } tables[] = {{1, "FGrid1", 200, 4},  {2, "FGrid2", 1000, 12}, {3, "FGrid3", 1000, 8},
                  {4, "FGrid4", 200, 4},  {5, "FGrid5", 1000, 3},  {6, "FGrid6", 1000, 14},
                  {7, "FGrid7", 1000, 4}, {8, "FGrid8", 1000, 7},  {0, "MSFlexGrid1", 100, 1}};
    for (const auto& t : tables) {
        gui::GridView* g = window->grid(t.n);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->objectName(), t.name);
        EXPECT_EQ(g->model()->rowCount(), t.rows) << t.name;
        EXPECT_EQ(g->model()->columnCount(), t.cols) << t.name;
    }
    gui::GridView* routes = window->grid(1);
    EXPECT_EQ(routes->model()->headerData(1, Qt::Horizontal).toString(), "路線長m");
    EXPECT_EQ(routes->model()->headerData(0, Qt::Vertical).toString(), "1:");
    auto alignment = [](gui::GridView* g, int c) {
        return g->model()
                   ->data(g->model()->index(0, c - 1), Qt::TextAlignmentRole)
                   .value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(routes, 1), Qt::AlignLeft);
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(alignment(routes, c), Qt::AlignRight);
    gui::GridView* split = window->grid(2);
    EXPECT_EQ(alignment(split, 4), Qt::AlignHCenter);
    for (int c = 10; c <= 12; ++c) EXPECT_LT(split->columnWidth(c - 1), 30);
    EXPECT_EQ(window->grid(0)->model()->headerData(0, Qt::Horizontal).toString(), "管記号");
    // The fixed marks are shown from the start.
    EXPECT_EQ(split->model()->data(split->tableModel()->indexOf(1000, 11)).toString(), "0");
}

TEST_F(Window, ButtonsAndNotesOfTheTableTabs) {
    auto caption = [&](const char* name) { return find<QPushButton>(name)->text(); };
    EXPECT_EQ(caption("cmdRouteDelete"), "1行削除");
    EXPECT_EQ(caption("cmdPointInsert"), "1行挿入");
    EXPECT_EQ(caption("cmdSplit"), "分割計算");
    EXPECT_EQ(caption("cmdGround"), "地盤計算");
    EXPECT_EQ(caption("cmdInterpolate"), "地盤高一括補間");
    EXPECT_EQ(caption("cmdCalc"), "縦断計算");
    EXPECT_EQ(caption("cmdCopyDown"), "管・勾配複写");
    EXPECT_EQ(caption("cmdNumberByRoute"), "路線");
    EXPECT_EQ(caption("cmdNumberAscending"), "昇順");
    EXPECT_EQ(caption("cmdNumberDescending"), "降順");
    EXPECT_EQ(caption("cmdManholeType"), "人孔種別");
    EXPECT_EQ(caption("cmdLayout"), "作図レイアウト");
    EXPECT_EQ(find<QCheckBox>("chkDropPipe")->text(), "　副管を自動設置する。");
    EXPECT_EQ(find<QLabel>("lblDistanceNote")->text(),
              "距離　：　路線基本データ路線の始点からの距離（ｍ）。");
    EXPECT_EQ(find<QLabel>("lblOutletNote")->text(),
              "流末について　：　流末路線データは入力しなくてもかまいません。"
              "　　　　　　　　　　　　　数値変更後、分割計算をさせてください。");
    EXPECT_EQ(find<QGroupBox>("fraInputNotes")->title(), "入力上の注意");
    EXPECT_EQ(find<QGroupBox>("fraPipeCodes")->title(), "管ﾃﾞｰﾀﾍﾞｰｽより");
    EXPECT_EQ(find<QGroupBox>("fraManholeNumbers")->title(), "人孔番号");
}

TEST_F(Window, MenuBarAndToolbar) {
    QStringList menus;
    QStringList entries;
    for (QAction* m : window->menuBar()->actions()) {
        menus << m->text();
        for (QAction* a : m->menu()->actions()) entries << (a->isSeparator() ? "—" : a->text());
    }
    EXPECT_EQ(menus, QStringList({"ﾌｧｲﾙ(&F)", "計算・作図", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(entries, QStringList({"開く(&O)...", "—", "上書き保存(&S)", "名前を付けて保存(&A)...",
                                    "—", "データの書き出し(&P)...", "—", "終了(&X)",
                                    "縦断計算実行(&T)", "作図レイアウト(&J)", "—",
                                    "設計チェック(&K)", "WWW ﾌﾞﾗｳｻﾞ", "バージョン情報"}));
    QStringList keys, tips;
    for (QAction* a : find<QToolBar>("Toolbar1")->actions()) {
        if (a->isSeparator()) continue;
        keys << a->data().toString();
        tips << a->toolTip();
        EXPECT_FALSE(a->icon().isNull()) << qPrintable(a->toolTip());
    }
    EXPECT_EQ(keys, QStringList({"開く", "上書き保存", "印刷", "縦断計算", "縦断作図", "Shoveda"}));
    EXPECT_EQ(tips, QStringList({"開く", "上書き保存", "データの書き出し", "再計算の実行",
                                 "作図レイアウト", "Shoveda起動"}));
}

TEST_F(Window, VersionWindowShowsTheBuildsVersion) {
    QString title, version, description, caution;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        version = dialog->findChild<QLabel*>("lblVersion")->text();
        title = dialog->findChild<QLabel*>("lblTitle")->text();
        description = dialog->findChild<QLabel*>("lblDescription")->text();
        caution = dialog->findChild<QLabel*>("lblCaution")->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    find<QAction>("mnuVersion")->trigger();
    EXPECT_EQ(version, QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + EXPECTED_VERSION);
    EXPECT_TRUE(title.contains("Kandoru"));
    EXPECT_EQ(
        description,
        "必要データを入力し、下水管の縦断計算を行い、AutoCADに直接、下水縦断図を出力します。");
    EXPECT_TRUE(caution.contains("ご確認ください"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Window, BrowserItemOpensTheManualBesideTheProgram) {
    QList<QUrl> opened;
    window->openUrl = [&](const QUrl& u) {
        opened << u;
        return true;
    };
    find<QAction>("mnuBrowser")->trigger();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_TRUE(opened[0].toLocalFile().endsWith("/manual/index.html"));
    EXPECT_TRUE(QFileInfo::exists(opened[0].toLocalFile()));
    EXPECT_TRUE(ui.messages.empty());

    // A browser that does not start is reported.
    window->openUrl = [](const QUrl&) { return false; };
    find<QAction>("mnuBrowser")->trigger();
    EXPECT_EQ(ui.onlyMessage().title, "WWW ﾌﾞﾗｳｻﾞ");
}

}  // namespace
}  // namespace shell_test

namespace shell_test {
namespace {

TEST_F(Window, FitsASmallScreenWithEveryControlReachable) {
    // The window opens no larger than the screen's free area, and can be that small.
    const QSize available = window->screen()->availableGeometry().size();
    const QSize least = window->minimumSizeHint();
    EXPECT_LE(least.width(), testing_support::kSmallScreenClient.width());
    EXPECT_LE(least.height(), testing_support::kSmallScreenClient.height());
    EXPECT_LE(window->width(), std::max(available.width(), least.width()));
    EXPECT_LE(window->height(), std::max(available.height(), least.height()));
    auto missing = testing_support::unreachableControls(window.get(), tabs(),
                                                        testing_support::kSmallScreenClient);
    EXPECT_TRUE(missing.empty()) << testing::PrintToString(missing);
    // The work tables of the CAD tab show every column at that size: nothing to scroll to.
    tabs()->setCurrentIndex(kandoru::kTabCad);
    QApplication::processEvents();
    for (int n : {5, 6, 7, 8}) {
        QScrollBar* sideways = window->grid(n)->horizontalScrollBar();
        EXPECT_EQ(sideways->maximum(), 0) << "FGrid" << n;
    }
}

}  // namespace
}  // namespace shell_test
