// The table dump of gesui calc --tables.
#include "kandoru/files/table_dump.h"

namespace kandoru {

std::string dumpTables(const Document& doc) {
    const common::Table* tables[] = {&doc.fgrid1, &doc.fgrid2, &doc.fgrid3, &doc.fgrid4,
                                     &doc.fgrid5, &doc.fgrid6, &doc.fgrid7, &doc.fgrid8};
    std::string out;
    for (int n = 1; n <= 8; ++n) {
        const common::Table& t = *tables[n - 1];
        const std::string name = "FGrid" + std::to_string(n);
        for (int r = 1; r <= t.dataRows(); ++r) {
            if (!t.rowHasText(r)) continue;
            out += name;
            out += '\t';
            out += std::to_string(r);
            for (int c = 1; c <= t.dataCols(); ++c) {
                out += '\t';
                out += t.text(r, c);
            }
            out += '\n';
        }
    }
    return out;
}

}  // namespace kandoru
