// Tab 0 "縦断計算設定": the setting fields. Each field writes straight into the
// document's settings and shows them again after every command.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/gui/key_filters.h"
#include "common/gui/qtext.h"
#include "kandoru/shell/main_window.h"

namespace kandoru::shell {

namespace {

// Turns a double-click on a widget into a call.
class DoubleClick : public QObject {
public:
    DoubleClick(QObject* parent, std::function<void()> action)
        : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick) return false;
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

QLineEdit* lineEdit(const char* name, int width) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    if (width > 0) e->setFixedWidth(width);
    return e;
}

QLabel* caption(const QString& text) {
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// One row of a form: caption, then the field with its unit right beside it.
void formRow(QGridLayout* g, int row, const QString& text, QWidget* field,
             const QString& unit = {}) {
    g->addWidget(caption(text), row, 0);
    auto* box = new QHBoxLayout;
    box->setSpacing(4);
    box->addWidget(field);
    if (!unit.isEmpty()) box->addWidget(caption(unit));
    box->addStretch(1);
    g->addLayout(box, row, 1);
}

QGroupBox* group(const QString& title, const char* name) {
    auto* g = new QGroupBox(title);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

QGridLayout* formLayout(QGroupBox* box) {
    auto* g = new QGridLayout(box);
    g->setHorizontalSpacing(8);
    g->setColumnStretch(1, 1);
    return g;
}

QRadioButton* radio(const QString& text, const char* name) {
    auto* r = new QRadioButton(text);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

void setChecked(QRadioButton* r, bool on) {
    if (r->isChecked() == on) return;
    // A lone choice cannot be cleared by clicking; the document may still say so.
    bool exclusive = r->autoExclusive();
    r->setAutoExclusive(false);
    r->setChecked(on);
    r->setAutoExclusive(exclusive);
}

void setText(QLineEdit* e, const std::string& text) {
    QString q = gui::qs(text);
    if (e->text() != q) e->setText(q);
}

void setCombo(QComboBox* c, const std::string& text) {
    QString q = gui::qs(text);
    if (c->currentText() == q) return;
    // A value the list does not offer (an older file, say) is shown as it stands.
    if (c->findText(q) < 0) c->addItem(q);
    c->setCurrentIndex(c->findText(q));
}

}  // namespace

void MainWindow::bindText(QLineEdit* field, std::string Settings::*member) {
    connect(field, &QLineEdit::textChanged, this, [this, member](const QString& s) {
        if (!refreshing_) doc_.settings.*member = gui::ss(s);
    });
}

QWidget* MainWindow::buildSettingsPage() {
    auto* page = new QWidget;
    page->setObjectName("pageSettings");
    // A setting field: its key filter (numeric keys only, or no double quote) and its
    // binding to the document's setting.
    enum Keys { kNumeric, kText };
    auto settingField = [this](const char* name, int width, std::string Settings::*member,
                               Keys keys) {
        QLineEdit* e = lineEdit(name, width);
        gui::KeyFilter* k =
            keys == kNumeric ? gui::installNumericFilter(e) : gui::installQuoteFilter(e);
        k->beep = [this] { ui_.beep(); };
        bindText(e, member);
        return e;
    };

    // Project and format file.
    auto* head = group(QString(), "fraProject");
    auto* hg = formLayout(head);
    f_.projectName = settingField("txtProjectName", 420, &Settings::projectName, kText);
    f_.formatField = lineEdit("txtFormatFile", 420);
    f_.formatField->setReadOnly(true);
    f_.formatField->setToolTip(QStringLiteral("ダブルクリックして書式ファイルを読み込みます"));
    f_.formatField->installEventFilter(new DoubleClick(f_.formatField, [this] { formatIntake(); }));
    formRow(hg, 0, QStringLiteral("プロジェクト名 ："), f_.projectName);
    formRow(hg, 1, QStringLiteral("縦断図の書式："), f_.formatField);

    // Flow formula.
    auto* flow = group(QStringLiteral("流速公式"), "fraFlow");
    auto* fl = new QHBoxLayout(flow);
    f_.manning = radio(QStringLiteral("マニング式"), "optManning");
    f_.kutter = radio(QStringLiteral("クッター式"), "optKutter");
    fl->addWidget(f_.manning);
    fl->addWidget(f_.kutter);
    fl->addStretch(1);
    auto flowChanged = [this] {
        if (refreshing_) return;
        doc_.settings.manning = f_.manning->isChecked();
        doc_.settings.kutter = f_.kutter->isChecked();
    };
    connect(f_.manning, &QRadioButton::toggled, this, flowChanged);
    connect(f_.kutter, &QRadioButton::toggled, this, flowChanged);

    // Calculation settings: connection, method, minimum cover.
    auto* calc = group(QStringLiteral("縦断計算設定"), "fraCalc");
    auto* cl = new QGridLayout(calc);
    auto* joint = group(QStringLiteral("管接合方法"), "fraJoint");
    f_.crownJoint = radio(QStringLiteral("管頂接合"), "optCrownJoint");
    (new QVBoxLayout(joint))->addWidget(f_.crownJoint);
    auto* method = group(QStringLiteral("計算方法"), "fraMethod");
    f_.minCoverMethod = radio(QStringLiteral("土被り最小型"), "optMinCover");
    (new QVBoxLayout(method))->addWidget(f_.minCoverMethod);
    connect(f_.crownJoint, &QRadioButton::toggled, this, [this](bool on) {
        if (!refreshing_) doc_.settings.crownJoint = on;
    });
    connect(f_.minCoverMethod, &QRadioButton::toggled, this, [this](bool on) {
        if (!refreshing_) doc_.settings.minCoverMethod = on;
    });
    cl->addWidget(joint, 0, 0);
    cl->addWidget(method, 0, 1);
    auto* coverRow = new QHBoxLayout;
    f_.minCover = settingField("txtMinCover", 90, &Settings::minCover, kNumeric);
    coverRow->addWidget(caption(QStringLiteral("最小土被り：")));
    coverRow->addWidget(f_.minCover);
    coverRow->addWidget(caption(QStringLiteral("ｍ")));
    coverRow->addStretch(1);
    cl->addLayout(coverRow, 1, 0, 1, 2);

    // Manhole drop.
    auto* drop = group(QStringLiteral("人孔内の落差"), "fraDrop");
    auto* dl = formLayout(drop);
    f_.manholeDrop = settingField("txtManholeDrop", 90, &Settings::manholeDrop, kNumeric);
    formRow(dl, 0, QStringLiteral("管落差　　　："), f_.manholeDrop, QStringLiteral("ｍｍ"));

    // Outlet.
    auto* outlet = group(QStringLiteral("流末設定"), "fraOutlet");
    auto* ol = formLayout(outlet);
    f_.outletRoute = settingField("txtOutletRoute", 120, &Settings::outletRoute, kText);
    f_.outletGround = settingField("txtOutletGround", 90, &Settings::outletGround, kNumeric);
    f_.outletManholeType =
        settingField("txtOutletManholeType", 160, &Settings::outletManholeType, kText);
    formRow(ol, 0, QStringLiteral("流末路線番号："), f_.outletRoute);
    formRow(ol, 1, QStringLiteral("地盤高　　　："), f_.outletGround, QStringLiteral("ｍ"));
    formRow(ol, 2, QStringLiteral("人孔種別　　："), f_.outletManholeType);

    // Hinterland.
    auto* hinter = group(QStringLiteral("背後地設定"), "fraHinterland");
    auto* hl = formLayout(hinter);
    f_.hinterland = settingField("txtHinterland", 90, &Settings::hinterland, kNumeric);
    formRow(hl, 0, QStringLiteral("背後地流入高："), f_.hinterland, QStringLiteral("ｍ"));

    // Automatic pipe section (shown only).
    auto* pipe = group(QStringLiteral("管断面の自動決定（管種）設定"), "fraPipeType");
    auto* pl = new QGridLayout(pipe);
    f_.pipeType = new QComboBox;
    f_.pipeType->setObjectName("cboPipeType");
    f_.pipeType->addItems({QStringLiteral("塩化ﾋﾞﾆﾙ管(VU)"), QStringLiteral("鉄筋ｺﾝｸﾘｰﾄ管")});
    f_.pipeType->setMinimumWidth(160);
    f_.minDiameter = settingField("txtMinDiameter", 70, &Settings::minDiameter, kText);
    f_.maxDiameter = settingField("txtMaxDiameter", 70, &Settings::maxDiameter, kText);
    pl->addWidget(caption(QStringLiteral("管　種")), 0, 0);
    pl->addWidget(f_.pipeType, 0, 1, 1, 4, Qt::AlignLeft);
    pl->addWidget(caption(QStringLiteral("最小管径")), 1, 0);
    pl->addWidget(f_.minDiameter, 1, 1);
    pl->addWidget(caption(QStringLiteral("～")), 1, 2);
    pl->addWidget(caption(QStringLiteral("最大管径")), 1, 3);
    pl->addWidget(f_.maxDiameter, 1, 4);
    pl->setColumnStretch(5, 1);
    connect(f_.pipeType, &QComboBox::currentTextChanged, this, [this](const QString& s) {
        if (!refreshing_) doc_.settings.pipeType = gui::ss(s);
    });

    // Digits.
    auto* digits = group(QStringLiteral("桁数の設定"), "fraDigits");
    auto* gl = formLayout(digits);
    const QString digitCaptions[6] = {
        QStringLiteral("勾配　　　："), QStringLiteral("人孔間距離："),
        QStringLiteral("地盤高　　："), QStringLiteral("土被り　　："),
        QStringLiteral("管底高　　："), QStringLiteral("掘削深　　："),
    };
    for (int i = 0; i < 6; ++i) {
        auto* c = new QComboBox;
        c->setObjectName(QStringLiteral("cboDigits%1").arg(i + 1));
        c->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        c->setFixedWidth(60);
        f_.digits[static_cast<size_t>(i)] = c;
        formRow(gl, i, digitCaptions[i], c);
        connect(c, &QComboBox::currentTextChanged, this, [this, i](const QString& s) {
            if (!refreshing_) doc_.settings.digits[static_cast<size_t>(i)] = gui::ss(s);
        });
    }

    // Move direction of the cell editors.
    auto* move = group(QStringLiteral("セル移動方向"), "fraMove");
    auto* ml = new QHBoxLayout(move);
    f_.moveDown = radio(QStringLiteral("下へ"), "optDown");
    f_.moveRight = radio(QStringLiteral("右へ"), "optRight");
    ml->addWidget(f_.moveDown);
    ml->addWidget(f_.moveRight);
    ml->addStretch(1);
    connect(f_.moveRight, &QRadioButton::toggled, this, [this](bool on) {
        if (!refreshing_) doc_.moveRight = on;
    });

    // Note.
    auto* note = group(QString(), "fraNote");
    auto* nl = new QVBoxLayout(note);
    auto* noteText = new QLabel(
        QStringLiteral("すべての入力欄に数値を入力してください。\n"
                       "プロジェクト名は任意に入力してください。\n"
                       "縦断図の書式の入力欄をダブルクリックし、書式データを読み込んでください。\n"
                       "特に Shoveda ファイルを変更した場合は、再読込みしてください。"));
    noteText->setObjectName("lblNote");
    nl->addWidget(noteText);

    auto* left = new QVBoxLayout;
    left->addWidget(flow);
    left->addWidget(calc);
    left->addWidget(drop);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(outlet);
    middle->addWidget(hinter);
    middle->addWidget(pipe);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(digits);
    right->addWidget(move);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(left, 1);
    columns->addLayout(middle, 1);
    columns->addLayout(right, 1);

    auto* outer = new QVBoxLayout(page);
    outer->addWidget(head);
    outer->addLayout(columns);
    outer->addWidget(note);
    outer->addStretch(1);
    return page;
}

void MainWindow::refreshSettings() {
    refreshing_ = true;
    const Settings& s = doc_.settings;
    setText(f_.projectName, s.projectName);
    setText(f_.formatField, s.formatField);
    setChecked(f_.manning, s.manning);
    setChecked(f_.kutter, s.kutter);
    setChecked(f_.crownJoint, s.crownJoint);
    setChecked(f_.minCoverMethod, s.minCoverMethod);
    setText(f_.minCover, s.minCover);
    setText(f_.manholeDrop, s.manholeDrop);
    setText(f_.outletRoute, s.outletRoute);
    setText(f_.outletGround, s.outletGround);
    setText(f_.outletManholeType, s.outletManholeType);
    setText(f_.hinterland, s.hinterland);
    setCombo(f_.pipeType, s.pipeType);
    setText(f_.minDiameter, s.minDiameter);
    setText(f_.maxDiameter, s.maxDiameter);
    for (size_t i = 0; i < 6; ++i) setCombo(f_.digits[i], s.digits[i]);
    setChecked(f_.moveRight, doc_.moveRight);
    setChecked(f_.moveDown, !doc_.moveRight);
    if (dropPipe_ && dropPipe_->isChecked() != doc_.dropPipeChecked)
        dropPipe_->setChecked(doc_.dropPipeChecked);
    refreshing_ = false;
}

}  // namespace kandoru::shell
