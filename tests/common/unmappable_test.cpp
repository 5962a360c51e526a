// Naming the characters Shift_JIS cannot hold, and where they stand.
#include "common/unmappable.h"

#include <gtest/gtest.h>

namespace {

TEST(CharacterName, VisibleCharactersShowThemselvesInvisibleOnesOnlyTheirCode) {
    const std::pair<const char*, const char*> cases[] = {
        {"🙂", "「🙂」（U+1F642）"},
        {"\u2212", "「\u2212」（U+2212）"},  // looks like the full-width minus it is not
        {"\u00A0", "U+00A0（見えない文字）"},
        {"\u200B", "U+200B（見えない文字）"},
        {"\u202E", "U+202E（見えない文字）"},
        {"\uFEFF", "U+FEFF（見えない文字）"},
        {"\uFE0F", "U+FE0F（見えない文字）"},
        {"\u0301", "U+0301（見えない文字）"},  // a combining accent alone
        {"\x01", "U+0001（見えない文字）"},
        {"\xF3\xA0\x80\x81", "U+E0001（見えない文字）"},
    };
    for (const auto& [ch, name] : cases) EXPECT_EQ(common::characterName(ch), name) << name;
}

TEST(UnmappableFinder, NamesTenThenCountsTheRestAndAsksForPlacesOnlyWhenNeeded) {
    common::UnmappableFinder f;
    int asked = 0;
    f.text("路線①～㎜ ＼髙", [&] {
        ++asked;
        return std::string("ok");
    });
    EXPECT_FALSE(f.any());
    EXPECT_EQ(asked, 0);

    common::Table t(20, 2);
    t.setText(0, 2, "名称");
    for (int r = 1; r <= 12; ++r) t.setText(r, 2, "x🙂🙂y");  // counted once per cell
    t.setText(5, 1, "\u00A0");
    f.table("表", t, 2);
    ASSERT_EQ(f.found().size(), 10u);
    EXPECT_EQ(f.found()[4].place, "表 5 行目「」");
    EXPECT_EQ(f.found()[5].place, "表 5 行目「名称」");
    const std::string m = f.message("保存してください。");
    EXPECT_EQ(m.substr(0, m.find("\r\n")),
              "Shift_JIS で保存できない文字が含まれています。次の文字を書き換えてから保存して"
              "ください。");
    EXPECT_NE(m.find("\r\n・U+00A0（見えない文字）：表 5 行目「」\r\n"), std::string::npos);
    EXPECT_TRUE(m.ends_with("\r\n・ほか 3 文字")) << m;
}

}  // namespace
