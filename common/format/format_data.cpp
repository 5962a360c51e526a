// The format data: items by name, number and place; on/off texts of choices and checks.
#include "common/format/format_data.h"

#include "common/numtext.h"
#include "common/records.h"

namespace common {

FormatData::FormatData() {
    for (Table* t : {&circular, &box, &manholeTypes}) t->relabel();
}

const std::string& FormatData::item_(int n) const {
    static const std::string empty;
    if (n < 1 || n > kFormatItemCount) return empty;
    return items_[static_cast<size_t>(n - 1)];
}

void FormatData::setItem(int n, std::string text) {
    if (n < 1 || n > kFormatItemCount) return;
    items_[static_cast<size_t>(n - 1)] = std::move(text);
}

double FormatData::number(FormatItem item) const { return val(text(item)); }

double FormatData::number(int g, int k) const { return val(value(g, k)); }

bool FormatData::isOn(FormatItem item) const {
    switch (formatItemKind(item)) {
        case FormatItemKind::Choice:
            return text(item) == "#TRUE#";
        case FormatItemKind::Check:
            return wholeNumberField(text(item)).value_or(0) != 0;
        default:
            return false;
    }
}

void FormatData::setOn(FormatItem item, bool on) {
    const FormatItemKind kind = formatItemKind(item);
    if (kind != FormatItemKind::Choice && kind != FormatItemKind::Check) return;
    if (kind == FormatItemKind::Choice && on) {
        auto clearGroup = [this](const auto& group) {
            for (FormatItem other : group) setText(other, onOffText(FormatItemKind::Choice, false));
        };
        if (item <= FormatItem::ArrowOff)
            clearGroup(kArrowChoices);
        else
            clearGroup(kRouteMarkChoices);
    }
    setText(item, onOffText(kind, on));
}

void FormatData::clear() {
    for (Table* t : {&circular, &box, &manholeTypes})
        for (int r = 1; r <= t->dataRows(); ++r)
            for (int c = 1; c <= t->dataCols(); ++c) t->setText(r, c, "");
    for (auto& s : items_) s.clear();
}

std::string onOffText(FormatItemKind kind, bool on) {
    if (kind == FormatItemKind::Choice) return on ? "#TRUE#" : "#FALSE#";
    return on ? "1" : "0";
}

}  // namespace common
