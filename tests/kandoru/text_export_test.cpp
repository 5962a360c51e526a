#include "kandoru/files/text_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "common/platform/paths.h"
#include "common/sjis.h"
#include "common/textfile.h"
#include "kandoru/files/osa_file.h"
#include "support/fake_ui.h"
#include "support/golden.h"

using common::Icon;
using kandoru::Document;
using testing_support::FakeUi;
using testing_support::ShownMessage;
using testing_support::TempDir;

namespace {

std::string bytesOf(const Document& doc) {
    return *common::encodeCp932Lines(kandoru::waterSaveLines(doc));
}

}  // namespace

TEST(WaterSave, EmptyDocumentHasTheSettingsAndFourHeadingsOnly) {
    Document doc;
    EXPECT_TRUE(testing_support::matchesGolden("kandoru/export_empty.txt", bytesOf(doc)));
    auto lines = kandoru::waterSaveLines(doc);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "プロジェクト名\t");
    EXPECT_EQ(lines[3], "流末地盤高m \t");
    EXPECT_EQ(lines[7], "桁数 勾配   \t3");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "\t路線番号\t路線長m\t分割数\t地盤高m");
    EXPECT_EQ(lines[20],
              "\t路線番号\t人孔番号\t人孔種別 副管径\t管落差m\t上掘削深\t下掘削深\t人孔深m");
}

TEST(WaterSave, LoadedExampleByteForByte) {
    Document doc;
    ASSERT_TRUE(kandoru::loadProfile(doc, testing_support::testData("kandoru/osa_full.osa")));
    doc.fgrid3.setText(1, 8, "2.345");  // a calculated column is exported too
    auto bytes = bytesOf(doc);
    EXPECT_TRUE(testing_support::matchesGolden("kandoru/export_full.txt", bytes));
    auto lines = kandoru::waterSaveLines(doc);
    auto at = [&](const std::string& start) {
        return *std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    };
    // Split row 2 has a pipe code and a gradient but no inverts: eight TABs follow.
    EXPECT_EQ(at("2\tA1-1\t"), "2\tA1-1\t40.000\t12.300\tVU200\t5.000\t\t\t\t\t\t\t\t");
    for (const auto& l : lines) {
        const auto tabs = std::count(l.begin(), l.end(), '\t');
        if (tabs > 8) {  // only split lines have more than eight
            EXPECT_EQ(tabs, 13) << l;
        }
    }
    EXPECT_EQ(lines.back(), "2\tA1-1\tNo.2\t１号人孔～\t\t\t\t\t");
}

TEST(WaterSave, EachSectionStopsAtItsFirstEmptyKey) {
    Document doc;
    doc.fgrid1.setText(1, 1, "1");
    doc.fgrid1.setText(2, 1, "2");
    doc.fgrid1.setText(3, 2, "30.000");  // row 3 without a route number ends the section
    doc.fgrid1.setText(4, 1, "4");
    doc.fgrid2.setText(2, 1, "x");  // split row 1 empty: no split lines at all
    doc.fgrid4.setText(1, 1, "1\t変");
    auto lines = kandoru::waterSaveLines(doc);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[15], "1\t1\t\t\t");
    EXPECT_EQ(lines[16], "2\t2\t\t\t");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[21], "1\t1 変\t\t\t");  // a TAB inside a cell cannot shift the columns
}

TEST(ExportCommand, WritesToTheRendezvousFolderAndSaysSoOrReportsTheFailure) {
    TempDir dir;
    Document doc;
    doc.settings.projectName = "工区";
    {
        testing_support::ScopedHome home(dir.path());
        FakeUi ui;
        kandoru::exportCommand(doc, ui);
        EXPECT_EQ(ui.onlyMessage(), (ShownMessage{Icon::Information, "データファイル",
                                                  "「" + platform::pathToUtf8(dir.path()) +
                                                      "」にテキストファイルを書き出しました。"
                                                      "\r\n\r\nファイル名：縦断データ"}));
        EXPECT_EQ(common::readFileBytes(dir / "縦断データ.txt"), bytesOf(doc));
    }
    {
        { std::ofstream(dir / "notafolder") << "x"; }
        testing_support::ScopedHome home(dir / "notafolder");
        FakeUi ui;
        kandoru::exportCommand(doc, ui);
        EXPECT_EQ(ui.onlyMessage(),
                  (ShownMessage{Icon::Critical, "データファイル",
                                "テキストファイルを書き出せませんでした。\r\n" +
                                    kandoru::pathText(dir / "notafolder" /
                                                      platform::pathFromUtf8("縦断データ.txt")) +
                                    "\r\nフォルダー「" + kandoru::pathText(dir / "notafolder") +
                                    "」がありません。"}));
    }
}
