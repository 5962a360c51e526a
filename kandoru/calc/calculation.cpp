// The calculation gate and the entry of the profile calculation.
#include "kandoru/calc/calculation.h"

#include "kandoru/calc/profile.h"
#include "kandoru/calc/split.h"

namespace kandoru {

void formatWarning(Document& doc, common::Ui& ui) {
    ui.message(common::Icon::Exclamation, kFormatWarningTitle, kFormatWarningText);
    doc.setCurrentTab(kTabSettings, ui);
}

bool calculationGate(Document& doc, common::Ui& ui) {
    if (!doc.formatLoaded) {
        formatWarning(doc, ui);
        return false;
    }
    if (doc.settings.minCover.empty()) {
        ui.message(common::Icon::Exclamation, "最小土被りエラー", "最小土被りが未入力です。");
        doc.setCurrentTab(kTabSettings, ui);
        return false;
    }
    if (doc.settings.manholeDrop.empty()) {
        ui.message(common::Icon::Exclamation, "人孔内の落差エラー", "人孔内の落差が未入力です。");
        doc.setCurrentTab(kTabSettings, ui);
        return false;
    }
    if (doc.settings.hinterland.empty()) doc.settings.hinterland = "0";
    return true;
}

void runCalculation(Document& doc, common::Ui& ui) {
    if (!calculationGate(doc, ui)) return;
    if (doc.fgrid2.text(1, SplitCol::Label) == doc.settings.outletRoute) return;
    // The main pass runs even when the split calculation stopped with a message, but not
    // on values too large for the tables.
    if (splitCalculation(doc, ui, SplitButton::Ground) == SplitOutcome::NonFinite) return;
    Judancalc(doc, ui);
    ++doc.calculationRuns;
}

}  // namespace kandoru
