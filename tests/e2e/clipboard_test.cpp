// The drawing program and a real X11 clipboard (run under Xvfb): one Zumenko at a time, the
// clipboard serving handed from one drawing to the next and ended when the clipboard is taken.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <QWindow>
#include <memory>

#include "common/sjis.h"
#include "common/textfile.h"
#include "e2e/fixture.h"
#include "kandoru/files/handoff.h"
#include "support/golden.h"

namespace {

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run under an X server (xvfb-run)";
    }
    void TearDown() override {
        for (auto& p : started)
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
    }

    // Writes the hand-off file of a document whose project name is name.
    void handOff(const std::string& name) {
        kandoru::Document doc = e2e::calculatedDocument();
        doc.settings.projectName = name;
        ASSERT_TRUE(kandoru::TempSave(doc, dir.path() / "XTemp.txt"));
    }

    // Starts the drawing program, which draws the whole line by itself and delivers.
    QProcess* startDrawing() {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), QString::fromStdString(dir.path().string()));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("GESUI_TEST_DRIVE"), QStringLiteral("auto"));
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(GESUI_BIN_DIR "/Zumenko"), {});
        EXPECT_TRUE(p->waitForStarted(10000));
        started.push_back(std::move(p));
        return started.back().get();
    }

    // The script file as the clipboard should hold it.
    QString script() {
        auto bytes = common::readFileBytes(dir.path() / "JTemp.txt");
        return bytes ? QString::fromStdString(common::cp932ToUtf8(*bytes)) : QString();
    }

    // Waits until the clipboard holds the script and the script names the project.
    bool clipboardHolds(const QString& project, int ms = 30000) {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            const QString text = QGuiApplication::clipboard()->text();
            if (!text.isEmpty() && text.contains(project) && text == script()) return true;
            QThread::msleep(50);
        }
        return false;
    }

    // Takes the clipboard over as another program would. Such a program sets the owner with
    // the time of the user's key press; this process has seen few events, and X drops a
    // selection clear whose time equals the owner's, so a window property change first gives
    // it a time after the drawing program's.
    void takeClipboard(const QString& text) {
        if (!probe) {
            probe = std::make_unique<QWindow>();
            probe->resize(1, 1);
            probe->show();
        }
        probe->setTitle(QStringLiteral("probe %1").arg(++probes));
        QDeadlineTimer settle(300);
        while (!settle.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QGuiApplication::clipboard()->setText(text);
    }

    static bool ends(QProcess* p, int ms = 10000) {
        return p->state() == QProcess::NotRunning || p->waitForFinished(ms);
    }

    testing_support::TempDir dir;
    std::vector<std::unique_ptr<QProcess>> started;
    std::unique_ptr<QWindow> probe;
    int probes = 0;
};

TEST_F(ClipboardTest, ANewDrawingEndsThePreviousAndATakenClipboardEndsTheLast) {
    handOff("第一工区");
    QProcess* first = startDrawing();
    ASSERT_TRUE(clipboardHolds(QStringLiteral("第一工区")));
    EXPECT_EQ(first->state(), QProcess::Running);  // serving the clipboard

    handOff("第二工区");
    QProcess* second = startDrawing();
    ASSERT_TRUE(clipboardHolds(QStringLiteral("第二工区")));
    // The second drawing had ended the first before it delivered: one Zumenko at a time.
    EXPECT_EQ(first->state(), QProcess::NotRunning);
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->state(), QProcess::Running);

    // Another program takes the clipboard over: the serving ends.
    takeClipboard(QStringLiteral("別のプログラム"));
    EXPECT_TRUE(ends(second));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
}

}  // namespace
