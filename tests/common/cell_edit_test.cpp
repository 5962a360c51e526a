#include <gtest/gtest.h>

#include "common/cell_edit.h"

using namespace common;

TEST(DecideOpen, TypingReplacesTheText) {
    auto d = decideOpen(U'7', "12.500");
    EXPECT_TRUE(d.open);
    EXPECT_EQ(d.text, "7");
    EXPECT_EQ(d.caret, Caret::End);
    auto j = decideOpen(U'路', "x");
    EXPECT_EQ(j.text, "路");
}

TEST(DecideOpen, SpaceAndF2KeepTheText) {
    auto space = decideOpen(kCodeSpace, "12.500");
    EXPECT_EQ(space.text, "12.500");
    EXPECT_EQ(space.caret, Caret::Start);
    auto f2 = decideOpen(kCodeEnter, "12.500");
    EXPECT_EQ(f2.text, "12.500");
    EXPECT_EQ(f2.caret, Caret::End);
}

TEST(DecideOpen, DeleteOpensEmptyAndOtherControlsOpenNothing) {
    auto del = decideOpen(kCodeBackspace, "12.500");
    EXPECT_TRUE(del.open);
    EXPECT_EQ(del.text, "");
    EXPECT_FALSE(decideOpen(9, "x").open);   // Tab
    EXPECT_FALSE(decideOpen(27, "x").open);  // Escape
    EXPECT_FALSE(decideOpen(1, "x").open);   // Ctrl+A
    EXPECT_FALSE(decideOpen(127, "x").open);
}

TEST(MoveAfterEnter, RouteTableWrapsToColumnOne) {
    auto p = routeGridParams();
    EXPECT_EQ(moveAfterEnter(p, {5, 3}, true), (CellPos{5, 4}));
    EXPECT_EQ(moveAfterEnter(p, {5, 4}, true), (CellPos{6, 1}));
    EXPECT_EQ(moveAfterEnter(p, {200, 4}, true), (CellPos{200, 1}));
}

TEST(MoveAfterEnter, SplitTableWrapsFromColumnSevenOrBeyond) {
    auto p = splitGridParams();
    EXPECT_EQ(moveAfterEnter(p, {12, 6}, true), (CellPos{12, 7}));
    EXPECT_EQ(moveAfterEnter(p, {12, 7}, true), (CellPos{13, 2}));
    EXPECT_EQ(moveAfterEnter(p, {12, 9}, true), (CellPos{13, 2}));
    EXPECT_EQ(moveAfterEnter(p, {1000, 7}, true), (CellPos{1000, 2}));
}

TEST(MoveAfterEnter, DownwardsStopsAtTheLastRow) {
    auto p = manholeGridParams();
    EXPECT_EQ(moveAfterEnter(p, {1, 3}, false), (CellPos{2, 3}));
    EXPECT_EQ(moveAfterEnter(p, {1000, 3}, false), (CellPos{1000, 3}));
    EXPECT_EQ(moveDown(p, {1000, 3}), (CellPos{1000, 3}));
    EXPECT_EQ(moveUp(p, {1, 3}), (CellPos{1, 3}));
    EXPECT_EQ(moveUp(p, {2, 3}), (CellPos{1, 3}));
}

TEST(GridParams, OpeningColumnsPerGrid) {
    auto split = splitGridParams();
    EXPECT_FALSE(split.typing.contains(1));
    EXPECT_FALSE(split.typing.contains(8));
    EXPECT_TRUE(split.typing.contains(2));
    EXPECT_TRUE(split.typing.contains(7));
    EXPECT_TRUE(split.keyOpen.contains(8));
    EXPECT_FALSE(split.keyOpen.contains(1));
    EXPECT_TRUE(split.keyOpen.contains(12));
    auto manhole = manholeGridParams();
    EXPECT_FALSE(manhole.typing.contains(1));
    EXPECT_TRUE(manhole.typing.contains(5));
    EXPECT_FALSE(manhole.typing.contains(6));
    EXPECT_TRUE(manhole.keyOpen.contains(8));
    EXPECT_EQ(moveAfterEnter(manhole, {3, 5}, true), (CellPos{4, 2}));
    auto box = boxGridParams();
    EXPECT_EQ(moveAfterEnter(box, {100, 5}, true), (CellPos{100, 1}));
    EXPECT_EQ(moveAfterEnter(manholeTypeGridParams(), {4, 2}, true), (CellPos{5, 1}));
}

TEST(NumericKeyFilter, PassesTheKeysOfANumberOnly) {
    // Full-width digits, point and minus pass as what they stand for; a full-width plus or
    // space is refused like the ASCII one.
    for (char32_t c : std::u32string(U"-12.5－１２．５０９")) EXPECT_TRUE(numericKeyPasses(c));
    EXPECT_TRUE(numericKeyPasses(8));
    EXPECT_TRUE(numericKeyPasses(13));
    for (char32_t c : std::u32string(U"+,/ aZ＋　Ａ，"))
        EXPECT_FALSE(numericKeyPasses(c)) << (int)c;
}
