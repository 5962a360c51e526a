// The window of the format data manager: menu, toolbar, the four tabs with the settings
// fields and the three tables, the move direction and the status bar. Every command is
// one call into the format core.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>

#include "common/gui/cell_editor.h"
#include "common/gui/grid_view.h"
#include "common/gui/qt_ui.h"
#include "shoveda/format/document.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;

namespace shoveda {

class BandSketch;

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    FormatDocument& document() { return doc_; }
    // Dialogs and messages go here; the window's own QtUi unless a test sets another.
    void setUi(common::Ui* ui) { ui_ = ui; }

    // Commands of the menu, the toolbar and the row buttons (grid 9, 10 or 11).
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void exportData();
    void insertRow(int grid);
    void deleteRow(int grid);

    // Shows the document in every field and table (after Open).
    void showDocument();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildDrawingTab1();
    QWidget* buildDrawingTab2();
    QWidget* buildSectionTab();
    QWidget* buildManholeTab();
    void buildMenuAndToolbar();

    // A text field bound to a settings item, with the numeric key filter when numeric.
    QLineEdit* textField(FormatItem item, bool numeric, int width = 60);
    // The field followed by its unit, as one widget.
    QWidget* withUnit(QLineEdit* field, const QString& unit);
    QComboBox* listField(FormatItem item, const QStringList& entries);
    QAbstractButton* flagButton(FormatItem item, const QString& caption);
    // The pair "1行挿入" / "1行削除" of grid n.
    QVBoxLayout* rowButtons(int n);
    // A row button's command on grid n, with the grid's repainting held while it runs.
    void rowOperation(int n, bool (*operation)(common::Table&, common::Ui&));
    gui::GridView* grid(int n) const;
    void commitEditors();
    void showField(FormatItem item);
    void showFlags();

    FormatDocument doc_;
    std::unique_ptr<gui::QtUi> qtUi_;
    common::Ui* ui_ = nullptr;

    QTabWidget* tabs_ = nullptr;
    BandSketch* sketch_ = nullptr;
    std::map<FormatItem, QLineEdit*> textFields_;
    std::map<FormatItem, QComboBox*> listFields_;
    std::map<FormatItem, QStringList> listEntries_;
    std::map<FormatItem, QAbstractButton*> flagButtons_;
    std::array<QButtonGroup*, 2> choiceGroups_{};
    std::array<gui::GridView*, 3> grids_{};
    std::array<gui::CellEditor*, 3> editors_{};
    std::shared_ptr<gui::EditTarget> target_ = std::make_shared<gui::EditTarget>();
    QRadioButton* moveRight_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QLabel* statusPanel2_ = nullptr;
};

}  // namespace shoveda
