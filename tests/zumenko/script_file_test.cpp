// The script file: CP932 bytes written whole, refusals as the messages to show.
#include "zumenko/script_file.h"

#include <gtest/gtest.h>

#include "common/sjis.h"
#include "common/textfile.h"
#include "support/golden.h"

using namespace zumenko;
using testing_support::TempDir;

TEST(ScriptFile, WritesCp932AndRefusesWhatItCannotWrite) {
    TempDir dir;
    const auto path = dir / "JTemp.txt";
    const std::string script = "_dtext j tl 0,0 h 1 r 0 下水φ‰ \r\n\r\r\n*キャンセル*\r\n";
    EXPECT_FALSE(writeScriptFile(path, script));
    EXPECT_EQ(common::readFileBytes(path), common::utf8ToCp932(script));

    // A character without a CP932 form is named, and the old file stays as it was.
    auto refused = writeScriptFile(path, "_dtext j tl 0,0 h 1 r 0 😀 \r\n");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->title, "作図データ");
    EXPECT_EQ(refused->text, "文字「😀」はシフトJISで書けないため、作図コマンドを書き出せません。");
    EXPECT_EQ(common::readFileBytes(path), common::utf8ToCp932(script));

    const auto missing = dir / "no" / "JTemp.txt";
    refused = writeScriptFile(missing, script);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, "作図コマンドを書き込めませんでした。\r\n" + missing.string() +
                                 "\r\nフォルダー「" + missing.parent_path().string() +
                                 "」がありません。");
}
