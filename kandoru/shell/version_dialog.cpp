// Version window.
#include "kandoru/shell/version_dialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#ifndef KANDORU_VERSION
#error "KANDORU_VERSION (major.minor.revision) comes from the build"
#endif

namespace kandoru::shell {

QString versionText() { return QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + QStringLiteral(KANDORU_VERSION); }

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);

    auto* title = new QLabel(QStringLiteral("Kandoru　下水縦断図の作成"));
    title->setObjectName("lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);

    auto* version = new QLabel(versionText());
    version->setObjectName("lblVersion");

    auto* description = new QLabel(QStringLiteral(
        "必要データを入力し、下水管の縦断計算を行い、AutoCADに直接、下水縦断図を出力します。"));
    description->setObjectName("lblDescription");
    description->setWordWrap(true);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* caution = new QLabel(QStringLiteral(
        "ご注意：ご使用の前に、計算条件（最小土被り・人孔内の落差・背後地流入高・桁数の設定）と"
        "計算方法（管頂接合・土被り最小型）が設計の条件に合っていることをご確認ください。"
        "計算結果は、設計者ご自身の責任で照査のうえご使用ください。"));
    caution->setObjectName("lblCaution");
    caution->setWordWrap(true);

    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(description);
    text->addWidget(line);
    text->addWidget(caution);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(buttons);
    setFixedWidth(480);
}

}  // namespace kandoru::shell
