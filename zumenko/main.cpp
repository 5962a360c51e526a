// Zumenko, the profile drawing program: one instance, the hand-off file read at start,
// one script delivered to the clipboard, then the end.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTimer>
#include <iostream>

#include "common/gui/app_start.h"
#include "common/gui/qt_ui.h"
#include "common/gui/qtext.h"
#include "common/rendezvous.h"
#include "zumenko/intake.h"
#include "zumenko/shell/single_instance.h"
#include "zumenko/shell/window.h"

namespace {

// Test runs without a person (GESUI_TEST_DRIVE set): messages go to standard error as
// "title: text" instead of a box, and the window's button named there is pressed.
class TestDriveUi : public gui::QtUi {
public:
    using gui::QtUi::QtUi;
    void message(common::Icon, const std::string& title, const std::string& text) override {
        std::cerr << title << ": " << common::oneLine(text) << std::endl;
    }
};

// Where the system keeps the clipboard after its owner ends (Windows, macOS) the program
// ends at once; on X11 and Wayland the owner serves it, so ending would empty it.
bool ownerServesClipboard() {
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("xcb") || p.startsWith(QLatin1String("wayland"));
}

}  // namespace

int main(int argc, char** argv) {
    auto app = gui::startApplication(argc, argv, zumenko::kProgramTitle);
    QApplication::setApplicationName(QString::fromLatin1(zumenko::kProgramTitle));
    QApplication::setQuitOnLastWindowClosed(false);

    const QByteArray drive = qgetenv("GESUI_TEST_DRIVE");
    gui::QtUi startUi(nullptr, nullptr);
    TestDriveUi driveUi(nullptr, nullptr);
    common::Ui* testUi = drive.isEmpty() ? nullptr : &driveUi;
    common::Ui& ui = testUi ? *testUi : startUi;

    zumenko::SingleInstance instance;
    if (!instance.acquire()) {
        ui.message(common::Icon::Exclamation, zumenko::kProgramTitle,
                   std::string("すでに「") + zumenko::kProgramTitle + "」は起動されています。");
        return 1;
    }
    // A new hand-off ends the clipboard serving of the previous drawing.
    zumenko::SingleInstance::endPreviousServing();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();

    zumenko::DrawingWindow window(testUi);
    if (!window.intake(common::rendezvousPath("XTemp.txt"))) return 1;

    window.onEnd = [&](bool delivered) {
        if (const QString out = qEnvironmentVariable("GESUI_TEST_CLIPBOARD");
            delivered && !out.isEmpty()) {
            QFile f(out);
            if (f.open(QIODevice::WriteOnly)) f.write(clipboard->text().toUtf8());
        }
        if (!delivered || !ownerServesClipboard()) {
            QCoreApplication::quit();
            return;
        }
        // Serve the script until another program takes the clipboard over or a new
        // instance starts; listen before the lock goes, so a new one always finds us.
        instance.serveUntilReplaced([] { QCoreApplication::quit(); });
        instance.release();
        QObject::connect(clipboard, &QClipboard::changed, app.get(),
                         [clipboard](QClipboard::Mode m) {
                             if (m == QClipboard::Clipboard && !clipboard->ownsClipboard())
                                 QCoreApplication::quit();
                         });
        if (!clipboard->ownsClipboard()) QCoreApplication::quit();
    };
    window.show();
    window.activateWindow();
    if (drive == "auto" || drive == "start")
        QTimer::singleShot(0, &window, [&] { window.startCommand(/*automatic=*/drive == "auto"); });
    return QApplication::exec();
}
