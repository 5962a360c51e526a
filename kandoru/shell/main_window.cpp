// Main window: construction, tab switching, refresh after commands, exit.
#include "kandoru/shell/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "common/gui/qt_ui.h"
#include "common/gui/qtext.h"
#include "common/gui/window_fit.h"
#include "kandoru/commit.h"
#include "kandoru/files/file_commands.h"
#include "kandoru/shell/profile_tabs.h"

namespace kandoru::shell {

namespace {
common::Ui& chooseUi(common::Ui* injected, std::unique_ptr<common::Ui>& own, QWidget* window) {
    if (injected) return *injected;
    own = std::make_unique<gui::QtUi>(window, nullptr);
    return *own;
}
}  // namespace

MainWindow::MainWindow(common::Ui* ui)
    : ui_(chooseUi(ui, ownUi_, this), [this](int n) { showTab(n); }) {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("下水縦断図の作成"));
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    tabs_ = new ProfileTabs(this);
    tabs_->setObjectName("SSTab1");
    tabs_->addTab(buildSettingsPage(), QStringLiteral("縦断計算設定"));
    const QString captions[] = {QStringLiteral("路線・地盤変化点ﾃﾞｰﾀ"),
                                QStringLiteral("分割・縦断計算"), QStringLiteral("CAD作成ﾃﾞｰﾀ")};
    for (int tab = kTabRoutes; tab <= kTabCad; ++tab) {
        auto* holder = new QWidget;
        auto* l = new QVBoxLayout(holder);
        l->setContentsMargins(0, 0, 0, 0);
        pageHolders_[static_cast<size_t>(tab)] = holder;
        tabs_->addTab(holder, captions[tab - 1]);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { ensurePage(tab); });
    tabs_->onTabRequested = [this](int tab) { requestTab(tab); };
    setCentralWidget(tabs_);
    buildMenusAndToolbar();

    status1_ = new QLabel(this);
    status1_->setObjectName("statusPanel1");
    status2_ = new QLabel(this);
    status2_->setObjectName("statusPanel2");
    for (QLabel* panel : {status1_, status2_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(240);
        statusBar()->addWidget(panel, 1);
    }
    buildCheckStatus();
    statusBar()->setSizeGripEnabled(true);

    gui::fitToScreen(this, QSize(1280, 900));
    refreshAll();
}

MainWindow::~MainWindow() {
    // The views show the document's tables, which go before the base class deletes its
    // children; an open editor is committed while everything still stands.
    commitEditors();
    for (gui::CellEditor* e : editors_)
        if (e) e->afterCommit = nullptr;
    delete tabs_;
}

namespace {
// The tab that holds grid n (0 is the pipe code list).
constexpr std::array<int, 9> kTabOfGrid{kTabSplit, kTabRoutes, kTabSplit, kTabCad, kTabRoutes,
                                        kTabCad,   kTabCad,    kTabCad,   kTabCad};
}  // namespace

void MainWindow::ensurePage(int tab) {
    if (tab < kTabRoutes || tab > kTabCad || pageBuilt_[static_cast<size_t>(tab)]) return;
    pageBuilt_[static_cast<size_t>(tab)] = true;
    QWidget* page = tab == kTabRoutes  ? buildRoutesPage()
                    : tab == kTabSplit ? buildSplitPage()
                                       : buildCadPage();
    pageHolders_[static_cast<size_t>(tab)]->layout()->addWidget(page);
    buildEditors(tab);
    for (size_t n = 0; n < grids_.size(); ++n)
        if (kTabOfGrid[n] == tab && grids_[n]) grids_[n]->refresh();
    refreshSettings();
}

gui::GridView* MainWindow::grid(int n) {
    if (n < 0 || n >= static_cast<int>(grids_.size())) return nullptr;
    ensurePage(kTabOfGrid[static_cast<size_t>(n)]);
    return grids_[static_cast<size_t>(n)];
}

gui::CellEditor* MainWindow::cellEditor(int n) {
    if (n < 1 || n >= static_cast<int>(editors_.size())) return nullptr;
    ensurePage(kTabOfGrid[static_cast<size_t>(n)]);
    return editors_[static_cast<size_t>(n)];
}

void MainWindow::commitEditors() {
    for (gui::CellEditor* e : editors_)
        if (e) e->commitIfOpen();
}

void MainWindow::requestTab(int tab) {
    // The editor's text is committed before the tab-switch rules see the tables, as the
    // focus loss of a real switch would do.
    commitEditors();
    doc_.setCurrentTab(tab, ui_);
    refreshAll();
}

void MainWindow::showTab(int tab) {
    ensurePage(tab);
    if (tabs_ && tabs_->currentIndex() != tab) tabs_->show(tab);
}

void MainWindow::run(const Command& command) {
    commitEditors();
    // Row operations park the current row on the last row, which counts as no row
    // selected; the views stay where the user was instead of following it there.
    std::array<QPoint, 9> scroll;
    for (size_t i = 0; i < grids_.size(); ++i)
        if (grids_[i])
            scroll[i] = {grids_[i]->horizontalScrollBar()->value(),
                         grids_[i]->verticalScrollBar()->value()};
    command(doc_, ui_);
    refreshAll();
    for (size_t i = 0; i < grids_.size(); ++i) {
        if (!grids_[i]) continue;
        grids_[i]->horizontalScrollBar()->setValue(scroll[i].x());
        grids_[i]->verticalScrollBar()->setValue(scroll[i].y());
    }
}

void MainWindow::refreshAll() {
    for (gui::GridView* g : grids_)
        if (g) g->refresh();
    refreshSettings();
    refreshStatus();
    refreshChecks();
    showTab(doc_.currentTab());
}

void MainWindow::refreshStatus() {
    status1_->setText(gui::qs(doc_.statusDataFile));
    status2_->setText(gui::qs(doc_.statusFormatFile));
}

gui::CellEditor* MainWindow::makeEditor(int n, common::GridParams params,
                                        gui::CellEditor::Commit commit, const char* name) {
    auto* e = new gui::CellEditor(
        grids_[static_cast<size_t>(n)], params, target_, [this] { return doc_.moveRight; },
        std::move(commit), QString::fromLatin1(name));
    e->beep = [this] { ui_.beep(); };
    e->afterCommit = [this] { refreshAll(); };
    editors_[static_cast<size_t>(n)] = e;
    return e;
}

void MainWindow::buildEditors(int tab) {
    if (tab == kTabRoutes) {
        makeEditor(
            1, common::routeGridParams(),
            [this](int r, int c, const std::string& t) { commitRoute(doc_, ui_, r, c, t); },
            "txtForEdit");
        makeEditor(
            4, common::changePointGridParams(),
            [this](int r, int c, const std::string& t) { commitChangePoint(doc_, r, c, t); },
            "txtForEdit4");
    } else if (tab == kTabSplit) {
        gui::CellEditor* split = makeEditor(
            2, common::splitGridParams(),
            [this](int r, int c, const std::string& t) { commitSplit(doc_, r, c, t); },
            "txtForEdit2");
        // F4 releases a fixed ground level or invert of the split table.
        split->onGridKey = [this](int key) {
            if (key != Qt::Key_F4) return false;
            releaseFixed(doc_, doc_.fgrid2.currentRow(), doc_.fgrid2.currentCol());
            refreshAll();
            return true;
        };
    } else if (tab == kTabCad) {
        makeEditor(
            3, common::manholeGridParams(),
            [this](int r, int c, const std::string& t) { commitManhole(doc_, r, c, t); },
            "txtForEdit3");
    }
}

// "終了(&X)" and closing the window alike: the core decides whether the window may close
// (a cancelled save-as dialog keeps the work and the window).
void MainWindow::closeEvent(QCloseEvent* event) {
    bool close = false;
    run([&close](Document& d, common::Ui& u) { close = exitCommand(d, u); });
    if (close)
        event->accept();
    else
        event->ignore();
}

}  // namespace kandoru::shell
