// The whole window on the example profiles: every toolbar button and menu item once, and
// the window's calculation against gesui calc on the same files.
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include "common/rendezvous.h"
#include "common/textfile.h"
#include "kandoru/files/table_dump.h"
#include "support/golden.h"
#include "window_fixture.h"

namespace shell_test {
namespace {

namespace fs = std::filesystem;
using common::Icon;

class Example : public WindowTest {
protected:
    // Opens a copy of the example (saves must not touch the repository) and reads the
    // example format file, as a user does after start.
    void load(const char* name) {
        profile = dir / name;
        fs::copy_file(testing_support::examplesDir() / name, profile);
        ui.openFiles.push_back(profile);
        find<QAction>("mnuOpen")->trigger();
        // The format is not read yet: the open command's calculation stops at the gate.
        ASSERT_EQ(ui.onlyMessage().title, "縦断図書式ファイル");
        ui.messages.clear();
        ui.openFiles.push_back(testing_support::examplesDir() / "standard.osb");
        QTest::mouseDClick(field("txtFormatFile"), Qt::LeftButton);
        ASSERT_EQ(ui.openPresets.back(), "standard.osb");
        ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
    }
    std::string cell(const common::Table& t, int r, int c) { return t.text(r, c); }

    testing_support::TempDir dir;
    testing_support::TempDir home;
    testing_support::ScopedHome scoped{home.path()};
    fs::path profile;
};

TEST_F(Example, EveryToolbarButtonAndMenuItemDoesWhatItSays) {
    load("three_routes.osa");
    EXPECT_EQ(find<QLabel>("statusPanel1")->text(), "three_routes.osa");
    EXPECT_EQ(find<QLabel>("statusPanel2")->text(), "standard.osb");
    const std::string invert = cell(doc().fgrid2, 1, 6);
    ASSERT_FALSE(invert.empty());

    // 縦断計算 (toolbar) and 縦断計算実行 (menu): tab 2, then the calculation.
    for (const char* name : {"tbCalc", "mnuCalc"}) {
        doc().fgrid2.setText(1, 6, "");
        ui.tabsShown.clear();
        if (name[0] == 't')
            clickToolbar(name);
        else
            find<QAction>(name)->trigger();
        EXPECT_EQ(cell(doc().fgrid2, 1, 6), invert) << name;
        ASSERT_FALSE(ui.tabsShown.empty());
        EXPECT_EQ(ui.tabsShown.front(), 2) << name;
        EXPECT_TRUE(ui.messages.empty()) << name;
    }

    // 上書き保存 (toolbar and menu): the current file, without a dialog.
    for (const char* name : {"tbSave", "mnuSave"}) {
        fs::remove(profile);
        if (name[0] == 't')
            clickToolbar(name);
        else
            find<QAction>(name)->trigger();
        EXPECT_TRUE(fs::exists(profile)) << name;
    }
    EXPECT_TRUE(ui.saveTitles.empty());

    // 名前を付けて保存: the dialog, then the new name in the status bar.
    ui.saveFiles.push_back(dir / "別名.osa");
    find<QAction>("mnuSaveAs")->trigger();
    EXPECT_EQ(ui.saveTitles, std::vector<std::string>({"縦断データの保存"}));
    EXPECT_TRUE(fs::exists(dir / "別名.osa"));
    EXPECT_EQ(find<QLabel>("statusPanel1")->text(), "別名.osa");

    // データの書き出し (menu) and 印刷 (toolbar).
    for (const char* name : {"mnuExport", "tbPrint"}) {
        fs::remove(common::rendezvousPath("縦断データ.txt"));
        ui.messages.clear();
        if (name[0] == 't')
            clickToolbar(name);
        else
            find<QAction>(name)->trigger();
        EXPECT_EQ(ui.onlyMessage().icon, Icon::Information) << name;
        auto lines = common::readCp932Lines(common::rendezvousPath("縦断データ.txt"));
        ASSERT_TRUE(lines) << name;
        EXPECT_EQ(lines->front(), "プロジェクト名\tさくら台地区　汚水枝線");
    }

    // 作図レイアウト (menu) and 縦断作図 (toolbar): tab 3, the hand-off file, Zumenko.
    ui.messages.clear();
    for (const char* name : {"mnuLayout", "tbDraw"}) {
        fs::remove(common::rendezvousPath("XTemp.txt"));
        clickTab(0);
        if (name[0] == 't')
            clickToolbar(name);
        else
            find<QAction>(name)->trigger();
        EXPECT_EQ(tabs()->currentIndex(), 3) << name;
        EXPECT_TRUE(fs::exists(common::rendezvousPath("XTemp.txt"))) << name;
    }
    EXPECT_EQ(ui.programsStarted, std::vector<std::string>({"Zumenko", "Zumenko"}));

    // Shoveda起動.
    clickToolbar("tbShoveda");
    EXPECT_EQ(ui.programsStarted.back(), "Shoveda");

    // WWW ﾌﾞﾗｳｻﾞ: the manual in the system browser.
    QUrl opened;
    window->openUrl = [&](const QUrl& u) {
        opened = u;
        return true;
    };
    find<QAction>("mnuBrowser")->trigger();
    EXPECT_TRUE(opened.toLocalFile().endsWith("manual/index.html"));

    // バージョン情報: a modal window closed by its OK button.
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = d->objectName() == "frmAbout";
            d->accept();
        }
    });
    find<QAction>("mnuVersion")->trigger();
    EXPECT_TRUE(shown);

    // 開く (toolbar): the other file; the format stays loaded, so it calculates quietly.
    ui.openFiles.push_back(dir / "別名.osa");
    clickToolbar("tbOpen");
    EXPECT_EQ(find<QLabel>("statusPanel1")->text(), "別名.osa");
    EXPECT_EQ(cell(doc().fgrid2, 1, 6), invert);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();

    // 終了: after a change the question; No ends the program.
    type(1, 1, 2, "46");
    ui.answers = {false};
    find<QAction>("mnuExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ui.questions.back().title, "終了の前に！");
    EXPECT_EQ(ui.questions.back().icon, Icon::Question);
}

TEST_F(Example, TheWindowAndGesuiCalcGiveTheSameTables) {
    load("long_line.osa");
    const std::string window = kandoru::dumpTables(doc());
    ASSERT_NE(window.find("FGrid6\t"), std::string::npos);

    QProcess gesui;
    const fs::path out = dir / "tables.tsv";
    gesui.start(QString::fromStdString((testing_support::binDir() / "gesui").string()),
                {"calc", QString::fromStdString(profile.string()),
                 QString::fromStdString((testing_support::examplesDir() / "standard.osb").string()),
                 "--tables", QString::fromStdString(out.string())});
    ASSERT_TRUE(gesui.waitForFinished(30000));
    EXPECT_EQ(gesui.exitCode(), 0) << gesui.readAllStandardError().toStdString();
    auto bytes = common::readFileBytes(out);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, window);
}

}  // namespace
}  // namespace shell_test
