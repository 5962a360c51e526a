// Format document: start values, item kinds, sheet sizes, headings and commit rules.
#include "shoveda/format/document.h"

#include "common/numtext.h"
#include "shoveda/format/osb_file.h"

namespace shoveda {

std::optional<SheetSize> sheetSize(std::string_view standard) {
    if (standard == "A0") return SheetSize{"1189", "841"};
    if (standard == "A1") return SheetSize{"841", "594"};
    if (standard == "A2") return SheetSize{"594", "420"};
    if (standard == "A3") return SheetSize{"420", "297"};
    if (standard == "B0") return SheetSize{"1456", "1030"};
    if (standard == "B1") return SheetSize{"1030", "728"};
    return std::nullopt;
}

FormatDocument::FormatDocument() {
    FGrid9midasi(*this);
    FGrid10midasi(*this);
    FGrid11midasi(*this);
    // The sizes of A1 are set directly, as the list's own choice would set them.
    setItem(FormatItem::SheetStandard, "A1");
    setItem(FormatItem::SheetWidthMm, "841");
    setItem(FormatItem::SheetHeightMm, "594");
    // Band rows 1 to 8 in the order of the items.
    for (size_t i = 0; i < common::kBandRowItems.size(); ++i)
        setItem(common::kBandRowItems[i], std::to_string(i + 1));
    setFlag(FormatItem::ArrowOn, true);
    setFlag(FormatItem::RouteMarkCircle, true);
}

const std::string& FormatDocument::item(FormatItem item) const {
    static const std::string empty;
    if (common::formatItemKind(item) != common::FormatItemKind::Text) return empty;
    return format.text(item);
}

void FormatDocument::setItem(FormatItem item, std::string text) {
    if (common::formatItemKind(item) != common::FormatItemKind::Text) return;
    format.setText(item, std::move(text));
}

void FormatDocument::clearContents() { format.clear(); }

void FormatDocument::chooseSheet(const std::string& standard) {
    setItem(FormatItem::SheetStandard, standard);
    if (auto size = sheetSize(standard)) {
        setItem(FormatItem::SheetWidthMm, size->width);
        setItem(FormatItem::SheetHeightMm, size->height);
    }
}

void FormatDocument::markSaved(std::vector<std::string> lines) {
    saved_ = true;
    savedLines_ = std::move(lines);
}

bool FormatDocument::changedSinceSave() const { return !saved_ || osbLines(*this) != savedLines_; }

void FGrid9midasi(FormatDocument& doc) {
    doc.format.circular.setHeadings({"コード名", "直径ｍ", "管厚ｍ", "掘削高ｍ"});
    doc.format.circular.relabel();
}

void FGrid10midasi(FormatDocument& doc) {
    doc.format.box.setHeadings({"コード名", "高さｍ", "頂版ｍ", "底版ｍ", "掘削高ｍ"});
    doc.format.box.relabel();
}

void FGrid11midasi(FormatDocument& doc) {
    doc.format.manholeTypes.setHeadings({"名    称", "中間点の最大管径mm"}, "種別番号");
    doc.format.manholeTypes.relabel();
}

void commitCircular(FormatDocument& doc, int row, int col, const std::string& text) {
    doc.format.circular.setText(row, col,
                                col == common::CircularCol::Code ? text : common::mask3(text));
}

void commitBox(FormatDocument& doc, int row, int col, const std::string& text) {
    doc.format.box.setText(row, col, col == common::BoxCol::Code ? text : common::mask3(text));
}

void commitManholeType(FormatDocument& doc, int row, int col, const std::string& text) {
    const bool name = col == common::ManholeTypeCol::Name;
    doc.format.manholeTypes.setText(row, col,
                                    name ? text : common::formatGeneral(common::val(text)));
}

}  // namespace shoveda
