// The design-check window: two read-only lists over the latest result of the checks.
#include "kandoru/shell/check_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/gui/qtext.h"
#include "common/textfile.h"
#include "kandoru/check/check_report.h"
#include "kandoru/check/check_sheet.h"
#include "kandoru/files/osa_file.h"
#include "kandoru/shell/main_window.h"

namespace kandoru::shell {

namespace {

QTableWidget* list(const char* name, const QStringList& headings) {
    auto* t = new QTableWidget(0, int(headings.size()));
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headings);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& cells, const std::vector<bool>& right) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        const bool r = size_t(c) < right.size() && right[size_t(c)];
        item->setTextAlignment((r ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        t->setItem(row, c, item);
    }
}

}  // namespace

DesignCheckPanel::DesignCheckPanel(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmDesignCheck");
    setWindowTitle(QStringLiteral("設計チェック"));

    summary_ = new QLabel;
    summary_->setObjectName("lblCheckSummary");
    auto* conditions = new QGroupBox(QStringLiteral("計算条件"));
    conditions->setObjectName("fraCheckSettings");
    auto* cl = new QHBoxLayout(conditions);
    for (int i = 0; i < 2; ++i) {
        settings_[i] = new QLabel;
        settings_[i]->setObjectName(i == 0 ? "lblCheckSettings1" : "lblCheckSettings2");
        settings_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        settings_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        cl->addWidget(settings_[i], i);
    }

    spans_ = list("grdCheckSpans",
                  {QStringLiteral("行"), QStringLiteral("路線番号"), QStringLiteral("管記号"),
                   QStringLiteral("D mm"), QStringLiteral("勾配 ‰"), QStringLiteral("n"),
                   QStringLiteral("V m/s"), QStringLiteral("Q m³/s"), QStringLiteral("指摘")});
    findings_ = list("grdCheckFindings",
                     {QStringLiteral("行"), QStringLiteral("路線番号"), QStringLiteral("内容"),
                      QStringLiteral("値"), QStringLiteral("基準")});
    findings_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    findings_->setToolTip(QStringLiteral("ダブルクリックでそのセルを選択します"));
    spans_->setToolTip(QStringLiteral("ダブルクリックでその行の管記号を選択します"));

    connect(findings_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && size_t(row) < result_.findings.size() && onCellActivated)
            onCellActivated(result_.findings[size_t(row)].cell);
    });
    connect(spans_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && size_t(row) < result_.spans.size() && onCellActivated)
            onCellActivated(
                {check::Grid::Split, result_.spans[size_t(row)].row, SplitCol::PipeCode});
    });

    auto* sheet = new QPushButton(QStringLiteral("計算書(PDF)..."));
    sheet->setObjectName("cmdCheckSheet");
    connect(sheet, &QPushButton::clicked, this, [this] {
        if (onSaveSheet) onSaveSheet();
    });
    auto* close = new QPushButton(QStringLiteral("閉じる"));
    close->setObjectName("cmdCheckClose");
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* spanBox = new QWidget;
    auto* sl = new QVBoxLayout(spanBox);
    sl->setContentsMargins(0, 0, 0, 0);
    sl->addWidget(new QLabel(QStringLiteral("流下能力（満流）")));
    sl->addWidget(spans_);
    auto* findingBox = new QWidget;
    auto* fl = new QVBoxLayout(findingBox);
    fl->setContentsMargins(0, 0, 0, 0);
    fl->addWidget(summary_);
    fl->addWidget(findings_);
    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName("splCheck");
    split->addWidget(findingBox);
    split->addWidget(spanBox);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sheet);
    buttons->addWidget(close);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(conditions);
    outer->addWidget(split, 1);
    outer->addLayout(buttons);
    resize(860, 620);
}

void DesignCheckPanel::setResult(const Document& doc, check::CheckResult result) {
    result_ = std::move(result);
    QString title = QStringLiteral("設計チェック");
    if (!doc.settings.projectName.empty())
        title += QStringLiteral("　") + gui::qs(doc.settings.projectName);
    setWindowTitle(title);

    const auto summary = check::settingsSummary(result_.settings);
    QStringList lines[2];
    for (size_t i = 0; i < summary.size(); ++i)
        lines[i < (summary.size() + 1) / 2 ? 0 : 1]
            << gui::qs(summary[i].first + "：" + summary[i].second);
    for (int i = 0; i < 2; ++i) settings_[i]->setText(lines[i].join(QStringLiteral("\n")));
    summary_->setText(result_.findings.empty()
                          ? QStringLiteral("指摘はありません。")
                          : QStringLiteral("指摘 %1 件").arg(result_.findings.size()));

    spans_->setRowCount(int(result_.spans.size()));
    for (size_t i = 0; i < result_.spans.size(); ++i) {
        const check::Span& s = result_.spans[i];
        const check::SpanTexts t = check::spanTexts(s);
        int count = 0;
        for (const check::Finding& f : result_.findings) count += f.row == s.row;
        const QString dash = QStringLiteral("－");
        setRow(spans_, int(i),
               {QString::number(s.row), gui::qs(s.label), gui::qs(s.code), gui::qs(t.sizeMm),
                gui::qs(t.gradient), s.flow ? gui::qs(t.n) : dash,
                s.flow ? gui::qs(t.velocity) : dash, s.flow ? gui::qs(t.flow) : dash,
                count ? QStringLiteral("%1 件").arg(count) : QString()},
               {true, false, false, true, true, true, true, true, true});
    }
    findings_->setRowCount(int(result_.findings.size()));
    for (size_t i = 0; i < result_.findings.size(); ++i) {
        const check::Finding& f = result_.findings[i];
        setRow(findings_, int(i),
               {QString::number(f.row), gui::qs(f.label), gui::qs(check::findingText(f)),
                gui::qs(check::withUnit(f, f.value)), gui::qs(check::withUnit(f, f.limit))},
               {true, false, false, true, true});
    }
    spans_->resizeColumnsToContents();
    findings_->resizeColumnsToContents();
    findings_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

QString checkStatusText(const check::CheckResult& result) {
    return QStringLiteral("設計チェック：指摘 %1 件").arg(result.findings.size());
}

void saveCheckSheet(const Document& doc, const check::CheckResult& result, common::Ui& ui) {
    auto path = ui.saveFileName("計算書の保存", "計算書 (*.pdf)|*.pdf");
    if (!path || path->empty()) return;
    std::error_code ec;
    if (std::filesystem::exists(*path, ec) &&
        !ui.ask("注意！", "上書きしますか？", common::Icon::None))
        return;
    auto w =
        check::writeCheckSheet({doc.settings.projectName, doc.statusFormatFile}, result, *path);
    if (!w)
        ui.message(common::Icon::Critical, "保存エラー",
                   common::writeFailureText("計算書を保存できませんでした。", *path, w));
}

// The main window's side of the checks: its status-bar panel, its menu item and the
// selection of a checked cell.

void MainWindow::buildCheckStatus() {
    checkStatus_ = new QLabel(this);
    checkStatus_->setObjectName("statusPanelCheck");
    checkStatus_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    checkStatus_->setMinimumWidth(180);
    checkStatus_->setToolTip(
        QStringLiteral("計算・作図メニューの「設計チェック」で一覧を表示します"));
    statusBar()->addPermanentWidget(checkStatus_);
}

void MainWindow::refreshChecks(bool force) {
    if (!force && doc_.calculationRuns == checkedRuns_) return;
    checkedRuns_ = doc_.calculationRuns;
    check::CheckResult result = check::designCheck(doc_);
    checkStatus_->setText(checkStatusText(result));
    if (checkPanel_) checkPanel_->setResult(doc_, std::move(result));
}

void MainWindow::showDesignCheck() {
    commitEditors();
    if (!checkPanel_) {
        checkPanel_ = new DesignCheckPanel(this);
        checkPanel_->onCellActivated = [this](const check::CellRef& cell) { selectCell(cell); };
        checkPanel_->onSaveSheet = [this] {
            commitEditors();
            saveCheckSheet(doc_, checkPanel_->result(), ui_);
        };
    }
    refreshChecks(/*force=*/true);
    checkPanel_->show();
    checkPanel_->raise();
    checkPanel_->activateWindow();
}

void MainWindow::selectCell(const check::CellRef& cell) {
    struct Place {
        int grid;
        int tab;
    };
    const Place place = cell.grid == check::Grid::Manhole       ? Place{3, kTabCad}
                        : cell.grid == check::Grid::ChangePoint ? Place{4, kTabRoutes}
                                                                : Place{2, kTabSplit};
    requestTab(place.tab);
    gui::GridView* g = grid(place.grid);
    g->table().setCurrent(cell.row, cell.col);
    g->refresh();
    raise();
    activateWindow();
    g->setFocus();
}

}  // namespace kandoru::shell
