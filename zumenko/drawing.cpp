// The drawing document's tables and the positional drawing format record.
#include "zumenko/drawing.h"

#include "common/numtext.h"

namespace zumenko {

int FormatRecord::itemNumber(int g, int k) {
    if (g < 1 || g > static_cast<int>(kLineSizes.size())) return 0;
    if (k < 1 || k > kLineSizes[static_cast<size_t>(g - 1)]) return 0;
    int n = 0;
    for (int i = 0; i < g - 1; ++i) n += kLineSizes[static_cast<size_t>(i)];
    return n + k;
}

const std::string& FormatRecord::value(int g, int k) const { return item(itemNumber(g, k)); }

double FormatRecord::number(int g, int k) const { return common::val(value(g, k)); }

void FormatRecord::setValue(int g, int k, std::string text) {
    setItem(itemNumber(g, k), std::move(text));
}

const std::string& FormatRecord::item(int n) const {
    static const std::string empty;
    if (n < 1 || n > kItems) return empty;
    return items_[static_cast<size_t>(n - 1)];
}

void FormatRecord::setItem(int n, std::string text) {
    if (n < 1 || n > kItems) return;
    items_[static_cast<size_t>(n - 1)] = std::move(text);
}

Drawing::Drawing() {
    for (common::Table* t :
         {&routes, &split, &changePoints, &manholes, &fgrid7, &fgrid8, &fgrid5, &circular, &box,
          &manholeTypes, &fgrid10, &fgrid11, &fgrid12, &fgrid13, &fgrid14})
        t->relabel();
}

}  // namespace zumenko
