// Format data manager window: widgets bound to the format document, commands delegated
// to the core.
#include "shoveda/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "common/gui/key_filters.h"
#include "common/gui/qtext.h"
#include "common/gui/window_fit.h"
#include "shoveda/format/commands.h"
#include "shoveda/shell/band_sketch.h"

namespace shoveda {

using gui::qs;
using gui::qsPath;
using gui::ss;

namespace {

QLabel* label(const QString& text, QWidget* parent = nullptr) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QGroupBox* frame(const QString& caption) { return new QGroupBox(caption); }

// The note beside the band sketch: one label whose sentences are separated by runs of
// full-width spaces, each run long enough to carry the next sentence to a new line of a
// label kNoteColumns full-width characters wide.
constexpr int kNoteColumns = 24;

constexpr int kBoxCodeTwips = 1500;

QString bandNote() {
    const QStringList sentences{
        QStringLiteral("帯高さ及び帯数について"),
        QStringLiteral("上から2種類の帯高さが設定可能です。"),
        QStringLiteral("1 に高さを入力し、上からの段数を入力します。"),
        QStringLiteral("2 には1より下の帯高さ及び段数を入力します。"),
        QStringLiteral("以上の入力された段数の合計が帯数となります。"),
        QStringLiteral("帯数の上限は10本です。"),
    };
    QString note;
    for (int i = 0; i < sentences.size(); ++i) {
        note += sentences[i];
        if (i + 1 == sentences.size()) break;
        // Half-width characters take half a column; spaces at a line end may overhang, so
        // a run that is one space too long does no harm.
        int halves = 0;
        for (QChar ch : sentences[i]) halves += ch.unicode() < 0x100 ? 1 : 2;
        int used = (halves + 1) / 2 % kNoteColumns;
        note += QString(kNoteColumns - used + 1, QChar(0x3000));
    }
    return note;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Shoveda"));
    setWindowTitle(QStringLiteral("Shoveda"));
    qtUi_ = std::make_unique<gui::QtUi>(this, [this](int n) { tabs_->setCurrentIndex(n); });
    ui_ = qtUi_.get();

    buildMenuAndToolbar();

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    // The settings pages are taller than a 1366 × 768 screen leaves: they scroll there.
    auto scrolled = [](QWidget* page, const char* name) {
        auto* area = new QScrollArea;
        area->setObjectName(QString::fromLatin1(name));
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        area->setWidget(page);
        return area;
    };
    tabs_->addTab(scrolled(buildDrawingTab1(), "scrDrawing1"), QStringLiteral("作図設定１"));
    tabs_->addTab(scrolled(buildDrawingTab2(), "scrDrawing2"), QStringLiteral("作図設定２"));
    tabs_->addTab(buildSectionTab(), QStringLiteral("排水路断面ﾃﾞｰﾀ"));
    tabs_->addTab(buildManholeTab(), QStringLiteral("人孔・副管ﾃﾞｰﾀ"));
    // A tab switch takes the focus from an open cell editor, which commits it; commit
    // directly as well in case no focus event arrives.
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { commitEditors(); });

    auto* direction = frame(QStringLiteral("セル移動方向"));
    direction->setObjectName(QStringLiteral("FrameMoveDirection"));
    auto* dl = new QVBoxLayout(direction);
    moveRight_ = new QRadioButton(QStringLiteral("右へ"));
    moveRight_->setObjectName(QStringLiteral("optMoveRight"));
    auto* moveDown = new QRadioButton(QStringLiteral("下へ"));
    moveDown->setObjectName(QStringLiteral("optMoveDown"));
    moveRight_->setChecked(true);
    dl->addWidget(moveRight_);
    dl->addWidget(moveDown);

    auto* central = new QWidget;
    auto* cl = new QHBoxLayout(central);
    cl->addWidget(tabs_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(direction);
    side->addStretch(1);
    cl->addLayout(side);
    setCentralWidget(central);

    statusPanel1_ = new QLabel;
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    statusPanel1_->setMinimumWidth(120);
    statusPanel2_ = new QLabel;
    statusPanel2_->setObjectName(QStringLiteral("StatusPanel2"));
    statusBar()->addWidget(statusPanel1_);
    statusBar()->addWidget(statusPanel2_, 1);

    // As large as the settings pages want without scrolling, but no larger than the screen.
    QSize unscrolled = sizeHint();
    for (auto* area : tabs_->findChildren<QScrollArea*>()) {
        const QSize more = area->widget()->sizeHint() - area->sizeHint();
        unscrolled = unscrolled.expandedTo(sizeHint() + more.expandedTo(QSize(0, 0)));
    }
    gui::fitToScreen(this, unscrolled);
    showDocument();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenuAndToolbar() {
    auto* menu = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    auto action = [this, menu](const char* name, const QString& text, void (MainWindow::*cmd)()) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, cmd] { (this->*cmd)(); });
        return a;
    };
    QAction* open = action("mnuOpen", QStringLiteral("開く(&O)..."), &MainWindow::fileOpen);
    QAction* save = action("mnuSave", QStringLiteral("上書き保存(&S)"), &MainWindow::fileSave);
    action("mnuSaveAs", QStringLiteral("名前を付けて保存(&A)..."), &MainWindow::fileSaveAs);
    menu->addSeparator();
    QAction* exportAction =
        action("mnuExport", QStringLiteral("データの書き出し"), &MainWindow::exportData);
    menu->addSeparator();
    QAction* quit = menu->addAction(QStringLiteral("終了(&X)"));
    quit->setObjectName(QStringLiteral("mnuExit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    auto* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto tool = [this, bar](const char* name, QStyle::StandardPixmap icon, const QString& tip,
                            QAction* same) {
        QAction* a = bar->addAction(style()->standardIcon(icon), tip);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(tip);
        connect(a, &QAction::triggered, same, &QAction::trigger);
    };
    tool("tbOpen", QStyle::SP_DialogOpenButton, QStringLiteral("開く"), open);
    tool("tbSave", QStyle::SP_DialogSaveButton, QStringLiteral("上書き保存"), save);
    tool("tbExport", QStyle::SP_FileDialogDetailedView, QStringLiteral("データの書き出し"),
         exportAction);
}

QLineEdit* MainWindow::textField(FormatItem item, bool numeric, int width) {
    auto* f = new QLineEdit;
    f->setObjectName(QStringLiteral("Text%1").arg(common::itemNumber(item)));
    f->setFixedWidth(width);
    if (numeric) {
        f->setAlignment(Qt::AlignRight);
        gui::installNumericFilter(f);
    } else {
        gui::installQuoteFilter(f);
    }
    connect(f, &QLineEdit::textChanged, this,
            [this, item](const QString& text) { doc_.setItem(item, ss(text)); });
    textFields_[item] = f;
    return f;
}

QWidget* MainWindow::withUnit(QLineEdit* field, const QString& unit) {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(3);
    l->addWidget(field);
    l->addWidget(label(unit));
    l->addStretch(1);
    return w;
}

QComboBox* MainWindow::listField(FormatItem item, const QStringList& entries) {
    auto* c = new QComboBox;
    c->setObjectName(QStringLiteral("Combo%1").arg(common::itemNumber(item)));
    c->addItems(entries);
    c->setMinimumWidth(60);
    listFields_[item] = c;
    listEntries_[item] = entries;
    // Only a choice by the user changes the document (and, for the sheet, the sizes).
    connect(c, &QComboBox::activated, this, [this, item, c](int index) {
        std::string text = ss(c->itemText(index));
        if (item == FormatItem::SheetStandard) {
            doc_.chooseSheet(text);
            showField(FormatItem::SheetWidthMm);
            showField(FormatItem::SheetHeightMm);
        } else {
            doc_.setItem(item, text);
        }
    });
    return c;
}

QAbstractButton* MainWindow::flagButton(FormatItem item, const QString& caption) {
    QAbstractButton* b;
    if (common::formatItemKind(item) == common::FormatItemKind::Choice) {
        b = new QRadioButton(caption);
        b->setObjectName(QStringLiteral("Option%1").arg(common::itemNumber(item)));
        connect(b, &QAbstractButton::toggled, this, [this, item](bool on) {
            if (on) doc_.setFlag(item, true);
        });
        auto& group = choiceGroups_[item <= FormatItem::ArrowOff ? 0 : 1];
        if (!group) group = new QButtonGroup(this);
        group->addButton(b);
    } else {
        b = new QCheckBox(caption);
        b->setObjectName(QStringLiteral("Check%1").arg(common::itemNumber(item)));
        connect(b, &QAbstractButton::toggled, this,
                [this, item](bool on) { doc_.setFlag(item, on); });
    }
    flagButtons_[item] = b;
    return b;
}

QWidget* MainWindow::buildDrawingTab1() {
    auto* page = new QWidget;
    auto* top = new QGridLayout(page);

    // The band sketch with the fields of the band layout items.
    sketch_ = new BandSketch;
    for (int n = common::itemNumber(FormatItem::DatumAboveBandMm);
         n <= common::itemNumber(FormatItem::TriangleBaseMm); ++n) {
        const auto item = static_cast<FormatItem>(n);
        const bool count = item == FormatItem::UpperRowCount || item == FormatItem::LowerRowCount;
        QString unit = count ? QStringLiteral("段分") : QStringLiteral("mm");
        sketch_->place(item, withUnit(textField(item, true, count ? 36 : 44), unit));
    }
    auto* sketchFrame = new QFrame;
    sketchFrame->setFrameShape(QFrame::StyledPanel);
    auto* sf = new QVBoxLayout(sketchFrame);
    sf->setContentsMargins(1, 1, 1, 1);
    sf->addWidget(sketch_);
    top->addWidget(sketchFrame, 0, 0, 1, 3, Qt::AlignLeft | Qt::AlignTop);

    auto* note = label(bandNote());
    note->setObjectName(QStringLiteral("LabelBandNote"));
    note->setWordWrap(true);
    note->setFixedWidth(
        note->fontMetrics().horizontalAdvance(QString(kNoteColumns, QChar(0x3000))));
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Band item ranks.
    auto* ranks = frame(QStringLiteral("帯項目"));
    auto* rl = new QGridLayout(ranks);
    rl->addWidget(label(QStringLiteral("表示順位上から")), 0, 1);
    const QStringList names{QStringLiteral("管径"),     QStringLiteral("勾配"),
                            QStringLiteral("区間距離"), QStringLiteral("地盤高"),
                            QStringLiteral("土被"),     QStringLiteral("管底高"),
                            QStringLiteral("掘削深"),   QStringLiteral("追加距離")};
    QStringList rankEntries;
    for (int i = 0; i <= 10; ++i) rankEntries << QString::number(i);
    for (int i = 0; i < 8; ++i) {
        rl->addWidget(label(names[i]), i + 1, 0);
        rl->addWidget(listField(common::kBandRowItems[static_cast<size_t>(i)], rankEntries), i + 1,
                      1);
    }
    auto* right = new QVBoxLayout;
    right->addWidget(note);
    right->addWidget(ranks);
    right->addStretch(1);
    top->addLayout(right, 0, 3, 2, 1);

    // Sheet, scales, elevation scale.
    auto* sheet = frame(QStringLiteral("用紙"));
    auto* shl = new QGridLayout(sheet);
    QStringList standards;
    for (const char* s : kSheetStandards) standards << QString::fromLatin1(s);
    shl->addWidget(label(QStringLiteral("規格：")), 0, 0);
    shl->addWidget(listField(FormatItem::SheetStandard, standards), 0, 1);
    shl->addWidget(label(QStringLiteral("幅")), 1, 0, Qt::AlignRight);
    shl->addWidget(withUnit(textField(FormatItem::SheetWidthMm, false), QStringLiteral("mm")), 1,
                   1);
    shl->addWidget(label(QStringLiteral("高")), 2, 0, Qt::AlignRight);
    shl->addWidget(withUnit(textField(FormatItem::SheetHeightMm, false), QStringLiteral("mm")), 2,
                   1);

    auto* scales = frame(QStringLiteral("縮尺"));
    auto* scl = new QGridLayout(scales);
    scl->addWidget(label(QStringLiteral("水平　　H = 1：")), 0, 0);
    scl->addWidget(textField(FormatItem::HorizontalScale, true), 0, 1);
    scl->addWidget(label(QStringLiteral("鉛直　　V = 1：")), 1, 0);
    scl->addWidget(textField(FormatItem::VerticalScale, true), 1, 1);

    auto* elevation = frame(QStringLiteral("標高スケール"));
    auto* el = new QGridLayout(elevation);
    el->addWidget(label(QStringLiteral("大目盛間隔  ：")), 0, 0);
    el->addWidget(withUnit(textField(FormatItem::MajorTickM, true), QStringLiteral("m")), 0, 1);
    el->addWidget(label(QStringLiteral("小目盛間隔　：")), 1, 0);
    el->addWidget(withUnit(textField(FormatItem::MinorTickM, true), QStringLiteral("m")), 1, 1);

    auto* scaleColumn = new QVBoxLayout;
    scaleColumn->addWidget(scales);
    scaleColumn->addWidget(elevation);
    scaleColumn->addStretch(1);

    // Texts: height and aspect ratio per kind.
    auto* texts = frame(QStringLiteral("文字の設定"));
    auto* tl = new QGridLayout(texts);
    tl->addWidget(label(QStringLiteral("高さmm")), 0, 1, Qt::AlignCenter);
    tl->addWidget(label(QStringLiteral("縦横比")), 0, 2, Qt::AlignCenter);
    const QStringList rows{QStringLiteral("項目 　　："), QStringLiteral("帯数値　："),
                           QStringLiteral("標高 　　："), QStringLiteral("縮尺 　　："),
                           QStringLiteral("旗上げ　：")};
    const std::pair<FormatItem, FormatItem> textItems[] = {
        {FormatItem::HeadingTextHeightMm, FormatItem::HeadingTextAspect},
        {FormatItem::ValueTextHeightMm, FormatItem::ValueTextAspect},
        {FormatItem::ElevationTextHeightMm, FormatItem::ElevationTextAspect},
        {FormatItem::ScaleTextHeightMm, FormatItem::ScaleTextAspect},
        {FormatItem::FlagTextHeightMm, FormatItem::FlagTextAspect}};
    for (int i = 0; i < 5; ++i) {
        tl->addWidget(label(rows[i]), i + 1, 0);
        tl->addWidget(textField(textItems[i].first, true), i + 1, 1);
        tl->addWidget(textField(textItems[i].second, false), i + 1, 2);
    }

    // Layer names for drawing in the LT edition.
    auto* layers = frame(QStringLiteral("作図ﾚｲﾔｰ名（LT作図用）"));
    auto* ll = new QGridLayout(layers);
    const QStringList layerRows{QStringLiteral("帯線　　　："), QStringLiteral("文字　　　："),
                                QStringLiteral("計画管渠："), QStringLiteral("地盤線　 ："),
                                QStringLiteral("枠線　　　：")};
    const FormatItem layerItems[] = {FormatItem::BandLayer, FormatItem::TextLayer,
                                     FormatItem::PipeLayer, FormatItem::GroundLayer,
                                     FormatItem::FrameLayer};
    for (int i = 0; i < 5; ++i) {
        ll->addWidget(label(layerRows[i]), i, 0);
        ll->addWidget(textField(layerItems[i], false, 130), i, 1);
    }

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sheet, 0, Qt::AlignTop);
    bottom->addLayout(scaleColumn);
    bottom->addWidget(texts, 0, Qt::AlignTop);
    bottom->addWidget(layers, 0, Qt::AlignTop);
    bottom->addStretch(1);
    top->addLayout(bottom, 1, 0, 1, 3);
    top->setRowStretch(2, 1);
    top->setColumnStretch(4, 1);
    return page;
}

QWidget* MainWindow::buildDrawingTab2() {
    auto* page = new QWidget;
    auto* top = new QGridLayout(page);

    auto* distances = new QGridLayout;
    const std::pair<FormatItem, const char*> rows[] = {
        {FormatItem::GroundAboveDatumMm, "最下流地点の地盤とＤＬの高低差  ："},
        {FormatItem::BandLeftMm, "用紙左端から帯左端までの離れ　  ："},
        {FormatItem::BandBottomMm, "用紙下端から帯下端までの離れ　  ："},
        {FormatItem::FlagClearanceMm, "最上流地盤と旗上げの離れ　　　   ："},
    };
    int r = 0;
    for (auto [item, caption] : rows) {
        distances->addWidget(label(QString::fromUtf8(caption)), r, 0);
        distances->addWidget(withUnit(textField(item, true), QStringLiteral("mm")), r, 1);
        ++r;
    }
    distances->addWidget(
        flagButton(FormatItem::ChangePointLines, QStringLiteral("　地盤変化点の下に縦線を記入")), r,
        0, 1, 2);
    auto* left = new QVBoxLayout;
    left->addLayout(distances);

    auto* flags = frame(QStringLiteral("旗上げ"));
    auto* fl = new QGridLayout(flags);
    fl->addWidget(label(QStringLiteral("表示高DLより：")), 0, 0);
    fl->addWidget(withUnit(textField(FormatItem::ProfileHeightMm, true), QStringLiteral("mm")), 0,
                  1);
    fl->addWidget(label(QStringLiteral("角度　　　　　 ：")), 1, 0);
    fl->addWidget(withUnit(textField(FormatItem::FlagAngleDeg, true), QStringLiteral("°")), 1, 1);
    fl->addWidget(label(QStringLiteral("長さ　　　　　　：")), 2, 0);
    fl->addWidget(withUnit(textField(FormatItem::FlagLengthMm, true), QStringLiteral("mm")), 2, 1);
    fl->addWidget(flagButton(FormatItem::FlagFitsText, QStringLiteral("　文字列に合わせる")), 3, 0,
                  1, 2);
    left->addWidget(flags);
    left->addStretch(1);

    auto* routeMark = frame(QStringLiteral("路線番号"));
    auto* rml = new QGridLayout(routeMark);
    rml->addWidget(flagButton(FormatItem::RouteMarkCircle, QStringLiteral("　円形")), 0, 0);
    rml->addWidget(flagButton(FormatItem::RouteMarkRectangle, QStringLiteral("　長方形")), 1, 0);
    rml->addWidget(flagButton(FormatItem::RouteMarkNone, QStringLiteral("　囲まない")), 2, 0);
    rml->addWidget(label(QStringLiteral("幅 ：")), 0, 1, Qt::AlignRight);
    rml->addWidget(withUnit(textField(FormatItem::RouteMarkWidthMm, false), QStringLiteral("mm")),
                   0, 2);
    rml->addWidget(label(QStringLiteral("高さ ：")), 1, 1, Qt::AlignRight);
    rml->addWidget(withUnit(textField(FormatItem::RouteMarkHeightMm, false), QStringLiteral("mm")),
                   1, 2);
    rml->addWidget(flagButton(FormatItem::RouteMarkDoubleLine, QStringLiteral("　二重線にする")), 3,
                   0, 1, 3);

    auto* flow = frame(QStringLiteral("流下方向"));
    auto* fwl = new QVBoxLayout(flow);
    fwl->addWidget(flagButton(FormatItem::ArrowOn, QStringLiteral("　矢印有り")));
    fwl->addWidget(flagButton(FormatItem::ArrowOff, QStringLiteral("　矢印無し")));

    auto frameLines = [this](const QString& caption, FormatItem offsetItem, FormatItem checkItem) {
        auto* f = frame(caption);
        auto* l = new QGridLayout(f);
        l->addWidget(label(QStringLiteral("図面端からの離れ ：")), 0, 0);
        l->addWidget(withUnit(textField(offsetItem, true), QStringLiteral("mm")), 0, 1);
        l->addWidget(flagButton(checkItem, QStringLiteral("作図する")), 1, 0, 1, 2);
        return f;
    };

    auto* right = new QVBoxLayout;
    right->addWidget(routeMark);
    right->addWidget(flow);
    right->addWidget(frameLines(QStringLiteral("図面外枠線"), FormatItem::OuterFrameMarginMm,
                                FormatItem::DrawOuterFrame));
    right->addWidget(frameLines(QStringLiteral("図面内枠線"), FormatItem::InnerFrameMarginMm,
                                FormatItem::DrawInnerFrame));
    right->addStretch(1);

    top->addLayout(left, 0, 0);
    top->addLayout(right, 0, 1);
    top->setColumnStretch(2, 1);
    top->setHorizontalSpacing(30);
    return page;
}

QWidget* MainWindow::buildSectionTab() {
    auto* page = new QWidget;
    auto* top = new QGridLayout(page);

    auto tableBlock = [this](int n, common::Table& table, const QString& caption,
                             const std::vector<int>& widths, common::GridParams params,
                             void (*rule)(FormatDocument&, int, int, const std::string&)) {
        auto* block = new QGridLayout;
        block->addWidget(label(caption), 0, 0);
        auto* g = new gui::GridView(table, QStringLiteral("FGrid%1").arg(n));
        g->setColumnWidthsTwips(widths);
        g->setRowHeightTwips(300);
        // The code name, then the sizes.
        static_assert(common::CircularCol::Code == common::BoxCol::Code);
        g->tableModel()->setAlignment(common::BoxCol::Code, Qt::AlignLeft | Qt::AlignVCenter);
        for (int c = common::BoxCol::Code + 1; c < table.cols(); ++c)
            g->tableModel()->setAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        int width = 0;
        for (int w : widths) width += gui::twips(w);
        g->setFixedWidth(width + g->verticalScrollBar()->sizeHint().width() + 2 * g->frameWidth());
        g->setMinimumHeight(420);
        grids_[static_cast<size_t>(n - 9)] = g;
        editors_[static_cast<size_t>(n - 9)] = new gui::CellEditor(
            g, params, target_, [this] { return moveRight_->isChecked(); },
            [this, rule](int row, int col, const std::string& text) { rule(doc_, row, col, text); },
            QStringLiteral("txtForEdit%1").arg(n));
        block->addWidget(g, 1, 0);
        block->addLayout(rowButtons(n), 1, 1);
        return block;
    };

    top->addLayout(
        tableBlock(9, doc_.format.circular, QStringLiteral("円形断面"),
                   {500, 1000, 1000, 1000, 1000}, common::circularGridParams(), &commitCircular),
        0, 0);
    // Box code names such as □1500×1500 are longer than pipe codes: a wider code column.
    top->addLayout(tableBlock(10, doc_.format.box, QStringLiteral("暗渠(BOX)断面"),
                              {500, kBoxCodeTwips, 1000, 1000, 1000, 1000}, common::boxGridParams(),
                              &commitBox),
                   0, 1);
    auto* note = label(QStringLiteral("掘削高ｍ　＝　管底高ｍ　－　基面高ｍ"));
    note->setObjectName(QStringLiteral("LabelExcavationNote"));
    top->addWidget(note, 1, 0, 1, 2);
    top->setColumnStretch(2, 1);
    top->setHorizontalSpacing(24);
    return page;
}

QWidget* MainWindow::buildManholeTab() {
    auto* page = new QWidget;
    auto* top = new QGridLayout(page);

    auto* g = new gui::GridView(doc_.format.manholeTypes, QStringLiteral("FGrid11"));
    g->setColumnWidthsTwips({1000, 2000, 2400});
    g->setRowHeightTwips(300);
    g->tableModel()->setAlignment(common::ManholeTypeCol::Name, Qt::AlignCenter);
    g->tableModel()->setAlignment(common::ManholeTypeCol::LargestPipeMm, Qt::AlignCenter);
    g->setFixedWidth(gui::twips(5400) + g->verticalScrollBar()->sizeHint().width() +
                     2 * g->frameWidth());
    g->setMinimumHeight(420);
    // Column 0 has a heading of its own: shown on the corner button.
    if (auto* corner = g->findChild<QAbstractButton*>()) {
        auto* cl = new QHBoxLayout(corner);
        cl->setContentsMargins(0, 0, 0, 0);
        auto* heading = label(qs(doc_.format.manholeTypes.text(0, 0)));
        heading->setAlignment(Qt::AlignCenter);
        heading->setAttribute(Qt::WA_TransparentForMouseEvents);
        cl->addWidget(heading);
    }
    grids_[2] = g;
    editors_[2] = new gui::CellEditor(
        g, common::manholeTypeGridParams(), target_, [this] { return moveRight_->isChecked(); },
        [this](int row, int col, const std::string& text) {
            commitManholeType(doc_, row, col, text);
        },
        QStringLiteral("txtForEdit11"));
    top->addWidget(g, 0, 0, 2, 1);
    top->addLayout(rowButtons(11), 0, 1, 2, 1);

    // Drop-pipe settings: the diameter rule by main-pipe size, then the drop threshold.
    auto* drop = frame(QStringLiteral("副管設置設定"));
    auto* dl = new QVBoxLayout(drop);
    auto* rule = frame(QStringLiteral("副管径の決定基準"));
    auto* rl = new QGridLayout(rule);
    rl->addWidget(label(QStringLiteral("本管径")), 0, 0);
    rl->addWidget(label(QStringLiteral("副管径")), 1, 0);
    const FormatItem limits[] = {FormatItem::MainPipeLimit1Mm, FormatItem::MainPipeLimit2Mm,
                                 FormatItem::MainPipeLimit3Mm};
    const FormatItem drops[] = {FormatItem::DropPipe1Mm, FormatItem::DropPipe2Mm,
                                FormatItem::DropPipe3Mm};
    for (int i = 0; i < 3; ++i) {
        rl->addWidget(withUnit(textField(limits[i], true, 50), QStringLiteral("mm以下")), 0, i + 1);
        rl->addWidget(withUnit(textField(drops[i], true, 50), QStringLiteral("mm")), 1, i + 1);
    }
    rl->addWidget(label(QStringLiteral("以上")), 0, 4, Qt::AlignCenter);
    rl->addWidget(withUnit(textField(FormatItem::DropPipe4Mm, true, 50), QStringLiteral("mm")), 1,
                  4);
    dl->addWidget(rule);
    auto* threshold = new QHBoxLayout;
    threshold->addWidget(label(QStringLiteral("副管設置基準落差　：")));
    threshold->addWidget(
        withUnit(textField(FormatItem::DropThresholdMm, true), QStringLiteral("mm")));
    threshold->addStretch(1);
    dl->addLayout(threshold);
    top->addWidget(drop, 0, 2, Qt::AlignTop);
    top->setColumnStretch(3, 1);
    top->setRowStretch(1, 1);
    top->setHorizontalSpacing(24);
    return page;
}

QVBoxLayout* MainWindow::rowButtons(int n) {
    auto* buttons = new QVBoxLayout;
    auto* insert = new QPushButton(QStringLiteral("1行挿入"));
    insert->setObjectName(QStringLiteral("cmdInsert%1").arg(n));
    auto* remove = new QPushButton(QStringLiteral("1行削除"));
    remove->setObjectName(QStringLiteral("cmdDelete%1").arg(n));
    connect(insert, &QPushButton::clicked, this, [this, n] { insertRow(n); });
    connect(remove, &QPushButton::clicked, this, [this, n] { deleteRow(n); });
    buttons->addWidget(insert);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    return buttons;
}

gui::GridView* MainWindow::grid(int n) const {
    if (n < 9 || n > 11) return nullptr;
    return grids_[static_cast<size_t>(n - 9)];
}

void MainWindow::commitEditors() {
    for (auto* e : editors_)
        if (e) e->commitIfOpen();
}

void MainWindow::showField(FormatItem item) {
    if (auto it = textFields_.find(item); it != textFields_.end()) {
        QString text = qs(doc_.item(item));
        if (it->second->text() != text) it->second->setText(text);
        return;
    }
    if (auto it = listFields_.find(item); it != listFields_.end()) {
        // A value from a file that is not in the list is shown as an extra entry, so the
        // field never hides what the file holds.
        QComboBox* c = it->second;
        QString value = qs(doc_.item(item));
        QSignalBlocker block(c);
        c->clear();
        c->addItems(listEntries_[item]);
        if (!value.isEmpty() && c->findText(value) < 0) c->addItem(value);
        c->setCurrentIndex(value.isEmpty() ? -1 : c->findText(value));
    }
}

void MainWindow::showFlags() {
    for (auto* group : choiceGroups_) group->setExclusive(false);
    for (auto [item, button] : flagButtons_) {
        QSignalBlocker block(button);
        button->setChecked(doc_.flag(item));
    }
    for (auto* group : choiceGroups_) group->setExclusive(true);
}

void MainWindow::showDocument() {
    for (int n = 1; n <= common::kFormatItemCount; ++n) showField(static_cast<FormatItem>(n));
    showFlags();
    for (auto* g : grids_) g->refresh();
}

void MainWindow::fileOpen() {
    commitEditors();
    if (!openFormat(doc_, *ui_)) return;
    for (auto* g : grids_) g->table().setCurrent(1, common::kFormatKeyCol);
    showDocument();
    statusPanel2_->setText(qsPath(doc_.filePath));
}

void MainWindow::fileSave() {
    commitEditors();
    saveFormat(doc_, *ui_);
}

void MainWindow::fileSaveAs() {
    commitEditors();
    saveFormatAs(doc_, *ui_);
}

void MainWindow::exportData() {
    commitEditors();
    exportSections(doc_, *ui_);
}

void MainWindow::insertRow(int n) { rowOperation(n, &insertTableRow); }

void MainWindow::deleteRow(int n) { rowOperation(n, &deleteTableRow); }

void MainWindow::rowOperation(int n, bool (*operation)(common::Table&, common::Ui&)) {
    gui::GridView* g = grid(n);
    commitEditors();
    // Parking the current row on row 100 must not scroll the rows just changed away.
    int top = g->verticalScrollBar()->value();
    g->setUpdatesEnabled(false);
    operation(g->table(), *ui_);
    g->refresh();
    g->verticalScrollBar()->setValue(top);
    g->setUpdatesEnabled(true);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    commitEditors();
    if (decideExit(doc_, *ui_) == ExitDecision::Stay)
        event->ignore();
    else
        event->accept();
}

}  // namespace shoveda
