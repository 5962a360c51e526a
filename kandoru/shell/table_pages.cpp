// Tabs 1 to 3: the tables with their buttons and notes.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "kandoru/calc/calculation.h"
#include "kandoru/calc/row_ops.h"
#include "kandoru/calc/split.h"
#include "kandoru/files/handoff.h"
#include "kandoru/shell/main_window.h"

namespace kandoru::shell {

namespace {

constexpr auto kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr auto kCentre = Qt::AlignCenter;

void align(gui::GridView* g, const std::vector<Qt::Alignment>& a) {
    for (size_t c = 0; c < a.size(); ++c)
        g->tableModel()->setAlignment(static_cast<int>(c) + 1, a[c]);
}

QGroupBox* framed(const QString& title, const char* name, QWidget* content) {
    auto* box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    auto* l = new QVBoxLayout(box);
    l->addWidget(content);
    return box;
}

QLabel* note(const QString& text, const char* name) {
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

}  // namespace

gui::GridView* MainWindow::makeGrid(common::Table& table, const QString& name,
                                    const std::vector<int>& widthsTwips, bool labelsAsData) {
    auto* g = new gui::GridView(table, name, nullptr, labelsAsData);
    g->setColumnWidthsTwips(widthsTwips);
    // Wide enough for every column and the scroll bar, so the table fills its frame.
    int width = 2 * g->frameWidth() + g->verticalScrollBar()->sizeHint().width() +
                (g->verticalHeader()->isHidden() ? 0 : g->verticalHeader()->width());
    for (int c = 0; c < g->model()->columnCount(); ++c) width += g->columnWidth(c);
    g->setFixedWidth(width);
    return g;
}

QPushButton* MainWindow::button(const QString& caption, const QString& name, Command command) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setMinimumWidth(120);
    if (command) connect(b, &QPushButton::clicked, this, [this, command] { run(command); });
    return b;
}

QWidget* MainWindow::buildRoutesPage() {
    auto* page = new QWidget;
    page->setObjectName("pageRoutes");

    auto* routes = makeGrid(doc_.fgrid1, "FGrid1", {700, 1300, 1200, 900, 1200});
    align(routes, {kLeft, kRight, kRight, kRight});
    grids_[1] = routes;
    auto* points = makeGrid(doc_.fgrid4, "FGrid4", {700, 1300, 1200, 1200, 1200});
    align(points, {kLeft, kRight, kRight, kRight});
    grids_[4] = points;

    auto tableWithButtons = [&](const QString& title, const char* frame, gui::GridView* g,
                                QPushButton* del, QPushButton* ins) {
        auto* box = new QGroupBox(title);
        box->setObjectName(QString::fromLatin1(frame));
        auto* l = new QVBoxLayout(box);
        l->addWidget(g, 1);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(del);
        buttons->addWidget(ins);
        buttons->addStretch(1);
        l->addLayout(buttons);
        return box;
    };
    auto* routeBox =
        tableWithButtons(QStringLiteral("路線基本データ"), "fraRoutes", routes,
                         button(QStringLiteral("1行削除"), "cmdRouteDelete",
                                [](Document& d, common::Ui& u) { routeRowDelete(d, u); }),
                         button(QStringLiteral("1行挿入"), "cmdRouteInsert",
                                [](Document& d, common::Ui& u) { routeRowInsert(d, u); }));
    auto* pointBox =
        tableWithButtons(QStringLiteral("地盤変化点データ"), "fraChangePoints", points,
                         button(QStringLiteral("1行削除"), "cmdPointDelete",
                                [](Document& d, common::Ui& u) { changePointRowDelete(d, u); }),
                         button(QStringLiteral("1行挿入"), "cmdPointInsert",
                                [](Document& d, common::Ui& u) { changePointRowInsert(d, u); }));

    auto* notes = new QGroupBox;
    notes->setObjectName("fraRouteNotes");
    // The wide blank in the outlet note hangs at the end of its first line at this width.
    notes->setFixedWidth(420);
    auto* nl = new QVBoxLayout(notes);
    nl->addWidget(note(QStringLiteral("距離　：　路線基本データ路線の始点からの距離（ｍ）。"),
                       "lblDistanceNote"));
    nl->addWidget(
        note(QStringLiteral("流末について　：　流末路線データは入力しなくてもかまいません。"
                            "　　　　　　　　　　　　　数値変更後、分割計算をさせてください。"),
             "lblOutletNote"));

    auto* side = new QVBoxLayout;
    auto* calcButtons = new QHBoxLayout;
    calcButtons->addWidget(
        button(QStringLiteral("分割計算"), "cmdSplit",
               [](Document& d, common::Ui& u) { splitCalculation(d, u, SplitButton::Split); }));
    calcButtons->addWidget(
        button(QStringLiteral("地盤計算"), "cmdGround",
               [](Document& d, common::Ui& u) { splitCalculation(d, u, SplitButton::Ground); }));
    calcButtons->addStretch(1);
    side->addLayout(calcButtons);
    side->addSpacing(12);
    side->addWidget(notes);
    side->addStretch(1);

    auto* outer = new QHBoxLayout(page);
    outer->addWidget(routeBox);
    outer->addWidget(pointBox);
    outer->addLayout(side);
    outer->addStretch(1);
    return page;
}

QWidget* MainWindow::buildSplitPage() {
    auto* page = new QWidget;
    page->setObjectName("pageSplit");

    auto* split =
        makeGrid(doc_.fgrid2, "FGrid2",
                 {800, 1200, 1100, 1100, 900, 1000, 1200, 1200, 1100, 1100, 330, 330, 330});
    align(split, {kLeft, kRight, kRight, kCentre, kRight, kRight, kRight, kRight, kRight, kCentre,
                  kCentre, kCentre});
    grids_[2] = split;
    auto* codes = makeGrid(doc_.pipeCodes, "MSFlexGrid1", {1300}, /*labelsAsData=*/true);
    codes->tableModel()->setAlignment(kPipeCodeCol, kCentre);
    grids_[0] = codes;

    auto* side = new QVBoxLayout;
    auto* codeBox = framed(QStringLiteral("管ﾃﾞｰﾀﾍﾞｰｽより"), "fraPipeCodes", codes);
    side->addWidget(codeBox, 1);
    side->addWidget(button(
        QStringLiteral("地盤高一括補間"), "cmdInterpolate",
        [](Document& d, common::Ui& u) { splitCalculation(d, u, SplitButton::Interpolate); }));
    side->addWidget(button(QStringLiteral("縦断計算"), "cmdCalc",
                           [](Document& d, common::Ui& u) { runCalculation(d, u); }));
    side->addWidget(button(QStringLiteral("管・勾配複写"), "cmdCopyDown",
                           [](Document& d, common::Ui&) { copyPipeAndGradient(d); }));

    auto* notes = new QGroupBox(QStringLiteral("入力上の注意"));
    notes->setObjectName("fraInputNotes");
    auto* nl = new QVBoxLayout(notes);
    nl->addWidget(note(QStringLiteral("管記号は「管ﾃﾞｰﾀﾍﾞｰｽより」の記号を入力してください。"),
                       "lblCodeNote"));
    nl->addWidget(
        note(QStringLiteral("勾配は‰（パーミル）で入力してください。"), "lblGradientNote"));
    nl->addWidget(
        note(QStringLiteral("地盤高・管底高を入力すると紫色で表示され、固定値になります。"),
             "lblFixedNote"));
    nl->addWidget(note(QStringLiteral("F・４　 固定解除"), "lblReleaseNote"));
    nl->addWidget(
        note(QStringLiteral("空白行を挿入するとそれ以降のデータは無視します。"), "lblBlankNote"));
    notes->setFixedWidth(230);
    side->addWidget(notes);

    auto* outer = new QHBoxLayout(page);
    outer->addWidget(split);
    outer->addLayout(side);
    outer->addStretch(1);
    return page;
}

QWidget* MainWindow::buildCadPage() {
    auto* page = new QWidget;
    page->setObjectName("pageCad");

    auto* manholes =
        makeGrid(doc_.fgrid3, "FGrid3", {800, 1200, 1200, 1300, 1100, 1000, 1000, 1000, 1000});
    align(manholes, {kLeft, kLeft, kLeft, kRight, kRight, kRight, kRight, kRight});
    grids_[3] = manholes;

    auto* g5 = makeGrid(doc_.fgrid5, "FGrid5", {750, 1000, 1000, 900});
    align(g5, {kLeft, kRight, kRight});
    auto* g6 = makeGrid(
        doc_.fgrid6, "FGrid6",
        {750, 1000, 1000, 1100, 1000, 900, 900, 1100, 1100, 1000, 1000, 1000, 330, 330, 330});
    align(g6, {kLeft, kRight, kRight, kRight, kCentre, kRight, kRight, kRight, kRight, kRight,
               kRight, kCentre, kCentre, kCentre});
    auto* g7 = makeGrid(doc_.fgrid7, "FGrid7", {750, 1000, 900, 1000, 900});
    align(g7, {kLeft, kRight, kRight, kRight});
    auto* g8 = makeGrid(doc_.fgrid8, "FGrid8", {750, 1000, 900, 1000, 900, 800, 900, 900});
    align(g8, {kLeft, kRight, kRight, kRight, kRight, kRight, kRight});
    grids_[5] = g5;
    grids_[6] = g6;
    grids_[7] = g7;
    grids_[8] = g8;

    auto* numbering = new QGroupBox(QStringLiteral("人孔番号"));
    numbering->setObjectName("fraManholeNumbers");
    auto* nl = new QHBoxLayout(numbering);
    nl->addWidget(button(QStringLiteral("路線"), "cmdNumberByRoute", [](Document& d, common::Ui&) {
        numberManholes(d, ManholeNumbering::ByLabel);
    }));
    nl->addWidget(
        button(QStringLiteral("昇順"), "cmdNumberAscending",
               [](Document& d, common::Ui&) { numberManholes(d, ManholeNumbering::Ascending); }));
    nl->addWidget(
        button(QStringLiteral("降順"), "cmdNumberDescending",
               [](Document& d, common::Ui&) { numberManholes(d, ManholeNumbering::Descending); }));
    for (auto* b : numbering->findChildren<QPushButton*>()) b->setMinimumWidth(70);

    dropPipe_ = new QCheckBox(QStringLiteral("　副管を自動設置する。"));
    dropPipe_->setObjectName("chkDropPipe");
    connect(dropPipe_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) run([on](Document& d, common::Ui& u) { setDropPipes(d, u, on); });
    });

    auto* side = new QVBoxLayout;
    side->addWidget(numbering);
    side->addWidget(button(QStringLiteral("人孔種別"), "cmdManholeType",
                           [](Document& d, common::Ui& u) { assignManholeTypes(d, u); }));
    side->addWidget(dropPipe_);
    side->addStretch(1);
    side->addWidget(button(QStringLiteral("作図レイアウト"), "cmdLayout",
                           [](Document& d, common::Ui& u) { drawingHandoff(d, u); }));

    auto* top = new QHBoxLayout;
    top->addWidget(framed(QStringLiteral("人孔データ"), "fraManholes", manholes));
    top->addLayout(side);
    top->addStretch(1);
    auto* topWidget = new QWidget;
    topWidget->setLayout(top);

    // The work tables keep every column in view: the widest one on a row of its own, the
    // other three side by side below it; splitters share the height.
    auto row = [](std::initializer_list<QWidget*> boxes) {
        auto* w = new QWidget;
        auto* l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        for (QWidget* b : boxes) l->addWidget(b);
        l->addStretch(1);
        return w;
    };
    QWidget* changeCalc =
        row({framed(QStringLiteral("地盤変化点計算データ"), "fraChangeCalc", g6)});
    QWidget* points =
        row({framed(QStringLiteral("地盤データ（追加距離）"), "fraGround", g5),
             framed(QStringLiteral("分割点データ"), "fraSplitPoints", g7),
             framed(QStringLiteral("路線・地盤変化点データ"), "fraProfilePoints", g8)});

    auto* vertical = new QSplitter(Qt::Vertical);
    vertical->setObjectName("splCad");
    vertical->setChildrenCollapsible(false);
    vertical->addWidget(topWidget);
    vertical->addWidget(changeCalc);
    vertical->addWidget(points);
    for (int i = 0; i < 3; ++i) vertical->setStretchFactor(i, 1);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(vertical);
    return page;
}

}  // namespace kandoru::shell
