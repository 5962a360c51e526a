// The preview window, and the drawing window's "プレビュー" button that opens it.
#include "zumenko/preview/preview_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "common/sjis.h"
#include "common/textfile.h"
#include "support/fake_ui.h"
#include "support/golden.h"
#include "zumenko/preview/script_reader.h"
#include "zumenko/shell/window.h"

using namespace zumenko;
using namespace zumenko::preview;
using testing_support::FakeUi;
using testing_support::testData;

namespace {

PreviewWindow* previewOf(QWidget& owner) {
    return dynamic_cast<PreviewWindow*>(owner.findChild<QWidget*>(QStringLiteral("PreviewWindow")));
}

std::string scriptText(const char* relative) {
    auto bytes = common::readFileBytes(testData(relative));
    EXPECT_TRUE(bytes);
    return common::cp932ToUtf8(bytes.value_or(""));
}

}  // namespace

TEST(PreviewWindow, ShowsTheScriptFittedZoomsAboutTheCursorAndRefits) {
    FakeUi ui;
    QWidget owner;
    PreviewWindow* w = showScriptPreview(&owner, scriptText("preview/profile.txt"), ui);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    DrawingView* view = w->view();
    EXPECT_EQ(view->drawing().elements.size(),
              readScriptFile(testData("preview/profile.txt"))->figure.elements.size());
    const double fitted = view->scale();
    EXPECT_GT(fitted, 0);

    // The drawing point under the cursor stays there while zooming.
    QPointF cursor(200, 150);
    Point before = view->drawingPointAt(cursor);
    view->zoomAt(cursor, 2);
    Point after = view->drawingPointAt(cursor);
    EXPECT_DOUBLE_EQ(view->scale(), 2 * fitted);
    EXPECT_NEAR(after.x, before.x, 1e-6);
    EXPECT_NEAR(after.y, before.y, 1e-6);
    EXPECT_NE(view->drawingPointAt({0, 0}).x, before.x);
    QTest::mouseDClick(view, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(view->scale(), fitted);

    // A second preview reuses the open window.
    EXPECT_EQ(showScriptPreview(&owner, scriptText("preview/small.txt"), ui), w);
    EXPECT_EQ(w->view()->drawing().elements.size(), 6u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PreviewWindow, ScriptWithBrokenLinesIsReportedAndShowsNothing) {
    FakeUi ui;
    QWidget owner;
    EXPECT_EQ(showScriptPreview(&owner, "_DTEXTED 1\r\n_line 0,0\r\n", ui), nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, common::Icon::Critical);
    EXPECT_NE(ui.messages[0].text.find("2 行目"), std::string::npos);
    EXPECT_EQ(previewOf(owner), nullptr);
}

TEST(PreviewWindow, DrawingWindowButtonShowsTheLayoutAndKeepsTheProgramRunning) {
    testing_support::TempDir dir;
    FakeUi ui;
    zumenko::DrawingWindow window(&ui);
    window.scriptPath = dir / "JTemp.txt";
    std::vector<bool> ends;
    window.onEnd = [&](bool delivered) { ends.push_back(delivered); };
    ASSERT_TRUE(window.intake(testData("zumenko/sample_handoff.txt")));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto* preview = window.findChild<QPushButton*>(QStringLiteral("Command5"));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->text(), QString::fromUtf8("プレビュー"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
    QTest::mouseClick(preview, Qt::LeftButton);

    auto* shown = previewOf(window);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_GT(shown->view()->drawing().elements.size(), 50u);
    // Nothing delivered, nothing ended: the drawing buttons still work afterwards.
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(ends.empty());
    EXPECT_FALSE(std::filesystem::exists(window.scriptPath));
    EXPECT_TRUE(ui.messages.empty());

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(std::filesystem::exists(window.scriptPath));
    EXPECT_EQ(ends, std::vector<bool>{true});
}
