// The window driven through its widgets: typing into the grids and fields, the sheet
// list, the row buttons, Open, the export and the exit question.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <set>

#include "common/rendezvous.h"
#include "common/textfile.h"
#include "shoveda/format/commands.h"
#include "shoveda/format/osb_file.h"
#include "shoveda/shell/main_window.h"
#include "support/fake_ui.h"
#include "support/fits.h"
#include "support/golden.h"

using testing_support::FakeUi;
using testing_support::TempDir;

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<shoveda::MainWindow>();
        window->setUi(&ui);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        // Leave without the exit question.
        window->setUi(&quiet);
        quiet.answers.push_back(false);
        window->close();
    }

    template <typename T>
    T* find(const char* name) {
        auto* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    gui::GridView* grid(int n) {
        return window->findChild<gui::GridView*>(QStringLiteral("FGrid%1").arg(n));
    }
    void showTab(int n) { find<QTabWidget>("SSTab1")->setCurrentIndex(n); }

    // Types text into grid n at (r, c) as a user does, then Enter.
    void typeCell(int n, int r, int c, const QString& text) {
        showTab(n == 11 ? 3 : 2);
        gui::GridView* g = grid(n);
        g->table().setCurrent(r, c);
        g->refresh();
        g->setFocus();
        for (QChar ch : text) {
            QWidget* w = QApplication::focusWidget();
            if (ch.unicode() < 128)
                QTest::keyClick(w, ch.toLatin1());
            else  // a character no key of the test keyboard has, as an input method sends it
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }

    FakeUi ui, quiet;
    std::unique_ptr<shoveda::MainWindow> window;
};

}  // namespace

TEST_F(WindowTest, StartsWithTheCaptionsAndStartValues) {
    EXPECT_EQ(window->windowTitle(), "Shoveda");
    auto* tabs = find<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "作図設定１");
    EXPECT_EQ(tabs->tabText(3), "人孔・副管ﾃﾞｰﾀ");
    EXPECT_EQ(find<QComboBox>("Combo9")->currentText(), "A1");
    EXPECT_EQ(find<QLineEdit>("Text10")->text(), "841");
    EXPECT_EQ(find<QComboBox>("Combo36")->currentText(), "8");
    EXPECT_EQ(find<QComboBox>("Combo29")->count(), 11);
    EXPECT_TRUE(find<QRadioButton>("Option62")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Option64")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("Check70")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optMoveRight")->isChecked());
    EXPECT_EQ(find<QLineEdit>("Text12")->text(), "");
    // Every settings item 1-61 and 72 has its field.
    for (int n = 1; n <= 72; ++n) {
        QString name = (n == 9 || (n >= 29 && n <= 36)) ? QStringLiteral("Combo%1").arg(n)
                       : n >= 62 && n <= 66             ? QStringLiteral("Option%1").arg(n)
                       : n >= 67 && n <= 71             ? QStringLiteral("Check%1").arg(n)
                                                        : QStringLiteral("Text%1").arg(n);
        EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << n;
    }
    auto* note = find<QLabel>("LabelBandNote");
    EXPECT_TRUE(note->text().startsWith("帯高さ及び帯数について　"));
    EXPECT_TRUE(note->text().endsWith("帯数の上限は10本です。"));
}

TEST_F(WindowTest, GridGeometryAndAlignments) {
    const std::pair<int, std::vector<int>> widths[] = {
        {9, {500, 1000, 1000, 1000, 1000}},
        {10, {500, 1500, 1000, 1000, 1000, 1000}},  // room for box codes
        {11, {1000, 2000, 2400}}};
    for (const auto& [n, twips] : widths) {
        gui::GridView* g = grid(n);
        EXPECT_EQ(g->verticalHeader()->width(), gui::twips(twips[0])) << n;
        for (size_t c = 1; c < twips.size(); ++c)
            EXPECT_EQ(g->columnWidth(static_cast<int>(c) - 1), gui::twips(twips[c])) << n;
        EXPECT_EQ(g->rowHeight(99), gui::twips(300)) << n;
        EXPECT_EQ(g->model()->rowCount(), 100) << n;
    }
    auto alignment = [&](int n, int col) {
        return grid(n)->model()->index(0, col - 1).data(Qt::TextAlignmentRole).toInt() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(9, 1), Qt::AlignLeft);
    EXPECT_EQ(alignment(10, 1), Qt::AlignLeft);
    EXPECT_EQ(alignment(11, 1), Qt::AlignHCenter);
    EXPECT_EQ(alignment(11, 2), Qt::AlignHCenter);
    // The box codes of the example format are shown whole.
    QFontMetrics fm(grid(10)->font());
    EXPECT_LT(fm.horizontalAdvance(QStringLiteral("□1500×1500")) + 8, grid(10)->columnWidth(0));
}

TEST_F(WindowTest, TypedCellsFollowTheCommitRulesAndEnterMovesRight) {
    typeCell(9, 1, 2, "0.3");
    EXPECT_EQ(grid(9)->table().text(1, 2), "0.300");
    EXPECT_EQ(grid(9)->table().currentCol(), 3);
    typeCell(9, 1, 3, "abc");
    EXPECT_EQ(grid(9)->table().text(1, 3), "0.000");
    typeCell(9, 1, 1, "abc");
    EXPECT_EQ(grid(9)->table().text(1, 1), "abc");
    // Full-width digits typed with the input method on: numbers in number columns only.
    typeCell(9, 2, 2, "０．２");
    EXPECT_EQ(grid(9)->table().text(2, 2), "0.200");
    typeCell(9, 2, 1, "φ２００");
    EXPECT_EQ(grid(9)->table().text(2, 1), "φ２００");
    typeCell(10, 2, 4, "0.15");
    EXPECT_EQ(grid(10)->table().text(2, 4), "0.150");
    typeCell(11, 1, 2, "300.0");
    EXPECT_EQ(grid(11)->table().text(1, 2), "300");
    // Column 2 is the last one of the manhole type table: Enter wraps to the next row.
    EXPECT_EQ(grid(11)->table().currentRow(), 2);
    EXPECT_EQ(grid(11)->table().currentCol(), 1);
    typeCell(11, 2, 2, "300");
    EXPECT_EQ(grid(11)->table().text(2, 2), "300");

    find<QRadioButton>("optMoveDown")->setChecked(true);
    typeCell(9, 4, 2, "1.5");
    EXPECT_EQ(grid(9)->table().text(4, 2), "1.500");
    EXPECT_EQ(grid(9)->table().currentRow(), 5);
    EXPECT_EQ(grid(9)->table().currentCol(), 2);
}

TEST_F(WindowTest, SheetChoiceAndFieldsWriteTheDocument) {
    auto* sheet = find<QComboBox>("Combo9");
    sheet->setFocus();
    QTest::keyClick(sheet, Qt::Key_End);  // the last entry, B1
    EXPECT_EQ(sheet->currentText(), "B1");
    EXPECT_EQ(find<QLineEdit>("Text10")->text(), "1030");
    EXPECT_EQ(find<QLineEdit>("Text11")->text(), "728");
    EXPECT_EQ(window->document().item(10), "1030");
    QTest::keyClick(sheet, Qt::Key_Up);  // B0
    EXPECT_EQ(window->document().item(11), "1030");

    // The numeric key filter lets digits through and refuses letters.
    auto* band = find<QLineEdit>("Text13");
    band->setFocus();
    QTest::keyClicks(band, "1a0");
    EXPECT_EQ(band->text(), "10");
    EXPECT_EQ(window->document().item(13), "10");
    // Aspect ratios and layer names take any text.
    auto* layer = find<QLineEdit>("Text49");
    layer->setFocus();
    QTest::keyClicks(layer, "BAND-1");
    EXPECT_EQ(window->document().item(49), "BAND-1");

    auto* rank = find<QComboBox>("Combo30");
    rank->setFocus();
    QTest::keyClick(rank, Qt::Key_Home);
    EXPECT_EQ(window->document().item(30), "0");

    showTab(1);
    QTest::mouseClick(find<QRadioButton>("Option65"), Qt::LeftButton);
    EXPECT_TRUE(window->document().flag(65));
    EXPECT_FALSE(window->document().flag(64));
    find<QCheckBox>("Check70")->setFocus();
    QTest::keyClick(find<QCheckBox>("Check70"), Qt::Key_Space);
    EXPECT_TRUE(window->document().flag(70));
}

TEST_F(WindowTest, TheNumericKeyFilterIsOnTheNumericFieldsOnly) {
    std::set<int> numeric{37, 39, 41, 43, 45, 47, 48, 54, 55, 58, 59, 60, 61, 72};
    for (int n = 1; n <= 8; ++n) numeric.insert(n);
    for (int n = 12; n <= 28; ++n) numeric.insert(n);
    const int free[] = {10, 11, 38, 40, 42, 44, 46, 49, 50, 51, 52, 53, 56, 57};
    for (int n = 1; n <= 72; ++n) {
        auto* f = window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
        if (!f) continue;
        f->clear();
        QTest::keyClicks(f, "a5");
        bool isFree = std::find(std::begin(free), std::end(free), n) != std::end(free);
        EXPECT_EQ(f->text(), numeric.count(n) ? "5" : "a5") << "item " << n;
        EXPECT_TRUE(numeric.count(n) || isFree) << "unexpected field of item " << n;
    }
}

TEST_F(WindowTest, RowButtonsActOnTheirOwnTableAndRefuseRow100) {
    auto& t = grid(9)->table();
    for (int r = 1; r <= 7; ++r) t.setText(r, 1, "r" + std::to_string(r));
    grid(11)->table().setText(5, 1, "keep");
    showTab(2);
    t.setCurrent(5, 1);
    grid(9)->refresh();
    ui.answers.push_back(true);
    QTest::mouseClick(find<QPushButton>("cmdDelete9"), Qt::LeftButton);
    EXPECT_EQ(t.text(5, 1), "r6");
    EXPECT_EQ(t.text(7, 1), "");
    EXPECT_EQ(t.currentRow(), 100);
    EXPECT_EQ(grid(9)->currentIndex().row(), 99);
    EXPECT_TRUE(grid(9)->isCellVisible(5, 1));  // the view stays on the rows changed
    EXPECT_EQ(grid(11)->table().text(5, 1), "keep");

    QTest::mouseClick(find<QPushButton>("cmdInsert9"), Qt::LeftButton);
    EXPECT_EQ(ui.onlyMessage().text, "追加する直後の行を選択して下さい    ");
    EXPECT_EQ(ui.onlyMessage().title, "行の選択");

    t.setCurrent(2, 1);
    grid(9)->refresh();
    ui.answers.push_back(true);
    QTest::mouseClick(find<QPushButton>("cmdInsert9"), Qt::LeftButton);
    EXPECT_EQ(t.text(2, 1), "");
    EXPECT_EQ(t.text(3, 1), "r2");
    EXPECT_EQ(t.text(100, 0), "100:");
    EXPECT_EQ(t.currentRow(), 100);
    EXPECT_TRUE(ui.answers.empty());
}

TEST_F(WindowTest, OpenShowsTheFileAndKeepsItsSheetSize) {
    TempDir dir;
    shoveda::FormatDocument file;
    file.chooseSheet("A3");
    file.setItem(10, "400");
    file.setItem(11, "300");
    file.setItem(33, "12");  // not in the list, still shown
    file.setFlag(63, true);
    file.setFlag(64, false);  // no route-number mark chosen
    file.setFlag(69, true);
    file.format.circular.setText(1, 1, "φ200");
    ASSERT_TRUE(shoveda::writeFormatFile(file, dir / "a3.osb", quiet));

    auto* panel = find<QLabel>("StatusPanel2");
    ui.openFiles.push_back(std::nullopt);
    trigger("tbOpen");
    EXPECT_EQ(panel->text(), "");

    ui.openFiles.push_back(dir / "a3.osb");
    trigger("mnuOpen");
    EXPECT_EQ(find<QComboBox>("Combo9")->currentText(), "A3");
    EXPECT_EQ(find<QLineEdit>("Text10")->text(), "400");
    EXPECT_EQ(find<QLineEdit>("Text11")->text(), "300");
    EXPECT_EQ(find<QComboBox>("Combo33")->currentText(), "12");
    EXPECT_EQ(find<QComboBox>("Combo29")->currentText(), "1");
    EXPECT_TRUE(find<QRadioButton>("Option63")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option62")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option64")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option65")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option66")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("Check69")->isChecked());
    EXPECT_EQ(grid(9)->model()->index(0, 0).data().toString(), "φ200");
    EXPECT_EQ(panel->text().toStdString(), (dir / "a3.osb").string());
    EXPECT_EQ(shoveda::osbLines(window->document()), shoveda::osbLines(file));
}

TEST_F(WindowTest, ExportWritesTheTypedTablesByteForByte) {
    TempDir home;
    testing_support::ScopedHome scoped(home.path());
    const QStringList rows[] = {{"φ200", "0.2", "0.027", ".1"}, {"φ250", "0.25", "0.028", "0.1"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) typeCell(9, r + 1, c + 1, rows[r][c]);
    typeCell(11, 1, 1, "1号人孔");
    typeCell(11, 1, 2, "600");
    trigger("tbExport");
    EXPECT_EQ(ui.onlyMessage().title, "データファイル");
    auto bytes = common::readFileBytes(common::rendezvousPath("断面データ.txt"));
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(testing_support::matchesGolden("shoveda/export.txt", *bytes));
}

TEST_F(WindowTest, ExitAsksUnlessSavedAndACancelledSaveKeepsTheWindow) {
    TempDir dir;
    // Yes, then the save dialog cancelled: the window stays.
    ui.answers.push_back(true);
    ui.saveFiles.push_back(std::nullopt);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ui.questions.back().text, "データを保存しますか。");

    // After Save nothing is asked.
    ui.saveFiles.push_back(dir / "f.osb");
    trigger("tbSave");
    ASSERT_TRUE(window->document().saved());
    size_t asked = ui.questions.size();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ui.questions.size(), asked);

    // A cell typed after the save is not lost without a word.
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    typeCell(9, 1, 1, "φ300");
    EXPECT_EQ(window->document().format.circular.text(1, 1), "φ300");
    ui.answers.push_back(false);
    trigger("mnuExit");
    EXPECT_EQ(ui.questions.size(), asked + 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, FitsASmallScreenWithEveryControlReachable) {
    const QSize least = window->minimumSizeHint();
    const QSize available = window->screen()->availableGeometry().size();
    EXPECT_LE(window->width(), std::max(available.width(), least.width()));
    EXPECT_LE(window->height(), std::max(available.height(), least.height()));
    EXPECT_LE(least.width(), testing_support::kSmallScreenClient.width());
    EXPECT_LE(least.height(), testing_support::kSmallScreenClient.height());
    auto missing = testing_support::unreachableControls(window.get(), find<QTabWidget>("SSTab1"),
                                                        testing_support::kSmallScreenClient);
    EXPECT_TRUE(missing.empty()) << testing::PrintToString(missing);
}
