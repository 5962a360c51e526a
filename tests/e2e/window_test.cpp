// The drawing window in process: its controls, the layout button and the delivery of the
// script through both drawing buttons.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include "common/sjis.h"
#include "common/textfile.h"
#include "e2e/fixture.h"
#include "kandoru/files/handoff.h"
#include "support/fake_ui.h"
#include "support/fits.h"
#include "support/golden.h"
#include "zumenko/intake.h"
#include "zumenko/sheet_set.h"
#include "zumenko/shell/spin_field.h"
#include "zumenko/shell/window.h"

using testing_support::FakeUi;
using testing_support::ShownMessage;
using zumenko::DrawingWindow;
using zumenko::SpinField;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

class DrawingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = std::make_unique<testing_support::ScopedHome>(dir.path());
        ASSERT_TRUE(kandoru::TempSave(e2e::calculatedDocument(), dir / "XTemp.txt"));
        window = std::make_unique<DrawingWindow>(&ui);
        window->onEnd = [this](bool delivered) { ends.push_back(delivered); };
        ASSERT_TRUE(window->intake(dir / "XTemp.txt"));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <class W>
    W* find(const char* name) {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void type(const char* field, const char* text) {
        auto* f = find<SpinField>(field);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        for (QChar ch : q(text)) {
            if (ch.unicode() < 128)
                QTest::keyClick(f, ch.toLatin1());
            else  // as an input method in full-width mode sends it
                QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString(ch), {});
        }
    }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    // Check boxes and option buttons react to their box and caption only.
    void tick(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    std::optional<std::string> jtemp() { return common::readFileBytes(dir / "JTemp.txt"); }
    std::string expectedScript(const zumenko::DrawOptions& opt) {
        auto r = zumenko::drawScript(window->drawing(), opt);
        EXPECT_FALSE(r.error);
        return *common::utf8ToCp932(r.text);
    }

    testing_support::TempDir dir;
    std::unique_ptr<testing_support::ScopedHome> home;
    FakeUi ui;
    std::vector<bool> ends;
    std::unique_ptr<DrawingWindow> window;
};

}  // namespace

TEST_F(DrawingWindowTest, OpensAboveAllWithEveryControlAtItsStartValue) {
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->windowTitle(), q("Zumenko"));
    EXPECT_EQ(find<QPushButton>("Command1")->text(), q("作図開始　（作図レイアウト指示）"));
    EXPECT_EQ(find<QPushButton>("Command2")->text(), q("全線自動作図（作図レイアウト無効）"));
    EXPECT_EQ(find<QPushButton>("Command3")->text(), q("作図終了"));
    EXPECT_EQ(find<QPushButton>("Command4")->text(), q("レイアウト"));
    EXPECT_EQ(find<QPushButton>("Command6")->text(), q("全シート作図"));
    EXPECT_EQ(find<QGroupBox>("Frame1")->title(), q("作図レイアウト"));
    EXPECT_EQ(find<QGroupBox>("Frame2")->title(), q("作図方向"));
    EXPECT_EQ(find<QLabel>("Label1")->text(), q("起点番号"));
    EXPECT_EQ(find<QLabel>("Label2")->text(), q("終点番号"));
    EXPECT_EQ(find<QLabel>("Label3")->text(), q("延長"));
    EXPECT_EQ(find<QLabel>("Label4")->text(), q("ＤＬ(m)"));
    EXPECT_EQ(find<QLabel>("Label5")->text(), q("m"));
    EXPECT_EQ(find<QLabel>("Label6")->text(),
              q("作図開始ボタンを押した後、AutoCADLTを起動する。LTのコマンドラインをクリックし、"
                "マウスの右クリックの  貼り付けを選択すると作図が開始されます。"));
    EXPECT_EQ(find<SpinField>("Text1")->text(), q("1"));
    EXPECT_EQ(find<SpinField>("Text2")->text(), q("1"));
    EXPECT_EQ(find<QLineEdit>("Text3")->text(), q(""));
    EXPECT_EQ(find<SpinField>("Text4")->text(), q("0"));
    EXPECT_EQ(find<QRadioButton>("Option1")->text(), q("下流→上流"));
    EXPECT_EQ(find<QRadioButton>("Option2")->text(), q("上流→下流"));
    EXPECT_FALSE(find<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(find<QCheckBox>("Check1")->text(), q("管厚"));
    EXPECT_EQ(find<QCheckBox>("Check2")->text(), q("外枠・内枠記入"));
    EXPECT_FALSE(find<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("Check2")->isChecked());
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
}

TEST_F(DrawingWindowTest, SpinButtonsStepTheFieldWithinTheirRange) {
    auto* start = find<SpinField>("Text1");
    auto* datum = find<SpinField>("Text4");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Down);
    EXPECT_EQ(start->text(), q("1"));  // 1 is the lowest
    QTest::keyClick(start, Qt::Key_Up);
    QTest::keyClick(start, Qt::Key_Up);
    EXPECT_EQ(start->text(), q("3"));
    type("Text1", "998");
    QTest::keyClick(start, Qt::Key_Up);
    QTest::keyClick(start, Qt::Key_Up);
    EXPECT_EQ(start->text(), q("999"));

    datum->setFocus();
    QTest::keyClick(datum, Qt::Key_Up);
    EXPECT_EQ(datum->text(), q("5"));  // steps of 5
    type("Text4", "-80");
    QTest::keyClick(datum, Qt::Key_Down);
    QTest::keyClick(datum, Qt::Key_Down);
    EXPECT_EQ(datum->text(), q("-90"));  // -90 is the lowest
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DrawingWindowTest, LayoutButtonClampsTheStretchAndFillsLengthAndDatumLevel) {
    // Four stations at 0, 25, 50 and 80 m; 20 mm at V = 100 below the end row's ground.
    type("Text1", "2");
    type("Text2", "1");
    click("Command4");
    EXPECT_EQ(find<SpinField>("Text1")->text(), q("2"));
    EXPECT_EQ(find<SpinField>("Text2")->text(), q("3"));
    EXPECT_EQ(find<QLineEdit>("Text3")->text(), q("25"));
    EXPECT_EQ(find<SpinField>("Text4")->text(), q("5"));  // 11.8 - 2 = 9.8 -> 5

    type("Text1", "1");
    type("Text2", "20");
    click("Command4");
    EXPECT_EQ(find<SpinField>("Text2")->text(), q("4"));
    EXPECT_EQ(find<QLineEdit>("Text3")->text(), q("80"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ends.empty());
}

TEST_F(DrawingWindowTest, FitsASmallScreenWithEveryControlReachable) {
    const QSize least = window->minimumSizeHint();
    EXPECT_LE(least.width(), testing_support::kSmallScreenClient.width());
    EXPECT_LE(least.height(), testing_support::kSmallScreenClient.height());
    // The window keeps its own size: every control is inside it as it opens.
    auto missing = testing_support::unreachableControls(
        window.get(), nullptr, window->size().boundedTo(testing_support::kSmallScreenClient));
    EXPECT_TRUE(missing.empty()) << testing::PrintToString(missing);
}

TEST_F(DrawingWindowTest, FullWidthDigitsInTheLayoutFieldsAreNumbers) {
    type("Text1", "２");
    type("Text2", "３");
    EXPECT_EQ(find<SpinField>("Text2")->text(), q("3"));
    click("Command4");
    EXPECT_EQ(find<QLineEdit>("Text3")->text(), q("25"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DrawingWindowTest, StartButtonDeliversTheLayoutDirectedScriptAndEnds) {
    type("Text1", "2");
    type("Text2", "4");
    type("Text4", "7.5");
    click("Command1");
    EXPECT_EQ(
        ui.onlyMessage(),
        (ShownMessage{common::Icon::Information, "作図手順",
                      "作図コマンドがクリップボードにコピーされました。AutoCADをアクティブに"
                      "しコマンドラインにマウスの右クリックで貼り付けると作図が開始されます。"}));
    zumenko::DrawOptions opt;
    opt.startNo = 2;
    opt.endNo = 4;
    opt.datumLevel = 7.5;
    opt.datumText = "7.5";
    auto bytes = jtemp();
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, expectedScript(opt));
    EXPECT_EQ(ui.clipboard, common::cp932ToUtf8(*bytes));
    EXPECT_EQ(ends, std::vector<bool>{true});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DrawingWindowTest, AutomaticButtonIgnoresTheLayoutAndKeepsDirectionAndOptions) {
    type("Text1", "abc");  // not looked at
    tick(find<QRadioButton>("Option1"));
    tick(find<QCheckBox>("Check1"));
    tick(find<QCheckBox>("Check2"));
    ASSERT_FALSE(find<QRadioButton>("Option2")->isChecked());
    click("Command2");
    zumenko::DrawOptions opt;
    opt.automatic = true;
    opt.upstreamToDownstream = false;
    opt.pipeWall = true;
    opt.frame = false;
    auto bytes = jtemp();
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, expectedScript(opt));
    EXPECT_EQ(ui.clipboard, common::cp932ToUtf8(*bytes));
    EXPECT_EQ(ends, std::vector<bool>{true});
}

TEST_F(DrawingWindowTest, ALayoutFieldWithoutANumberIsReportedAndNothingIsDrawn) {
    for (const char* field : {"Text1", "Text4"}) {
        type("Text1", "1");
        type("Text2", "3");
        type(field, "x");
        ui.messages.clear();
        click("Command1");
        EXPECT_EQ(ui.onlyMessage().icon, common::Icon::Exclamation) << field;
    }
    type("Text1", "");
    click("Command4");
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_FALSE(jtemp());
    EXPECT_TRUE(ui.clipboard.empty());
    EXPECT_TRUE(ends.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DrawingWindowTest, AScriptThatCannotBeWrittenIsReportedAndTheWindowStays) {
    window->scriptPath = dir / "gone" / "JTemp.txt";
    click("Command2");
    EXPECT_EQ(ui.onlyMessage(), (ShownMessage{common::Icon::Critical, "作図データ",
                                              "作図コマンドを書き込めませんでした。\r\n" +
                                                  window->scriptPath.string() + "\r\nフォルダー「" +
                                                  (dir / "gone").string() + "」がありません。"}));
    EXPECT_TRUE(ui.clipboard.empty());
    EXPECT_TRUE(ends.empty());
    EXPECT_TRUE(window->isVisible());
    // A second try, now that the folder is there, delivers.
    std::filesystem::create_directory(dir / "gone");
    click("Command2");
    EXPECT_EQ(ends, std::vector<bool>{true});
    EXPECT_FALSE(ui.clipboard.empty());
}

TEST_F(DrawingWindowTest, AllSheetsButtonDeliversTheSetAndEnds) {
    type("Text1", "abc");  // the layout fields are not looked at
    tick(find<QRadioButton>("Option1"));
    tick(find<QCheckBox>("Check1"));
    click("Command6");
    EXPECT_EQ(ui.onlyMessage().title, "作図手順");
    zumenko::DrawOptions opt;
    opt.upstreamToDownstream = false;
    opt.pipeWall = true;
    auto set = zumenko::drawSheetSetScript(window->drawing(), opt);
    ASSERT_FALSE(set.error);
    auto bytes = jtemp();
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, *common::utf8ToCp932(set.text));
    EXPECT_EQ(ui.clipboard, common::cp932ToUtf8(*bytes));
    EXPECT_EQ(ends, std::vector<bool>{true});
}

// Beside each station number, the split label of that station row, or nothing.
TEST_F(DrawingWindowTest, SplitLabelsStandBesideTheStationNumbers) {
    auto* startLabel = find<QLabel>("Label7");
    auto* endLabel = find<QLabel>("Label8");
    EXPECT_EQ(startLabel->text(), q("1"));
    type("Text1", "2");
    type("Text2", "9");
    EXPECT_EQ(startLabel->text(), q("1-1"));
    EXPECT_EQ(endLabel->text(), q(""));  // no station 9
    click("Command4");                   // clamps the end to station 4
    EXPECT_EQ(endLabel->text(), q("3"));
    type("Text1", "x");
    EXPECT_EQ(startLabel->text(), q(""));
}

// On a sheet 240 mm wide the four stations (0 to 80 m) do not fit: the layout is still
// filled in, and a message says how many stations would.
TEST_F(DrawingWindowTest, LayoutWarnsWhenTheStretchRunsPastTheSheet) {
    zumenko::Drawing narrow = window->drawing();
    narrow.format.setText(common::FormatItem::SheetWidthMm, "240");
    window->setDrawing(narrow);
    type("Text1", "1");
    type("Text2", "4");
    click("Command4");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, common::Icon::Exclamation);
    EXPECT_EQ(ui.messages[0].title, "作図レイアウト");
    EXPECT_NE(ui.messages[0].text.find("枠に収まるのは"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(find<QLineEdit>("Text3")->text(), q("80"));
    // A stretch that fits says nothing.
    ui.messages.clear();
    type("Text2", "2");
    click("Command4");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DrawingWindowTest, EndButtonClosesWithoutAScript) {
    click("Command3");
    EXPECT_EQ(ends, std::vector<bool>{false});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(jtemp());
    EXPECT_TRUE(ui.messages.empty());
}

TEST(DrawingWindowIntake, AHandoffFileThatCannotBeReadIsReported) {
    testing_support::TempDir dir;
    auto lines = kandoru::handoffLines(e2e::calculatedDocument());
    lines.resize(3000);  // cut short inside the manhole block
    ASSERT_TRUE(common::writeFileAtomic(dir / "short.txt", *common::encodeCp932Lines(lines)));
    for (const char* name : {"missing.txt", "short.txt"}) {
        FakeUi ui;
        DrawingWindow window(&ui);
        EXPECT_FALSE(window.intake(dir / name));
        EXPECT_EQ(ui.onlyMessage(),
                  (ShownMessage{common::Icon::Critical, "作図データ",
                                "作図データを読み込めませんでした。\r\n" + (dir / name).string()}));
    }
}
