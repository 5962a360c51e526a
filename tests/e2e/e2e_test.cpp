// The editor hands off and the drawing program, a separate process under a test home
// folder, draws the whole line and leaves exactly JTemp.txt on the clipboard.
#include <gtest/gtest.h>

#include <QProcess>

#include "cli/cli_ui.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "e2e/fixture.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/handoff.h"
#include "kandoru/files/osa_file.h"
#include "support/fake_ui.h"
#include "support/golden.h"
#include "zumenko/intake.h"
#include "zumenko/script.h"
#include "zumenko/shell/single_instance.h"

namespace {

// The program run as the editor starts it, with the test drive pressing one button. The
// offscreen clipboard lives inside the program, so it hands its text out in a file.
struct ProgramRun {
    int exitCode = -1;
    std::string err;
    bool finished = false;
};

ProgramRun runZumenko(const std::filesystem::path& home, const char* drive) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(home.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("GESUI_TEST_DRIVE", drive);
    env.insert("GESUI_TEST_CLIPBOARD", QString::fromStdString((home / "clipboard.txt").string()));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(QString::fromStdString(testing_support::binDir().string()));
    p.start(QString::fromStdString((testing_support::binDir() / "Zumenko").string()), {});
    ProgramRun r;
    if (!p.waitForStarted(10000)) return r;
    r.finished = p.waitForFinished(60000);
    if (!r.finished) p.kill(), p.waitForFinished(5000);
    r.exitCode = p.exitCode();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

// The editor's Ui, except that starting a program really starts it and waits for it.
class StartingUi : public testing_support::FakeUi {
public:
    std::filesystem::path home;
    ProgramRun run;
    bool startProgram(const std::string& name) override {
        programsStarted.push_back(name);
        run = runZumenko(home, "auto");
        return run.finished;
    }
};

}  // namespace

TEST(EndToEnd, EditorHandsOffAnExampleAndTheDrawingProgramDrawsTheWholeLine) {
    testing_support::TempDir home;
    testing_support::ScopedHome scoped(home.path());
    // The example opened, its format read and "縦断計算" run, as a user would.
    kandoru::Document doc;
    ASSERT_TRUE(kandoru::loadProfile(doc, testing_support::examplesDir() / "three_routes.osa"));
    ASSERT_TRUE(kandoru::loadFormat(doc, testing_support::examplesDir() / "standard.osb"));
    std::ostringstream calcMessages;
    cli::CliUi calcUi(calcMessages);
    kandoru::runCalculation(doc, calcUi);
    ASSERT_FALSE(calcUi.warned()) << calcMessages.str();

    StartingUi ui;
    ui.home = home.path();
    kandoru::drawingHandoff(doc, ui);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(ui.programsStarted, std::vector<std::string>{"Zumenko"});
    ASSERT_TRUE(ui.run.finished) << ui.run.err;
    EXPECT_EQ(ui.run.exitCode, 0) << ui.run.err;
    EXPECT_NE(ui.run.err.find("作図手順: 作図コマンドがクリップボードにコピーされました。"),
              std::string::npos)
        << ui.run.err;

    auto handoff = common::readFileBytes(home / "XTemp.txt");
    ASSERT_TRUE(handoff);
    EXPECT_TRUE(testing_support::matchesGolden("e2e/handoff_three_routes.txt", *handoff));

    auto script = common::readFileBytes(home / "JTemp.txt");
    auto clipboard = common::readFileBytes(home / "clipboard.txt");
    ASSERT_TRUE(script);
    ASSERT_TRUE(clipboard);
    EXPECT_EQ(*clipboard, common::cp932ToUtf8(*script));

    // What the program drew is the automatic drawing of what the editor handed off.
    zumenko::Drawing drawing;
    ASSERT_TRUE(zumenko::readHandoff(home / "XTemp.txt", drawing));
    zumenko::DrawOptions opt;
    opt.automatic = true;
    auto expected = zumenko::drawScript(drawing, opt);
    ASSERT_FALSE(expected.error);
    EXPECT_EQ(*script, *common::utf8ToCp932(expected.text));
    EXPECT_TRUE(script->starts_with("_DTEXTED 1\r\n"));
    EXPECT_TRUE(script->ends_with("_zoom e\r\n" + *common::utf8ToCp932("*キャンセル*") + "\r\n"));
}

TEST(EndToEnd, ASecondDrawingProgramIsRefusedWhileOneRuns) {
    testing_support::TempDir home;
    testing_support::ScopedHome scoped(home.path());
    ASSERT_TRUE(kandoru::TempSave(e2e::calculatedDocument(), home / "XTemp.txt"));
    zumenko::SingleInstance running;  // the lock is the same for the child (same HOME)
    ASSERT_TRUE(running.acquire());
    ProgramRun r = runZumenko(home.path(), "auto");
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Zumenko: すでに「Zumenko」は起動されています。"), std::string::npos)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(home / "JTemp.txt"));
}

TEST(EndToEnd, WithoutAHandoffFileTheDrawingProgramSaysSoAndEnds) {
    testing_support::TempDir home;
    ProgramRun r = runZumenko(home.path(), "auto");
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("作図データ: 作図データを読み込めませんでした。 " +
                         (home / "XTemp.txt").string()),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(home / "JTemp.txt"));
}
