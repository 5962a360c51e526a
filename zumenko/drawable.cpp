// The check of a drawing model against what a drawing can hold.
#include "zumenko/drawable.h"

#include "common/numtext.h"

namespace zumenko {

std::string undrawableValue(const Figure& figure) {
    for (const auto& name : figure.layers)
        if (!drawableLayerName(name)) return "画層名「" + name + "」";
    auto badPoint = [](Point p) -> std::string {
        for (double v : {p.x, p.y})
            if (!drawableNumber(v)) return "座標 " + common::formatGeneral(v);
        return {};
    };
    for (const auto& e : figure.elements) {
        std::string bad;
        if (const auto* s = std::get_if<Segment>(&e.shape)) {
            bad = badPoint(s->a);
            if (bad.empty()) bad = badPoint(s->b);
        } else if (const auto* t = std::get_if<Text>(&e.shape)) {
            bad = badPoint(t->at);
            if (bad.empty() && !drawableTextHeight(t->height))
                bad = "文字高さ " + common::formatGeneral(t->height);
            if (bad.empty() && !drawableNumber(t->angleDeg))
                bad = "回転角度 " + common::formatGeneral(t->angleDeg);
        }
        if (!bad.empty()) return bad;
    }
    return {};
}

}  // namespace zumenko
