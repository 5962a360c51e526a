// The design summary read from the split and manhole tables.
#include "kandoru/calc/design_summary.h"

#include "common/numtext.h"

namespace kandoru {

DesignSummary summarizeDesign(const Document& doc) {
    DesignSummary s;
    const auto& routes = doc.fgrid1;
    for (int r = 1; r <= routes.dataRows() && !routes.text(r, RouteCol::Route).empty(); ++r)
        ++s.routes;
    const auto& split = doc.fgrid2;
    for (int r = 1; r <= split.dataRows(); ++r) {
        const std::string& label = split.text(r, SplitCol::Label);
        if (label.empty()) break;
        if (label == doc.settings.outletRoute) continue;  // no pipe of its own
        ++s.spans;
        for (int c : {SplitCol::StartCover, SplitCol::EndCover}) {
            const std::string& t = split.text(r, c);
            if (!common::hasNumber(t)) continue;
            const double v = common::val(t);
            if (!s.lowestCover || v < s.lowestCover->value)
                s.lowestCover =
                    DesignExtreme{v, t, label + (c == SplitCol::StartCover ? " 起点" : " 終点")};
        }
    }
    const auto& mh = doc.fgrid3;
    for (int r = 1; r <= mh.dataRows() && !mh.text(r, ManholeCol::Label).empty(); ++r) {
        const std::string& t = mh.text(r, ManholeCol::Depth);
        if (!common::hasNumber(t)) continue;
        const double v = common::val(t);
        const std::string& number = mh.text(r, ManholeCol::Number);
        if (!s.deepestManhole || v > s.deepestManhole->value)
            s.deepestManhole =
                DesignExtreme{v, t, number.empty() ? mh.text(r, ManholeCol::Label) : number};
    }
    return s;
}

std::vector<std::string> summaryLines(const DesignSummary& s) {
    auto extreme = [](const char* caption, const std::optional<DesignExtreme>& e) {
        std::string line = caption;
        return e ? line + e->text + " m (" + e->where + ")" : line + "-";
    };
    return {"路線数: " + std::to_string(s.routes), "スパン数: " + std::to_string(s.spans),
            extreme("最小土被り: ", s.lowestCover), extreme("最大人孔深: ", s.deepestManhole)};
}

}  // namespace kandoru
