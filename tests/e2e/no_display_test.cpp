// A window program started where there is no desktop says so in one line and ends.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "common/gui/app_start.h"

TEST(NoDisplay, EachProgramSaysInOneLineThatItNeedsADesktop) {
    for (const char* program : {"Kandoru", "Shoveda", "Zumenko"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(GESUI_BIN_DIR "/") + QString::fromLatin1(program), {});
        ASSERT_TRUE(p.waitForFinished(20000)) << program;
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << program;  // no abort
        EXPECT_EQ(p.exitCode(), 1) << program;
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(err, gui::noDisplayMessage(program) + QLatin1Char('\n')) << program;
        EXPECT_TRUE(err.contains(QLatin1String("gesui"))) << program;
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty()) << program;
    }
}
