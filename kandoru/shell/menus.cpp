// Menu bar and toolbar, and the commands behind them.
#include <QAction>
#include <QFileInfo>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "common/gui/qtext.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/file_commands.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/handoff.h"
#include "kandoru/files/text_export.h"
#include "kandoru/shell/icons.h"
#include "kandoru/shell/main_window.h"
#include "kandoru/shell/manual.h"
#include "kandoru/shell/version_dialog.h"

namespace kandoru::shell {

namespace {

QAction* item(QMenu* menu, const QString& text, const char* name) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

void MainWindow::buildMenusAndToolbar() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName("mnuFile");
    connect(item(file, QStringLiteral("開く(&O)..."), "mnuOpen"), &QAction::triggered, this,
            [this] { openFile(); });
    file->addSeparator();
    connect(item(file, QStringLiteral("上書き保存(&S)"), "mnuSave"), &QAction::triggered, this,
            [this] { saveFile(); });
    connect(item(file, QStringLiteral("名前を付けて保存(&A)..."), "mnuSaveAs"), &QAction::triggered,
            this, [this] { saveFileAs(); });
    file->addSeparator();
    connect(item(file, QStringLiteral("データの書き出し(&P)..."), "mnuExport"), &QAction::triggered,
            this, [this] { exportText(); });
    file->addSeparator();
    connect(item(file, QStringLiteral("終了(&X)"), "mnuExit"), &QAction::triggered, this,
            [this] { close(); });

    QMenu* calc = bar->addMenu(QStringLiteral("計算・作図"));
    calc->setObjectName("mnuCalcDraw");
    connect(item(calc, QStringLiteral("縦断計算実行(&T)"), "mnuCalc"), &QAction::triggered, this,
            [this] { calculateFromMenu(); });
    connect(item(calc, QStringLiteral("作図レイアウト(&J)"), "mnuLayout"), &QAction::triggered,
            this, [this] { handOff(); });
    calc->addSeparator();
    connect(item(calc, QStringLiteral("設計チェック(&K)"), "mnuDesignCheck"), &QAction::triggered,
            this, [this] { showDesignCheck(); });

    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName("mnuView");
    connect(item(view, QStringLiteral("WWW ﾌﾞﾗｳｻﾞ"), "mnuBrowser"), &QAction::triggered, this,
            [this] { openManual(); });

    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName("mnuHelp");
    connect(item(help, QStringLiteral("バージョン情報"), "mnuVersion"), &QAction::triggered, this,
            [this] { showVersion(); });

    toolbar_ = addToolBar(QStringLiteral("ツールバー"));
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    struct Button {
        const char* name;
        QString key;
        QString tip;
        QIcon icon;
    };
    const Button buttons[] = {
        {"tbOpen", QStringLiteral("開く"), QStringLiteral("開く"), openIcon()},
        {"tbSave", QStringLiteral("上書き保存"), QStringLiteral("上書き保存"), saveIcon()},
        {"tbPrint", QStringLiteral("印刷"), QStringLiteral("データの書き出し"), exportIcon()},
        {"tbCalc", QStringLiteral("縦断計算"), QStringLiteral("再計算の実行"), calcIcon()},
        {"tbDraw", QStringLiteral("縦断作図"), QStringLiteral("作図レイアウト"), drawingIcon()},
        {"tbShoveda", QStringLiteral("Shoveda"), QStringLiteral("Shoveda起動"), formatIcon()},
    };
    for (const Button& b : buttons) {
        QAction* a = toolbar_->addAction(b.icon, b.tip);
        a->setObjectName(QString::fromLatin1(b.name));
        a->setData(b.key);
        a->setToolTip(b.tip);
        if (b.key == QStringLiteral("縦断計算") || b.key == QStringLiteral("Shoveda"))
            toolbar_->insertSeparator(a);
    }
    connect(toolbar_, &QToolBar::actionTriggered, this,
            [this](QAction* a) { toolbarClicked(a->data().toString()); });
}

void MainWindow::toolbarClicked(const QString& key) {
    if (key == QStringLiteral("開く"))
        openFile();
    else if (key == QStringLiteral("上書き保存"))
        saveFile();
    else if (key == QStringLiteral("印刷"))
        exportText();
    else if (key == QStringLiteral("縦断計算"))
        calculateFromMenu();
    else if (key == QStringLiteral("縦断作図"))
        handOff();
    else if (key == QStringLiteral("Shoveda"))
        startShoveda();
}

void MainWindow::openFile() {
    run([](Document& d, common::Ui& u) { openCommand(d, u); });
}

void MainWindow::saveFile() {
    run([](Document& d, common::Ui& u) { saveCommand(d, u); });
}

void MainWindow::saveFileAs() {
    run([](Document& d, common::Ui& u) { saveAsCommand(d, u); });
}

void MainWindow::exportText() {
    run([](Document& d, common::Ui& u) { exportCommand(d, u); });
}

void MainWindow::formatIntake() {
    run([](Document& d, common::Ui& u) { kandoru::formatIntake(d, u); });
}

void MainWindow::calculateFromMenu() {
    run([](Document& d, common::Ui& u) {
        d.setCurrentTab(kTabSplit, u);
        runCalculation(d, u);
    });
}

void MainWindow::handOff() {
    run([](Document& d, common::Ui& u) { drawingHandoff(d, u); });
}

void MainWindow::startShoveda() {
    // A Shoveda that cannot be started changes nothing here.
    run([](Document&, common::Ui& u) { u.startProgram("Shoveda"); });
}

void MainWindow::openManual() {
    commitEditors();
    QString file = manualFile();
    if (!QFileInfo::exists(file)) {
        ui_.message(common::Icon::Exclamation, "WWW ﾌﾞﾗｳｻﾞ",
                    "説明書が見つかりません。\r\n" + gui::ss(file));
        return;
    }
    if (!openUrl || !openUrl(manualUrl()))
        ui_.message(common::Icon::Exclamation, "WWW ﾌﾞﾗｳｻﾞ",
                    "ブラウザを起動できませんでした。\r\n" + gui::ss(file));
}

void MainWindow::showVersion() {
    commitEditors();
    VersionDialog dialog(this);
    dialog.exec();
}

}  // namespace kandoru::shell
