// Profile document: start-up values, heading routines and the tab-switch rules.
#include "kandoru/document.h"

#include "common/numtext.h"

namespace kandoru {

Document::Document() {
    allMidasi(*this);
    pipeCodeListMidasi(*this);
    for (int r = 1; r <= fgrid2.dataRows(); ++r) {
        fgrid2.setText(r, SplitCol::GroundMark, "0");
        fgrid2.setText(r, SplitCol::StartMark, "0");
        fgrid2.setText(r, SplitCol::EndMark, "0");
    }
}

int Document::groundMark(int r) const {
    return static_cast<int>(common::val(fgrid2.text(r, SplitCol::GroundMark)));
}

void Document::setGroundMark(int r, int mark) {
    fgrid2.setText(r, SplitCol::GroundMark, std::to_string(mark));
}

const std::string& Document::startMark(int r) const { return fgrid2.text(r, SplitCol::StartMark); }

void Document::setStartMark(int r, const std::string& mark) {
    fgrid2.setText(r, SplitCol::StartMark, mark);
}

const std::string& Document::endMark(int r) const { return fgrid2.text(r, SplitCol::EndMark); }

void Document::setEndMark(int r, const std::string& mark) {
    fgrid2.setText(r, SplitCol::EndMark, mark);
}

void Document::resyncMarks() {
    for (int r = 1; r <= fgrid2.dataRows(); ++r)
        for (int c : {SplitCol::GroundMark, SplitCol::StartMark, SplitCol::EndMark})
            if (fgrid2.text(r, c).empty()) fgrid2.setText(r, c, "0");
}

void Document::setCurrentTab(int tab, common::Ui& ui) {
    if (tab < kTabSettings || tab > kTabCad) return;
    if (tab != currentTab_) {
        currentTab_ = tab;
        tabSwitchRules(*this);
    }
    ui.showTab(tab);
}

namespace {
void heading(common::Table& t, const std::vector<std::string>& h, bool clear) {
    if (clear) t.clearAll();
    t.setHeadings(h);
    t.relabel();
}
}  // namespace

void FGrid1midasi(Document& doc) {
    heading(doc.fgrid1, {"路線番号", "路線長m", "分割数", "地盤高m"}, false);
}
void FGrid2midasi(Document& doc) {
    heading(doc.fgrid2,
            {"路線番号", "分割長m", "地盤高m", "管記号", "勾配 ‰", "起点管底高", "終点管底高",
             "起点土被", "終点土被", "", "", ""},
            false);
}
void FGrid3midasi(Document& doc) {
    heading(
        doc.fgrid3,
        {"路線番号", "人孔番号", "人孔種別", "副管径mm", "管落差m", "上掘削", "下掘削", "人孔深"},
        true);
}
void FGrid4midasi(Document& doc) {
    heading(doc.fgrid4, {"路線番号", "距離m", "地盤高m", "土被りm"}, true);
}
void FGrid5midasi(Document& doc) { heading(doc.fgrid5, {"路線番号", "追加距離", "地盤高"}, true); }
void FGrid6midasi(Document& doc) {
    heading(doc.fgrid6,
            {"路線番号", "分割長m", "追加距離m", "地盤高m", "管記号", "勾配 ‰", "起点管底高",
             "終点管底高", "起点土被", "終点土被", "計画土被", "", "", ""},
            true);
}
void FGrid7midasi(Document& doc) {
    heading(doc.fgrid7, {"路線番号", "分割長", "追加距離", "地盤高"}, true);
}
void FGrid8midasi(Document& doc) {
    heading(doc.fgrid8, {"路線番号", "分割長", "追加距離", "地盤高", "勾　配", "管底高", "土被り"},
            true);
}
void pipeCodeListMidasi(Document& doc) {
    doc.pipeCodes.clearAll();
    doc.pipeCodes.setText(0, kPipeCodeCol, "管記号");
}

void allMidasi(Document& doc) {
    FGrid1midasi(doc);
    FGrid2midasi(doc);
    FGrid3midasi(doc);
    FGrid4midasi(doc);
    FGrid5midasi(doc);
    FGrid6midasi(doc);
    FGrid7midasi(doc);
    FGrid8midasi(doc);
}

void tabSwitchRules(Document& doc) {
    auto& routes = doc.fgrid1;
    const auto& s = doc.settings;
    if (s.outletRoute != doc.rememberedOutletRoute) {
        for (int r = 1; r <= routes.dataRows() && !routes.text(r, RouteCol::Route).empty(); ++r)
            if (routes.text(r, RouteCol::Route) == doc.rememberedOutletRoute)
                routes.setText(r, RouteCol::Route, s.outletRoute);
    }
    // A blank field is not a level: it rewrites nothing and the last real level stays
    // remembered, so the next value reaches the rows that carried it. Rows are renamed only
    // from a level the outlet actually had: with none, every route standing at 0.000 would
    // silently take the new outlet level.
    const bool groundBlank = s.outletGround.find_first_not_of(' ') == std::string::npos;
    if (!groundBlank && s.outletGround != doc.rememberedOutletGround &&
        !doc.rememberedOutletGround.empty()) {
        std::string old = common::mask3(doc.rememberedOutletGround);
        std::string now = common::mask3(s.outletGround);
        for (int r = 1; r <= routes.dataRows() && !routes.text(r, RouteCol::Ground).empty(); ++r)
            if (routes.text(r, RouteCol::Ground) == old) routes.setText(r, RouteCol::Ground, now);
    }
    doc.rememberedOutletRoute = s.outletRoute;
    if (!groundBlank) doc.rememberedOutletGround = s.outletGround;
    // The mark columns and the marks are the same cells; make sure none is blank.
    doc.resyncMarks();
}

}  // namespace kandoru
