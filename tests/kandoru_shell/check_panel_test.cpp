// The "設計チェック" window after "縦断計算": the same findings as gesui check, the count
// in the status bar, and a double-click that selects the finding's cell.
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include "common/textfile.h"
#include "kandoru/check/check_report.h"
#include "kandoru/shell/check_panel.h"
#include "support/golden.h"
#include "window_fixture.h"

namespace shell_test {
namespace {

namespace fs = std::filesystem;

class DesignCheckWindow : public WindowTest {
protected:
    // Opens a copy of the findings example and reads its format file; the format intake
    // ends with "縦断計算".
    void load() {
        profile = dir / "design_check_findings.osa";
        fs::copy_file(testing_support::examplesDir() / "design_check_findings.osa", profile);
        ui.openFiles.push_back(profile);
        find<QAction>("mnuOpen")->trigger();
        ui.messages.clear();  // the format warning of the open command's calculation
        ui.openFiles.push_back(format);
        QTest::mouseDClick(field("txtFormatFile"), Qt::LeftButton);
        ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
    }

    std::string gesuiCheckTsv() {
        QProcess gesui;
        const fs::path out = dir / "check.tsv";
        gesui.start(QString::fromStdString((testing_support::binDir() / "gesui").string()),
                    {"check", QString::fromStdString(profile.string()),
                     QString::fromStdString(format.string()), "--tsv",
                     QString::fromStdString(out.string())});
        EXPECT_TRUE(gesui.waitForFinished(30000));
        EXPECT_EQ(gesui.exitCode(), 1) << gesui.readAllStandardError().toStdString();
        return common::readFileBytes(out).value_or("");
    }

    kandoru::shell::DesignCheckPanel* openPanel() {
        find<QAction>("mnuDesignCheck")->trigger();
        auto* panel = window->designCheckPanel();
        EXPECT_NE(panel, nullptr);
        if (panel) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(panel));
        }
        return panel;
    }

    void doubleClickFinding(QTableWidget* t, int row) {
        QTableWidgetItem* item = t->item(row, 0);
        ASSERT_NE(item, nullptr);
        t->scrollToItem(item);
        const QPoint at = t->visualItemRect(item).center();
        // A double-click as the mouse gives it: a click, then the second press.
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, at);
    }

    testing_support::TempDir dir;
    testing_support::TempDir home;
    testing_support::ScopedHome scoped{home.path()};
    fs::path profile;
    const fs::path format = testing_support::examplesDir() / "design_check_findings.osb";
};

TEST_F(DesignCheckWindow, ShowsTheFindingsOfGesuiCheckAfterTheCalculation) {
    auto* status = find<QLabel>("statusPanelCheck");
    EXPECT_EQ(status->text(), "");  // nothing calculated yet
    load();
    EXPECT_EQ(status->text(), "設計チェック：指摘 15 件");

    auto* panel = openPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(kandoru::check::checkTsv(panel->result()), gesuiCheckTsv());
    auto* findings = panel->findChild<QTableWidget*>("grdCheckFindings");
    auto* spans = panel->findChild<QTableWidget*>("grdCheckSpans");
    ASSERT_TRUE(findings && spans);
    EXPECT_EQ(findings->rowCount(), 15);
    EXPECT_EQ(spans->rowCount(), 10);
    const QStringList first{"1", "1", "管径が最小管径未満", "150 mm", "200 mm"};
    for (int c = 0; c < first.size(); ++c) EXPECT_EQ(findings->item(0, c)->text(), first[c]);
    EXPECT_EQ(spans->item(5, 6)->text(), "3.150");  // route 5's velocity

    // The window follows the next "縦断計算": a 200 mm pipe on route 1 ends its finding.
    doc().fgrid2.setText(1, 4, "φ200");
    auto* calc = find<QPushButton>("cmdCalc");
    clickTab(2);
    QTest::mouseClick(calc, Qt::LeftButton);
    EXPECT_EQ(status->text(), "設計チェック：指摘 14 件");
    EXPECT_EQ(findings->rowCount(), 14);
}

TEST_F(DesignCheckWindow, DoubleClickSelectsTheFindingsCell) {
    load();
    auto* panel = openPanel();
    ASSERT_NE(panel, nullptr);
    auto* findings = panel->findChild<QTableWidget*>("grdCheckFindings");
    struct Case {
        int finding;
        int tab, grid, row, col;
    };
    const Case cases[] = {
        {3, 2, 2, 4, 2},   // spacing of route 3: its length
        {6, 3, 3, 5, 4},   // drop at manhole 4: its drop-pipe cell
        {10, 1, 4, 1, 4},  // the change point's cover
        {1, 2, 2, 2, 5},   // velocity of route 2: its gradient
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.finding);
        doubleClickFinding(findings, c.finding);
        EXPECT_EQ(tabs()->currentIndex(), c.tab);
        EXPECT_EQ(doc().currentTab(), c.tab);
        gui::GridView* g = window->grid(c.grid);
        EXPECT_EQ(g->table().currentRow(), c.row);
        EXPECT_EQ(g->table().currentCol(), c.col);
        EXPECT_EQ(g->currentIndex(), g->tableModel()->indexOf(c.row, c.col));
        EXPECT_TRUE(g->isCellVisible(c.row, c.col));
    }
    // A span selects its pipe code.
    doubleClickFinding(panel->findChild<QTableWidget*>("grdCheckSpans"), 9);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    EXPECT_EQ(doc().fgrid2.currentRow(), 10);
    EXPECT_EQ(doc().fgrid2.currentCol(), 4);
}

TEST_F(DesignCheckWindow, SavesTheCalculationSheet) {
    load();
    auto* panel = openPanel();
    ASSERT_NE(panel, nullptr);
    const fs::path pdf = dir / "計算書.pdf";
    ui.saveFiles.push_back(pdf);
    QTest::mouseClick(panel->findChild<QPushButton*>("cmdCheckSheet"), Qt::LeftButton);
    EXPECT_EQ(ui.saveTitles.back(), "計算書の保存");
    EXPECT_EQ(common::readFileBytes(pdf).value_or("").substr(0, 5), "%PDF-");
    // Replacing it asks first; No leaves it.
    ASSERT_TRUE(common::writeFileAtomic(pdf, "old"));
    ui.saveFiles.push_back(pdf);
    ui.answers.push_back(false);
    QTest::mouseClick(panel->findChild<QPushButton*>("cmdCheckSheet"), Qt::LeftButton);
    EXPECT_EQ(ui.questions.back().text, "上書きしますか？");
    EXPECT_EQ(common::readFileBytes(pdf), "old");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace shell_test
