#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_ui.h"
#include "common/textfile.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/osa_file.h"
#include "kandoru/files/table_dump.h"
#include "support/golden.h"
#include "support/run_program.h"

using testing_support::examplesDir;
using testing_support::quoted;
using testing_support::TempDir;
using testing_support::testData;

namespace {

// Runs gesui with args; the exit status, standard error in *err.
int gesui(const TempDir& dir, const std::string& args, std::string* err,
          std::string* out = nullptr) {
    auto r = testing_support::runGesui(testing_support::splitArguments(args), dir.path());
    *err = r.err;
    if (out) *out = r.out;
    return r.status;
}

// The editor's way: open without the closing calculation, the format intake without its
// own, then one "縦断計算".
kandoru::Document calculatedInProcess(const std::filesystem::path& profile,
                                      const std::filesystem::path& format, std::string* messages) {
    kandoru::Document doc;
    EXPECT_TRUE(kandoru::loadProfile(doc, profile));
    EXPECT_TRUE(kandoru::loadFormat(doc, format));
    std::ostringstream err;
    cli::CliUi ui(err);
    kandoru::runCalculation(doc, ui);
    *messages = err.str();
    return doc;
}

}  // namespace

TEST(GesuiCalc, TablesAndSavedFileAreThoseOfOneCalculation) {
    for (const char* name : {"three_routes.osa", "long_line.osa"}) {
        TempDir dir;
        const auto profile = examplesDir() / name;
        const auto format = examplesDir() / "standard.osb";
        std::string err;
        EXPECT_EQ(gesui(dir,
                        "calc " + quoted(profile) + " " + quoted(format) + " --tables " +
                            quoted(dir / "t.tsv") + " --save " + quoted(dir / "out.osa"),
                        &err),
                  0)
            << err;
        EXPECT_EQ(err, "");
        std::string messages;
        const auto doc = calculatedInProcess(profile, format, &messages);
        EXPECT_EQ(messages, "");
        EXPECT_EQ(common::readFileBytes(dir / "t.tsv"), kandoru::dumpTables(doc)) << name;
        // The examples are stored calculated: a calculation gives the same file again.
        EXPECT_EQ(common::readFileBytes(dir / "out.osa"), common::readFileBytes(profile)) << name;
    }
    // The numbers of the long example, checked by hand once, stay as they are.
    TempDir dir;
    std::string err;
    gesui(dir,
          "calc " + quoted(examplesDir() / "long_line.osa") + " " +
              quoted(examplesDir() / "standard.osb") + " --tables " + quoted(dir / "t.tsv"),
          &err);
    EXPECT_TRUE(testing_support::matchesGolden("cli/calc_long_line.tsv",
                                               common::readFileBytes(dir / "t.tsv").value_or("")));
}

TEST(GesuiCalc, MessagesGoToStandardErrorAndSetTheExitStatus) {
    TempDir dir;
    std::string err;
    // Pipe codes that the format file does not know.
    EXPECT_EQ(
        gesui(dir,
              "calc " + quoted(testData("kandoru/osa_full.osa")) + " " +
                  quoted(examplesDir() / "standard.osb") + " --tables " + quoted(dir / "t.tsv"),
              &err),
        1);
    EXPECT_EQ(err, "管記号エラー: 管記号の　1　行目のコード名は登録されていません。\n");
    EXPECT_TRUE(common::readFileBytes(dir / "t.tsv"));  // written all the same

    // The gate: a profile without minimum cover, message lines without line breaks.
    kandoru::Document doc;
    doc.settings.formatField = "standard.osb";
    ASSERT_TRUE(kandoru::FileSave2(doc, dir / "empty.osa"));
    EXPECT_EQ(
        gesui(dir,
              "calc " + quoted(dir / "empty.osa") + " " + quoted(examplesDir() / "standard.osb"),
              &err),
        1);
    EXPECT_EQ(err, "最小土被りエラー: 最小土被りが未入力です。\n");
}

TEST(GesuiCalc, BadArgumentsAndUnreadableInputsExitTwo) {
    TempDir dir;
    std::string err;
    const auto format = quoted(examplesDir() / "standard.osb");
    EXPECT_EQ(gesui(dir, "calc " + quoted(dir / "missing.osa") + " " + format, &err), 2);
    EXPECT_NE(err.find("missing.osa"), std::string::npos) << err;
    EXPECT_EQ(gesui(dir,
                    "calc " + quoted(examplesDir() / "three_routes.osa") + " " +
                        quoted(dir / "missing.osb"),
                    &err),
              2);
    EXPECT_NE(err.find("missing.osb"), std::string::npos) << err;
    EXPECT_EQ(gesui(dir, "calc " + format, &err), 2);
    EXPECT_EQ(gesui(dir, "calc a.osa b.osb --colour", &err), 2);
    // The overall help already tells how to call it and what the options write.
    std::string help;
    EXPECT_EQ(gesui(dir, "--help", &err, &help), 0);
    for (const char* part :
         {"gesui calc PROFILE.osa FORMAT.osb [--tables OUT.tsv] [--save OUT.osa]",
          "FGridN<TAB>row<TAB>column 1", "--save OUT.osa saves", "Exit status"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    // An output that cannot be written is reported.
    EXPECT_EQ(gesui(dir,
                    "calc " + quoted(examplesDir() / "three_routes.osa") + " " + format +
                        " --save " + quoted(dir / "no" / "such" / "folder.osa"),
                    &err),
              1);
    EXPECT_NE(err.find("保存エラー: ファイルを保存できませんでした。 "), std::string::npos) << err;
    EXPECT_NE(err.find("「" + platform::pathToUtf8(dir / "no" / "such") + "」がありません。"),
              std::string::npos)
        << err;
    // A read-only file is neither written nor replaced, and the failure shows in the status.
    const auto kept = dir / "読み取り専用.osa";
    ASSERT_TRUE(common::writeFileAtomic(kept, "previous"));
    namespace fs = std::filesystem;
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(gesui(dir,
                    "calc " + quoted(examplesDir() / "three_routes.osa") + " " + format +
                        " --save " + quoted(kept),
                    &err),
              1);
    EXPECT_NE(err.find("読み取り専用のファイルです。"), std::string::npos) << err;
    EXPECT_EQ(common::readFileBytes(kept), "previous");
}
