// Format document: start values, item kinds, sheet sizes, headings and commit rules.
#include "shoveda/format/document.h"

#include "common/numtext.h"
#include "shoveda/format/osb_file.h"

namespace shoveda {

ItemKind itemKind(int n) {
    if (n >= kItemArrowOn && n <= kItemMarkNone) return ItemKind::Choice;
    if (n >= kItemFirstCheck && n <= kItemLastCheck) return ItemKind::Check;
    if (n >= kItemFirstReserved) return ItemKind::Reserved;
    return ItemKind::Text;
}

std::vector<int> choiceGroup(int n) {
    if (n == kItemArrowOn || n == kItemArrowOff) return {kItemArrowOn, kItemArrowOff};
    if (n >= kItemMarkCircle && n <= kItemMarkNone)
        return {kItemMarkCircle, kItemMarkRectangle, kItemMarkNone};
    return {};
}

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
    setItem(kItemSheet, "A1");
    setItem(kItemSheetWidth, "841");
    setItem(kItemSheetHeight, "594");
    for (int n = kItemFirstRank; n <= kItemLastRank; ++n)
        setItem(n, std::to_string(n - kItemFirstRank + 1));
    setFlag(kItemArrowOn, true);
    setFlag(kItemMarkCircle, true);
}

const std::string& FormatDocument::item(int n) const {
    static const std::string empty;
    if (itemKind(n) != ItemKind::Text || n < 1) return empty;
    return texts_[static_cast<size_t>(n)];
}

void FormatDocument::setItem(int n, std::string text) {
    if (n < 1 || itemKind(n) != ItemKind::Text) return;
    texts_[static_cast<size_t>(n)] = std::move(text);
}

bool FormatDocument::flag(int n) const {
    ItemKind k = itemKind(n);
    if (k != ItemKind::Choice && k != ItemKind::Check) return false;
    return flags_[static_cast<size_t>(n)];
}

void FormatDocument::setFlag(int n, bool on) {
    ItemKind k = itemKind(n);
    if (k != ItemKind::Choice && k != ItemKind::Check) return;
    if (k == ItemKind::Choice && on)
        for (int other : choiceGroup(n)) flags_[static_cast<size_t>(other)] = false;
    flags_[static_cast<size_t>(n)] = on;
}

void FormatDocument::clearContents() {
    for (common::Table* t : {&fgrid9, &fgrid10, &fgrid11})
        for (int r = 1; r <= t->dataRows(); ++r)
            for (int c = 1; c <= t->dataCols(); ++c) t->setText(r, c, "");
    for (auto& s : texts_) s.clear();
    flags_.fill(false);
}

void FormatDocument::chooseSheet(const std::string& standard) {
    setItem(kItemSheet, standard);
    if (auto size = sheetSize(standard)) {
        setItem(kItemSheetWidth, size->width);
        setItem(kItemSheetHeight, size->height);
    }
}

void FormatDocument::markSaved(std::vector<std::string> lines) {
    saved_ = true;
    savedLines_ = std::move(lines);
}

bool FormatDocument::changedSinceSave() const { return !saved_ || osbLines(*this) != savedLines_; }

void FGrid9midasi(FormatDocument& doc) {
    doc.fgrid9.setHeadings({"コード名", "直径ｍ", "管厚ｍ", "掘削高ｍ"});
    doc.fgrid9.relabel();
}

void FGrid10midasi(FormatDocument& doc) {
    doc.fgrid10.setHeadings({"コード名", "高さｍ", "頂版ｍ", "底版ｍ", "掘削高ｍ"});
    doc.fgrid10.relabel();
}

void FGrid11midasi(FormatDocument& doc) {
    doc.fgrid11.setHeadings({"名    称", "中間点の最大管径mm"}, "種別番号");
    doc.fgrid11.relabel();
}

void commitCircular(FormatDocument& doc, int row, int col, const std::string& text) {
    doc.fgrid9.setText(row, col, col == 1 ? text : common::mask3(text));
}

void commitBox(FormatDocument& doc, int row, int col, const std::string& text) {
    doc.fgrid10.setText(row, col, col == 1 ? text : common::mask3(text));
}

void commitManholeType(FormatDocument& doc, int row, int col, const std::string& text) {
    doc.fgrid11.setText(row, col, col == 1 ? text : common::formatGeneral(common::val(text)));
}

}  // namespace shoveda
