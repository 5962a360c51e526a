// The drawing window: captions, ranges and start values of every control, and the
// three commands behind its buttons.
#include "zumenko/shell/window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "common/gui/qt_ui.h"
#include "common/gui/qtext.h"
#include "common/rendezvous.h"
#include "zumenko/intake.h"
#include "zumenko/layout.h"
#include "zumenko/preview/preview_window.h"
#include "zumenko/sheet_set.h"
#include "zumenko/shell/delivery.h"
#include "zumenko/shell/spin_field.h"

namespace zumenko {
namespace {

// The layout fields hold what the user typed; a field that is no number is reported.
constexpr const char* kStationNumberText =
    "起点番号と終点番号には測点の番号を数字で入力してください。";
constexpr const char* kDatumLevelText = "ＤＬ(m)には基準高を数字で入力してください。";

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

DrawingWindow::DrawingWindow(common::Ui* ui, QWidget* parent)
    : QMainWindow(parent),
      ownUi_(ui ? nullptr : std::make_unique<gui::QtUi>(this, nullptr)),
      ui_(ui ? *ui : *ownUi_) {
    scriptPath = common::rendezvousPath(kScriptFileName);
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    buildControls();
}

DrawingWindow::~DrawingWindow() = default;

void DrawingWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* top = new QVBoxLayout(central);

    start_ =
        named(new QPushButton(gui::qs("作図開始　（作図レイアウト指示）"), central), "Command1");
    automatic_ =
        named(new QPushButton(gui::qs("全線自動作図（作図レイアウト無効）"), central), "Command2");
    allSheets_ = named(new QPushButton(gui::qs("全シート作図"), central), "Command6");
    end_ = named(new QPushButton(gui::qs("作図終了"), central), "Command3");
    preview_ = named(new QPushButton(gui::qs("プレビュー"), central), "Command5");
    for (auto* b : {start_, automatic_, allSheets_, preview_}) {
        b->setMinimumHeight(34);
        top->addWidget(b);
    }

    auto* layoutFrame = named(new QGroupBox(gui::qs("作図レイアウト"), central), "Frame1");
    auto* grid = new QGridLayout(layoutFrame);
    startNo_ = named(new SpinField(1, 999, 1, layoutFrame), "Text1");
    endNo_ = named(new SpinField(1, 999, 1, layoutFrame), "Text2");
    length_ = named(new QLineEdit(layoutFrame), "Text3");
    datum_ = named(new SpinField(-90, 999, 5, layoutFrame), "Text4");
    startNo_->setText(QStringLiteral("1"));
    endNo_->setText(QStringLiteral("1"));
    datum_->setText(QStringLiteral("0"));
    // The split label of each station number (such as 3-1) beside its field.
    startLabel_ = named(new QLabel(layoutFrame), "Label7");
    endLabel_ = named(new QLabel(layoutFrame), "Label8");
    grid->addWidget(named(new QLabel(gui::qs("起点番号"), layoutFrame), "Label1"), 0, 0);
    grid->addWidget(startNo_, 0, 1);
    grid->addWidget(startLabel_, 0, 2);
    grid->addWidget(named(new QLabel(gui::qs("終点番号"), layoutFrame), "Label2"), 0, 3);
    grid->addWidget(endNo_, 0, 4);
    grid->addWidget(endLabel_, 0, 5);
    grid->addWidget(named(new QLabel(gui::qs("延長"), layoutFrame), "Label3"), 1, 0);
    grid->addWidget(length_, 1, 1);
    grid->addWidget(named(new QLabel(gui::qs("ＤＬ(m)"), layoutFrame), "Label4"), 1, 3);
    grid->addWidget(datum_, 1, 4);
    grid->addWidget(named(new QLabel(QStringLiteral("m"), layoutFrame), "Label5"), 1, 5);
    layout_ = named(new QPushButton(gui::qs("レイアウト"), layoutFrame), "Command4");
    grid->addWidget(layout_, 2, 0, 1, 2);

    auto* directionFrame = named(new QGroupBox(gui::qs("作図方向"), layoutFrame), "Frame2");
    auto* direction = new QHBoxLayout(directionFrame);
    downstreamFirst_ = named(new QRadioButton(gui::qs("下流→上流"), directionFrame), "Option1");
    upstreamFirst_ = named(new QRadioButton(gui::qs("上流→下流"), directionFrame), "Option2");
    upstreamFirst_->setChecked(true);
    direction->addWidget(downstreamFirst_);
    direction->addWidget(upstreamFirst_);
    grid->addWidget(directionFrame, 3, 0, 2, 3);
    pipeWall_ = named(new QCheckBox(gui::qs("管厚"), layoutFrame), "Check1");
    frame_ = named(new QCheckBox(gui::qs("外枠・内枠記入"), layoutFrame), "Check2");
    frame_->setChecked(true);
    grid->addWidget(pipeWall_, 3, 3, 1, 3);
    grid->addWidget(frame_, 4, 3, 1, 3);
    for (QWidget* f : {static_cast<QWidget*>(startNo_), static_cast<QWidget*>(endNo_),
                       static_cast<QWidget*>(length_), static_cast<QWidget*>(datum_)})
        f->setFixedWidth(110);
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(2, 1);
    top->addWidget(layoutFrame);

    auto* note =
        named(new QLabel(
                  gui::qs("作図開始ボタンを押した後、AutoCADLTを起動する。LTのコマンドラインをクリ"
                          "ックし、マウスの右クリックの  貼り付けを選択すると作図が開始されます。"),
                  central),
              "Label6");
    note->setTextFormat(Qt::PlainText);  // keeps the two blanks
    note->setWordWrap(true);
    // Japanese lines are wrapped a little past the measured width when a closing "。"
    // must stay with the character before it: room on the right keeps it on the window.
    note->setContentsMargins(0, 0, 16, 0);
    top->addWidget(note);
    auto* endRow = new QHBoxLayout;
    endRow->addStretch();
    endRow->addWidget(end_);
    top->addLayout(endRow);
    setCentralWidget(central);
    setStatusBar(named(new QStatusBar(this), "StatusBar1"));

    connect(start_, &QPushButton::clicked, this, [this] { startCommand(/*automatic=*/false); });
    connect(automatic_, &QPushButton::clicked, this, [this] { startCommand(/*automatic=*/true); });
    connect(end_, &QPushButton::clicked, this, [this] { endCommand(); });
    connect(preview_, &QPushButton::clicked, this, [this] { previewCommand(); });
    connect(layout_, &QPushButton::clicked, this, [this] { layoutCommand(); });
    connect(allSheets_, &QPushButton::clicked, this, [this] { allSheetsCommand(); });
    for (SpinField* f : {startNo_, endNo_})
        connect(f->field(), &QLineEdit::textChanged, this, [this] { showSplitLabels(); });
    setFixedWidth(sizeHint().width() < 440 ? 440 : sizeHint().width());
}

bool DrawingWindow::intake(const std::filesystem::path& handoff) {
    Drawing doc;
    common::ReadReport report;
    if (!readHandoff(handoff, doc, nullptr, &report)) {
        ui_.message(common::Icon::Critical, kHandoffErrorTitle, handoffErrorMessage(handoff));
        return false;
    }
    common::showReadReport(ui_, report, handoff);
    doc_ = std::move(doc);
    showSplitLabels();
    return true;
}

void DrawingWindow::setDrawing(Drawing doc) {
    doc_ = std::move(doc);
    showSplitLabels();
}

void DrawingWindow::showSplitLabels() {
    const int n = stationCount(doc_);
    for (auto [field, label] : {std::pair{startNo_, startLabel_}, std::pair{endNo_, endLabel_}}) {
        auto r = parseStationNumber(gui::ss(field->text()));
        label->setText(r && *r >= 1 && *r <= n ? gui::qs(doc_.fgrid7.text(*r, SplitPointCol::Label))
                                               : QString());
    }
}

std::optional<DrawOptions> DrawingWindow::options(bool automatic) {
    DrawOptions opt;
    opt.automatic = automatic;
    opt.upstreamToDownstream = upstreamFirst_->isChecked();
    opt.pipeWall = pipeWall_->isChecked();
    opt.frame = frame_->isChecked();
    if (automatic) return opt;  // the layout fields do not count
    auto s = parseStationNumber(gui::ss(startNo_->text()));
    auto e = parseStationNumber(gui::ss(endNo_->text()));
    if (!s || !e) {
        ui_.message(common::Icon::Exclamation, kLayoutTitle, kStationNumberText);
        return std::nullopt;
    }
    auto dl = parseDatumLevel(gui::ss(datum_->text()));
    if (!dl) {
        ui_.message(common::Icon::Exclamation, kLayoutTitle, kDatumLevelText);
        return std::nullopt;
    }
    opt.startNo = *s;
    opt.endNo = *e;
    opt.datumLevel = *dl;
    opt.datumText = trimmedField(gui::ss(datum_->text()));
    return opt;
}

void DrawingWindow::layoutCommand() {
    auto s = parseStationNumber(gui::ss(startNo_->text()));
    auto e = parseStationNumber(gui::ss(endNo_->text()));
    if (!s || !e) {
        ui_.message(common::Icon::Exclamation, kLayoutTitle, kStationNumberText);
        return;
    }
    LayoutResult r = layoutButton(doc_, *s, *e);
    if (!r.ok) {
        ui_.message(common::Icon::Critical, kLayoutTitle, kNoStretchText);
        return;
    }
    startNo_->setText(QString::number(r.startNo));
    endNo_->setText(QString::number(r.endNo));
    length_->setText(gui::qs(r.lengthText));
    datum_->setText(gui::qs(r.datumText));
    // A stretch that runs past the sheet's frame is drawn as asked, but the user hears of it.
    if (auto opt = options(/*automatic=*/false))
        if (auto warning = layoutFitWarning(doc_, *opt))
            ui_.message(common::Icon::Exclamation, kLayoutTitle, *warning);
}

void DrawingWindow::startCommand(bool automatic) {
    // The mode belongs to this press only: after a refused or failed drawing the start
    // button draws the layout again, not the whole line.
    auto opt = options(automatic);
    if (!opt) return;
    if (!drawAndDeliver(doc_, *opt, ui_, scriptPath)) return;
    delivered_ = true;
    close();
}

void DrawingWindow::allSheetsCommand() {
    auto opt = options(/*automatic=*/true);
    if (!opt) return;
    if (!deliver(drawSheetSetScript(doc_, *opt), ui_, scriptPath)) return;
    delivered_ = true;
    close();
}

void DrawingWindow::endCommand() { close(); }

void DrawingWindow::previewCommand() {
    auto opt = options(/*automatic=*/false);
    if (!opt) return;
    ScriptResult script = drawScript(doc_, *opt);
    if (script.error) {
        ui_.message(common::Icon::Critical, script.error->title, script.error->text);
        return;
    }
    preview::showScriptPreview(this, script.text, ui_);
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (ended_) return;
    ended_ = true;
    if (onEnd) onEnd(delivered_);
}

}  // namespace zumenko
