// Qt implementation of the Ui interface.
#include "common/gui/qt_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "common/gui/qtext.h"
#include "common/platform/process.h"

namespace gui {
namespace {

QMessageBox::Icon toQt(common::Icon icon) {
    switch (icon) {
        case common::Icon::Information:
            return QMessageBox::Information;
        case common::Icon::Exclamation:
            return QMessageBox::Warning;
        case common::Icon::Critical:
            return QMessageBox::Critical;
        case common::Icon::Question:
            return QMessageBox::Question;
        case common::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString displayText(const std::string& text) {
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::filesystem::path toPath(const QString& s) { return qpath(s); }

}  // namespace

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString qtFilter(const std::string& filter) {
    QString f = qs(filter);
    int bar = f.indexOf(QLatin1Char('|'));
    return bar < 0 ? f : f.left(bar);
}

QtUi::QtUi(QWidget* parent, std::function<void(int)> showTab)
    : parent_(parent), showTab_(std::move(showTab)) {}

void QtUi::message(common::Icon icon, const std::string& title, const std::string& text) {
    QMessageBox box(toQt(icon), qs(title), displayText(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtUi::ask(const std::string& title, const std::string& text, common::Icon icon) {
    QMessageBox box(toQt(icon), qs(title), displayText(text), QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::filesystem::path> QtUi::openFileName(const std::string& title,
                                                        const std::string& filter,
                                                        const std::string& presetName) {
    QDir::setCurrent(programFolder());
    QString start = programFolder();
    if (!presetName.empty()) start = QDir(start).filePath(qs(presetName));
    QString name = QFileDialog::getOpenFileName(parent_, qs(title), start, qtFilter(filter),
                                                nullptr, QFileDialog::ReadOnly);
    if (name.isEmpty()) return std::nullopt;
    return toPath(name);
}

std::optional<std::filesystem::path> QtUi::saveFileName(const std::string& title,
                                                        const std::string& filter) {
    QDir::setCurrent(programFolder());
    QFileDialog dialog(parent_, qs(title), programFolder(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The programs ask "上書きしますか？" themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString pattern = qs(filter).section(QLatin1Char('|'), 1);
    if (pattern.startsWith(QStringLiteral("*."))) dialog.setDefaultSuffix(pattern.mid(2));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    QString name = dialog.selectedFiles().first();
    if (name.isEmpty()) return std::nullopt;
    return toPath(name);
}

void QtUi::showTab(int n) {
    if (showTab_) showTab_(n);
}

bool QtUi::startProgram(const std::string& name) {
    const std::filesystem::path folder = qpath(programFolder());
    return platform::startDetached(folder / platform::pathFromUtf8(platform::programFileName(name)),
                                   folder);
}

void QtUi::beep() { QApplication::beep(); }

void QtUi::setClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(qs(text));
}

}  // namespace gui
