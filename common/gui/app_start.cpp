// Application start shared by Kandoru, Shoveda and Zumenko.
#include "common/gui/app_start.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace gui {
namespace {

const char* startingProgram = nullptr;
QtMessageHandler previousHandler = nullptr;

// While the application is being made: Qt's platform messages are held back, and its
// fatal "no platform plugin" becomes our one line and a plain exit.
void startHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool platform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (type == QtFatalMsg) {
        const QByteArray line = noDisplayMessage(startingProgram).toUtf8() + '\n';
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (platform) return;
    if (previousHandler) previousHandler(type, context, text);
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After this paint is done: the window is on the screen.
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void reportFirstPaint(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("GESUI_FIRST_PAINT")) return;
    window->installEventFilter(new FirstPaint(window));
}

QString noDisplayMessage(const char* program) {
    return QStringLiteral(
               "%1 には画面（デスクトップ）が必要です。画面のない所では gesui "
               "コマンドで計算と作図ができます。")
        .arg(QString::fromUtf8(program));
}

std::unique_ptr<QApplication> startApplication(int& argc, char** argv, const char* program) {
    startingProgram = program;
    previousHandler = qInstallMessageHandler(startHandler);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    loadJapaneseTranslation();
    return app;
}

bool loadJapaneseTranslation() {
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // A translation shipped beside the program comes first, then Qt's own.
    const QString dirs[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& dir : dirs) {
        auto* t = new QTranslator(QCoreApplication::instance());
        if (t->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), dir) &&
            QCoreApplication::installTranslator(t))
            return true;
        delete t;
    }
    return false;
}

}  // namespace gui
