// The main window of Kandoru, "下水縦断図の作成": four tabs around the profile document,
// the menu bar, the toolbar and the status bar. It holds no data of its own: the views show
// the document's tables, the setting fields write into the document's settings, and every
// button, menu item and key is one call of a core command.
#pragma once

#include <QMainWindow>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>

#include "common/gui/cell_editor.h"
#include "common/gui/grid_view.h"
#include "common/ui.h"
#include "kandoru/check/design_check.h"
#include "kandoru/document.h"
#include "kandoru/shell/window_ui.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolBar;
class QPushButton;

namespace kandoru::shell {

class DesignCheckPanel;
class ProfileTabs;

class MainWindow : public QMainWindow {
public:
    // ui: the dialogs the commands use; null gives the Qt dialogs.
    explicit MainWindow(common::Ui* ui = nullptr);
    ~MainWindow() override;

    Document& document() { return doc_; }
    common::Ui& ui() { return ui_; }

    // Opens the suite's manual; replaceable so that tests need no browser.
    std::function<bool(const QUrl&)> openUrl;

    // The user asks for a tab (a click, Ctrl+Tab): open cell editors commit first, then
    // the document switches and the window shows what it is told.
    void requestTab(int tab);
    // Shows the tab the document is on.
    void showTab(int tab);
    // Shows the document again after a command changed it: tables, fields, status bar.
    void refreshAll();
    // Commits whichever cell editor is open (before a command runs).
    void commitEditors();

    // Toolbar buttons dispatch on their key ("開く", "上書き保存", "印刷", ...).
    void toolbarClicked(const QString& key);

    // "設計チェック": the window with the checks of the document as it stands.
    void showDesignCheck();
    DesignCheckPanel* designCheckPanel() const { return checkPanel_; }
    // Shows the tab of a checked cell and makes it the current cell of its table.
    void selectCell(const check::CellRef& cell);

    // Tables and editors of pages not yet shown are built on the way.
    gui::GridView* grid(int n);          // 1..8; 0 for the pipe code list
    gui::CellEditor* cellEditor(int n);  // 1..4

    // Pages 1 to 3 are built when first shown (or asked for), which keeps the start short;
    // a further page is added the same way: a holder at start, its content in ensurePage.
    void ensurePage(int tab);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Fields {
        QLineEdit* projectName = nullptr;
        QLineEdit* formatField = nullptr;
        QRadioButton* manning = nullptr;
        QRadioButton* kutter = nullptr;
        QRadioButton* crownJoint = nullptr;
        QRadioButton* minCoverMethod = nullptr;
        QLineEdit* minCover = nullptr;
        QLineEdit* manholeDrop = nullptr;
        QLineEdit* outletRoute = nullptr;
        QLineEdit* outletGround = nullptr;
        QLineEdit* outletManholeType = nullptr;
        QLineEdit* hinterland = nullptr;
        QComboBox* pipeType = nullptr;
        QLineEdit* minDiameter = nullptr;
        QLineEdit* maxDiameter = nullptr;
        std::array<QComboBox*, 6> digits{};
        QRadioButton* moveRight = nullptr;
        QRadioButton* moveDown = nullptr;
    };

    QWidget* buildSettingsPage();
    QWidget* buildRoutesPage();
    QWidget* buildSplitPage();
    QWidget* buildCadPage();
    void buildMenusAndToolbar();
    void buildEditors(int tab);
    gui::CellEditor* makeEditor(int n, common::GridParams params, gui::CellEditor::Commit commit,
                                const char* name);
    void refreshSettings();
    void refreshStatus();
    void buildCheckStatus();
    // The checks again after each "縦断計算" (or now, with force): status bar and window.
    void refreshChecks(bool force = false);

    gui::GridView* makeGrid(common::Table& table, const QString& name,
                            const std::vector<int>& widthsTwips, bool labelsAsData = false);
    using Command = std::function<void(Document&, common::Ui&)>;
    // A button that runs one command.
    QPushButton* button(const QString& caption, const QString& name, Command command);
    void bindText(QLineEdit* field, std::string Settings::*member);

    // Runs one command on the document and shows the result.
    void run(const Command& command);

    // Commands of the menus and the toolbar.
    void openFile();
    void saveFile();
    void saveFileAs();
    void exportText();
    void calculateFromMenu();
    void handOff();
    void startShoveda();
    void openManual();
    void showVersion();
    void formatIntake();

    Document doc_;
    std::unique_ptr<common::Ui> ownUi_;
    WindowUi ui_;

    ProfileTabs* tabs_ = nullptr;
    std::array<QWidget*, 4> pageHolders_{};  // tabs 1 to 3 until built
    std::array<bool, 4> pageBuilt_{true, false, false, false};
    std::array<gui::GridView*, 9> grids_{};
    std::array<gui::CellEditor*, 5> editors_{};
    std::shared_ptr<gui::EditTarget> target_ = std::make_shared<gui::EditTarget>();
    Fields f_;
    QCheckBox* dropPipe_ = nullptr;
    QLabel* status1_ = nullptr;
    QLabel* status2_ = nullptr;
    QLabel* checkStatus_ = nullptr;
    DesignCheckPanel* checkPanel_ = nullptr;
    int checkedRuns_ = 0;  // the document's calculation count the checks last followed
    QToolBar* toolbar_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace kandoru::shell
