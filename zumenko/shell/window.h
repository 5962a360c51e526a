// The drawing program's window: the layout fields, the direction and options, and the
// buttons that draw, deliver and end.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "common/ui.h"
#include "zumenko/drawing.h"
#include "zumenko/script.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zumenko {

class SpinField;

inline constexpr const char* kProgramTitle = "Zumenko";

class DrawingWindow : public QMainWindow {
public:
    // Sets the window above all others; the tables and fields start at their start values.
    // Without a ui the window shows its messages in boxes over itself.
    explicit DrawingWindow(common::Ui* ui = nullptr, QWidget* parent = nullptr);
    ~DrawingWindow() override;

    // Reads the hand-off file; a file that cannot be used is reported and gives false.
    bool intake(const std::filesystem::path& handoff);
    // The drawing document without a file (tests).
    void setDrawing(Drawing doc);
    const Drawing& drawing() const { return doc_; }

    // Called once when the window ends: delivered is true after a script went to the
    // clipboard, false when the window was closed without one.
    std::function<void(bool delivered)> onEnd;
    // Where the script goes (JTemp.txt in the rendezvous folder).
    std::filesystem::path scriptPath;

    // The commands behind the buttons.
    void layoutCommand();
    void startCommand(bool automatic);
    // "全シート作図": the whole line as a set of sheets, delivered as the drawing buttons do.
    void allSheetsCommand();
    void endCommand();
    // Shows the picture of the script the start button would deliver; the window stays.
    void previewCommand();

    // The drawing the fields ask for; nullopt (reported) when a layout field is no number.
    std::optional<DrawOptions> options(bool automatic);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // The split labels of the stations in the start and end fields, beside them.
    void showSplitLabels();

    std::unique_ptr<common::Ui> ownUi_;
    common::Ui& ui_;
    Drawing doc_;
    bool delivered_ = false;
    bool ended_ = false;

    QPushButton* start_ = nullptr;
    QPushButton* automatic_ = nullptr;
    QPushButton* allSheets_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* end_ = nullptr;
    QPushButton* layout_ = nullptr;
    SpinField* startNo_ = nullptr;
    SpinField* endNo_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QLabel* endLabel_ = nullptr;
    QLineEdit* length_ = nullptr;
    SpinField* datum_ = nullptr;
    QRadioButton* downstreamFirst_ = nullptr;
    QRadioButton* upstreamFirst_ = nullptr;
    QCheckBox* pipeWall_ = nullptr;
    QCheckBox* frame_ = nullptr;
};

}  // namespace zumenko
