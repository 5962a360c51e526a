// The places of the format document's text items in the window.
#include "shoveda/format/item_places.h"

#include <array>

namespace shoveda {
namespace {

constexpr const char* kTab1 = "作図設定１ ";
constexpr const char* kTab2 = "作図設定２ ";
constexpr const char* kManholeTab = "人孔・副管ﾃﾞｰﾀ 副管設置設定 ";

// Items 1-61 in order, then item 72, each after its tab's name.
struct Place {
    const char* tab;
    const char* caption;
};
constexpr std::array<Place, 62> kPlaces{{
    {kManholeTab, "本管径 1"},
    {kManholeTab, "副管径 1"},
    {kManholeTab, "本管径 2"},
    {kManholeTab, "副管径 2"},
    {kManholeTab, "本管径 3"},
    {kManholeTab, "副管径 3"},
    {kManholeTab, "副管径 4"},
    {kManholeTab, "副管設置基準落差"},
    {kTab1, "用紙 規格"},
    {kTab1, "用紙 幅"},
    {kTab1, "用紙 高"},
    {kTab1, "帯の上端からＤＬまで"},
    {kTab1, "帯高さ 1"},
    {kTab1, "帯の間隔"},
    {kTab1, "帯高さ 2"},
    {kTab1, "段数 1"},
    {kTab1, "段数 2"},
    {kTab1, "見出しの幅 1"},
    {kTab1, "見出しの幅 2"},
    {kTab1, "見出しの幅 3"},
    {kTab1, "標高スケールの寸法 1"},
    {kTab1, "標高スケールの寸法 2"},
    {kTab1, "標高スケールの寸法 3"},
    {kTab1, "標高スケールの寸法 4"},
    {kTab1, "標高スケール 大目盛間隔"},
    {kTab1, "標高スケール 小目盛間隔"},
    {kTab1, "縮尺 水平"},
    {kTab1, "縮尺 鉛直"},
    {kTab1, "帯項目 管径"},
    {kTab1, "帯項目 勾配"},
    {kTab1, "帯項目 区間距離"},
    {kTab1, "帯項目 地盤高"},
    {kTab1, "帯項目 土被"},
    {kTab1, "帯項目 管底高"},
    {kTab1, "帯項目 掘削深"},
    {kTab1, "帯項目 追加距離"},
    {kTab1, "文字の設定 項目 高さ"},
    {kTab1, "文字の設定 項目 縦横比"},
    {kTab1, "文字の設定 帯数値 高さ"},
    {kTab1, "文字の設定 帯数値 縦横比"},
    {kTab1, "文字の設定 標高 高さ"},
    {kTab1, "文字の設定 標高 縦横比"},
    {kTab1, "文字の設定 縮尺 高さ"},
    {kTab1, "文字の設定 縮尺 縦横比"},
    {kTab1, "文字の設定 旗上げ 高さ"},
    {kTab1, "文字の設定 旗上げ 縦横比"},
    {kTab2, "旗上げ 表示高"},
    {kTab2, "旗上げ 角度"},
    {kTab1, "作図ﾚｲﾔｰ名 帯線"},
    {kTab1, "作図ﾚｲﾔｰ名 文字"},
    {kTab1, "作図ﾚｲﾔｰ名 計画管渠"},
    {kTab1, "作図ﾚｲﾔｰ名 地盤線"},
    {kTab1, "作図ﾚｲﾔｰ名 枠線"},
    {kTab2, "最下流地点の地盤とＤＬの高低差"},
    {kTab2, "旗上げ 長さ"},
    {kTab2, "路線番号 幅"},
    {kTab2, "路線番号 高さ"},
    {kTab2, "用紙左端から帯左端までの離れ"},
    {kTab2, "最上流地盤と旗上げの離れ"},
    {kTab2, "図面外枠線 図面端からの離れ"},
    {kTab2, "図面内枠線 図面端からの離れ"},
    {kTab2, "用紙下端から帯下端までの離れ"},
}};

}  // namespace

std::string itemPlace(int n) {
    const int last = common::itemNumber(FormatItem::InnerFrameMarginMm);
    const Place* p = nullptr;
    if (n >= 1 && n <= last)
        p = &kPlaces[static_cast<size_t>(n - 1)];
    else if (n == common::itemNumber(FormatItem::BandBottomMm))
        p = &kPlaces.back();
    if (!p) return "設定 " + std::to_string(n);
    return std::string(p->tab) + p->caption;
}

common::UnmappableFinder unmappableText(const FormatDocument& doc) {
    common::UnmappableFinder f;
    f.table("円形断面", doc.format.circular, doc.format.circular.dataCols());
    f.table("暗渠(BOX)断面", doc.format.box, doc.format.box.dataCols());
    f.table("人孔種別", doc.format.manholeTypes, doc.format.manholeTypes.dataCols());
    for (int n = 1; n <= common::kFormatItemCount; ++n)
        if (common::formatItemKind(n) == common::FormatItemKind::Text)
            f.text(doc.item(n), [n] { return itemPlace(n); });
    return f;
}

}  // namespace shoveda
