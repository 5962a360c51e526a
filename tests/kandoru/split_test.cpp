#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "kandoru/calc/split.h"
#include "support/fake_ui.h"

using calc_testing::Cells;
using calc_testing::column;
using calc_testing::fill;
using calc_testing::rowCells;
using common::Icon;
using kandoru::Document;
using kandoru::SplitButton;
using kandoru::SplitOutcome;
using testing_support::FakeUi;
using testing_support::ShownMessage;

namespace {

SplitOutcome split(Document& doc, FakeUi& ui, SplitButton b = SplitButton::Split) {
    return kandoru::splitCalculation(doc, ui, b);
}

Document withOutlet() {
    Document doc;
    calc_testing::outletAndSettings(doc);
    return doc;
}

}  // namespace

TEST(SplitCalculation, GeneratesLabelledSplitsAndTheOutletRow) {
    Document doc = withOutlet();
    fill(doc.fgrid1, {{"1", "30.000", "3", "10.000"}});
    FakeUi ui;
    EXPECT_EQ(split(doc, ui), SplitOutcome::Completed);
    EXPECT_TRUE(ui.messages.empty());
    // The outlet, not listed, takes the first blank row.
    EXPECT_EQ(rowCells(doc.fgrid1, 2, 1, 4), (Cells{"9", "", "1", "10.500"}));
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 5), (Cells{"1", "1-1", "1-2", "9", ""}));
    EXPECT_EQ(column(doc.fgrid2, 2, 1, 4), (Cells{"30.000", "0.000", "0.000", ""}));
    EXPECT_EQ(column(doc.fgrid2, 3, 1, 4), (Cells{"10.000", "0.000", "0.000", "10.500"}));
    EXPECT_TRUE(doc.splitDataMark);
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSplit);
    EXPECT_EQ(ui.lastTab(), kandoru::kTabSplit);
}

// A count that is not whole is rounded half to even; it stands when every split it makes
// gets its label.
TEST(SplitCalculation, CountsThatRoundWithinThemselvesAreAccepted) {
    Document doc = withOutlet();
    fill(doc.fgrid1, {{"1", "30.000", "2.5", "10.000"}, {"2", "20.000", "3.49", "10.200"}});
    FakeUi ui;
    EXPECT_EQ(split(doc, ui), SplitOutcome::Completed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 7), (Cells{"1", "1-1", "2", "2-1", "2-2", "9", ""}));
}

TEST(SplitCalculation, NormalisesTheListedOutletAndErasesRoutesBelowIt) {
    Document doc = withOutlet();
    fill(doc.fgrid1,
         {{"1", "30.000", "", ""}, {"9", "12.000", "4", ""}, {"5", "20.000", "1", "9.000"}});
    FakeUi ui;
    EXPECT_EQ(split(doc, ui), SplitOutcome::Completed);
    EXPECT_EQ(rowCells(doc.fgrid1, 1, 1, 4), (Cells{"1", "30.000", "1", "10.500"}));
    EXPECT_EQ(rowCells(doc.fgrid1, 2, 1, 4), (Cells{"9", "", "1", "10.500"}));
    EXPECT_EQ(rowCells(doc.fgrid1, 3, 1, 4), (Cells{"", "", "", ""}));
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 3), (Cells{"1", "9", ""}));
}

TEST(SplitCalculation, KeepsTypedLengthsAndResetsZeroLengths) {
    Document doc = withOutlet();
    fill(doc.fgrid1, {{"1", "30.000", "3", "10.000"}, {"2", "20.000", "2", "11.000"}});
    // From an earlier run: the user typed 18 m and set the first split of route 2 to 0.
    fill(doc.fgrid2, {{"1", "12.000", "10.000"},
                      {"1-1", "18.000", "9.000"},
                      {"1-2", "0.000", "0.000"},
                      {"2", "0.000", "11.000"},
                      {"2-1", "7.000", "8.000"}});
    doc.splitDataMark = true;
    FakeUi ui;
    ui.answers = {true};
    EXPECT_EQ(split(doc, ui), SplitOutcome::Completed);
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].title, "分割計算");
    EXPECT_EQ(ui.questions[0].icon, Icon::Question);
    EXPECT_EQ(column(doc.fgrid2, 2, 1, 6),
              (Cells{"12.000", "18.000", "0.000", "20.000", "7.000", ""}));
    // Route 2 adds up to 27 m instead of 20 m: reported, ground levels left alone.
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Critical, "路線距離エラー",
                            "路線番号 2 の路線合計が、路線ﾃﾞｰﾀの路線長と合致しません。"}));
    EXPECT_EQ(column(doc.fgrid2, 3, 1, 5), (Cells{"10.000", "9.000", "0.000", "11.000", "8.000"}));
}

TEST(SplitCalculation, WorkTablesPlaceChangePointsOnTheChain) {
    Document doc = withOutlet();
    fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}, {"2", "20.000", "1", "11.000"}});
    fill(doc.fgrid4, {{"2", "5.000", "12.000", "1.500"}});
    FakeUi ui;
    EXPECT_EQ(split(doc, ui), SplitOutcome::Completed);
    const auto& f8 = doc.fgrid8;
    EXPECT_EQ(column(f8, 1, 1, 5), (Cells{"1", "2", "2変", "9", ""}));
    EXPECT_EQ(column(f8, 3, 1, 4), (Cells{"0.000", "30.000", "35.000", "50.000"}));
    EXPECT_EQ(column(f8, 2, 1, 4), (Cells{"30.000", "5.000", "15.000", ""}));
    // Ground gradient in percent of the segment ending at the row.
    EXPECT_EQ(column(f8, 5, 1, 4), (Cells{"", "3.333", "20.000", "-10.000"}));
    EXPECT_EQ(rowCells(f8, 3, 4, 7), (Cells{"12.000", "20.000", "", "1.500"}));
    EXPECT_EQ(column(doc.fgrid7, 3, 1, 3), (Cells{"0.000", "30.000", "50.000"}));
    EXPECT_EQ(column(doc.fgrid5, 1, 1, 5), (Cells{"1", "2", "2変", "9", ""}));
    EXPECT_EQ(column(doc.fgrid5, 2, 1, 4), (Cells{"0.000", "30.000", "35.000", "50.000"}));
    EXPECT_EQ(f8.text(4, 0), "4:");
}

TEST(SplitCalculation, RefusesSplitCountsThatDoNotFit) {
    struct Case {
        std::vector<Cells> routes;
        ShownMessage expected;
    };
    const std::vector<Case> cases = {
        {{{"1", "30.000", "abc", "10.000"}},
         {Icon::Critical, "分割数入力エラー",
          "路線基本データの　1　行目の分割数が正しくありません。"}},
        {{{"1", "30.000", "1", "10.000"}, {"9", "", "", "10.500"}},
         {Icon::Critical, "分割数入力エラー",
          "路線基本データの　2　行目の分割数が正しくありません。"}},
        {{{"1", "30.000", "1", "10.000"}, {"2", "30.000", "1.5", "10.000"}},
         {Icon::Critical, "分割数入力エラー",
          "路線基本データの　2　行目の分割数が正しくありません。"}},
        {{{"1", "30.000", "2.7", "10.000"}},  // three rows, the third never labelled
         {Icon::Critical, "分割数入力エラー",
          "路線基本データの　1　行目の分割数が正しくありません。"}},
        {{{"1", "30.000", "1", "10.000"}, {"2", "30.000", "0.5", "10.000"}},  // no split at all
         {Icon::Critical, "分割数入力エラー",
          "路線基本データの　2　行目の分割数が正しくありません。"}},
        {{{"1", "500.000", "600", "10.000"}, {"2", "500.000", "400", "10.000"}},
         {Icon::Critical, "データエラー", "分割数の合計が1000行を超えるため計算出来ません。"}},
    };
    for (const auto& c : cases) {
        Document doc = withOutlet();
        fill(doc.fgrid1, c.routes);
        Document before = doc;
        FakeUi ui;
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_EQ(ui.onlyMessage(), c.expected);
        for (int r = 1; r <= 3; ++r) {
            EXPECT_EQ(rowCells(doc.fgrid1, r, 1, 4), rowCells(before.fgrid1, r, 1, 4));
            EXPECT_EQ(rowCells(doc.fgrid2, r, 1, 3), rowCells(before.fgrid2, r, 1, 3));
        }
        EXPECT_FALSE(doc.splitDataMark);
    }
}

TEST(SplitCalculation, SplitsAndChangePointsMustFitTheMergedTables) {
    Document doc = withOutlet();
    fill(doc.fgrid1, {{"1", "989.000", "989", "10.000"}});
    for (int r = 1; r <= 10; ++r)
        fill(doc.fgrid4, {{"1", std::to_string(r) + ".000", "10.000", ""}}, r);
    FakeUi ui;
    EXPECT_EQ(split(doc, ui), SplitOutcome::Completed);  // 990 split rows and 10 change points
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc.fgrid5.text(1000, 1), "9");
    fill(doc.fgrid4, {{"1", "11.000", "10.000", ""}}, 11);
    EXPECT_EQ(split(doc, ui, SplitButton::Ground), SplitOutcome::Stopped);
    EXPECT_EQ(ui.onlyMessage(),
              (ShownMessage{Icon::Critical, "データエラー",
                            "分割データと地盤変化点の合計が1000行を超えるため計算出来ません。"}));
}

TEST(SplitCalculation, ChecksStopInTheirOrder) {
    {  // A gap in the route table is reported, the change points are still checked.
        Document doc = withOutlet();
        fill(doc.fgrid1,
             {{"1", "30.000", "1", "10.000"}, {"", "", "", ""}, {"2", "20.000", "1", "9.000"}});
        fill(doc.fgrid4, {{"7", "5.000", "12.000", "1.000"}});
        FakeUi ui;
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_EQ(
            ui.messages,
            (std::vector<ShownMessage>{
                {Icon::Exclamation, "データエラー",
                 "データの途中に、空白行があるので計算出来ません。空白行を削除してください。"},
                {Icon::Critical, "路線番号入力エラー",
                 "地盤変化点データの　1　行目の路線番号は無効です。"}}));
        EXPECT_EQ(doc.fgrid2.text(1, 1), "");
    }
    {  // A change point on the outlet route is removed; the rows below move up.
        Document doc = withOutlet();
        fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}});
        fill(doc.fgrid4,
             {{"1", "5.000", "12.000", "1.000"}, {"9", "2.000", "", ""}, {"1", "8.000", "", ""}});
        FakeUi ui;
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_EQ(
            ui.onlyMessage(),
            (ShownMessage{Icon::Critical, "路線番号入力エラー",
                          "流末路線番号 (2行) "
                          "は入力できません。\r\nもしくは、有効データが入力されていません。"}));
        EXPECT_EQ(column(doc.fgrid4, 2, 1, 3), (Cells{"5.000", "8.000", ""}));
        EXPECT_EQ(doc.fgrid4.currentRow(), 200);
    }
    {  // With a blank outlet number an empty change-point row 1 is "on the outlet".
        Document doc;
        fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}});
        FakeUi ui;
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_EQ(
            ui.onlyMessage().text,
            "流末路線番号 (1行) は入力できません。\r\nもしくは、有効データが入力されていません。");
    }
    {  // Defaults are written before the zero distance is refused.
        Document doc = withOutlet();
        fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}});
        fill(doc.fgrid4, {{"1", "", "", ""}});
        FakeUi ui;
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_EQ(ui.onlyMessage(),
                  (ShownMessage{Icon::Critical, "距離入力エラー",
                                "地盤変化点データの　1　行目の距離は ０m 以上にしてください。\r\n"
                                "地盤変化点に人孔がある場合は入力不要です。"}));
        EXPECT_EQ(rowCells(doc.fgrid4, 1, 1, 4), (Cells{"1", "0.000", "0.000", "1.000"}));
    }
    {  // A change point at or beyond the end of its route.
        Document doc = withOutlet();
        fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}});
        fill(doc.fgrid4, {{"1", "30.000", "11.000", "1.000"}});
        FakeUi ui;
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_EQ(
            ui.onlyMessage(),
            (ShownMessage{Icon::Critical, "距離入力エラー",
                          "地盤変化点データの　1　行目の距離を　30.000m 未満にしてください。"}));
    }
}

TEST(SplitCalculation, ConfirmationComesBeforeTheOutletCheck) {
    const std::string question =
        "分割計算を実行してもよろしいですか\r\n実行すると以前の分割データは更新されます\r\n"
        "元に戻すことは出来ません\r\n\r\n更新しない場合は、上部の分割データタブをクリックして下さい"
        "　　";
    {  // Asked, then the outlet check runs whatever the answer.
        Document doc = withOutlet();
        doc.settings.outletGround = "";
        fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}});
        doc.splitDataMark = true;
        FakeUi ui;
        ui.answers = {false};
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_EQ(ui.questions,
                  (std::vector<ShownMessage>{{Icon::Question, "分割計算", question}}));
        EXPECT_EQ(ui.onlyMessage(),
                  (ShownMessage{Icon::Critical, "未入力警告", "流末設定が未入力です"}));
    }
    {  // No ends it after the outlet check; "地盤計算" never asks.
        Document doc = withOutlet();
        fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}});
        doc.splitDataMark = true;
        FakeUi ui;
        ui.answers = {false};
        EXPECT_EQ(split(doc, ui), SplitOutcome::Stopped);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(doc.fgrid2.text(1, 1), "");
        EXPECT_EQ(split(doc, ui, SplitButton::Ground), SplitOutcome::Completed);
        EXPECT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(doc.fgrid2.text(1, 1), "1");
    }
}

TEST(SplitCalculation, RouteWithoutLengthStopsTheWorkTablesOnly) {
    Document doc = withOutlet();
    fill(doc.fgrid1, {{"1", "30.000", "1", "10.000"}, {"2", "", "2", "11.000"}});
    FakeUi ui;
    EXPECT_EQ(split(doc, ui), SplitOutcome::Completed);
    EXPECT_EQ(ui.onlyMessage(), (ShownMessage{Icon::Critical, "路線長入力エラー",
                                              "路線長 (2行) を入力してください。"}));
    EXPECT_EQ(column(doc.fgrid8, 1, 1, 3), (Cells{"1", "", ""}));
    EXPECT_EQ(column(doc.fgrid2, 1, 1, 4), (Cells{"1", "2", "2-1", "9"}));
    EXPECT_TRUE(doc.splitDataMark);
    EXPECT_EQ(doc.currentTab(), kandoru::kTabSplit);
}

TEST(SplitCalculation, ValueTooLargeStopsWithTheCellNamed) {
    Document doc = withOutlet();
    fill(doc.fgrid1, {{"1", "1e39", "1", "10.000"}});
    FakeUi ui;
    EXPECT_EQ(split(doc, ui), SplitOutcome::NonFinite);
    EXPECT_EQ(ui.onlyMessage(), (ShownMessage{Icon::Critical, "データエラー",
                                              "数値が大きすぎます（路線基本データ　1行　2列）。"}));
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 7; ++c)
            EXPECT_EQ(doc.fgrid8.text(r, c).find("inf"), std::string::npos);
}
