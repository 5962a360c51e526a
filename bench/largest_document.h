// The largest profile document the tables hold: 199 routes and the outlet (200 route
// rows), 800 split rows and 200 ground change points, which fill the merged work tables.
#pragma once

#include <string>

#include "common/numtext.h"
#include "common/ui.h"
#include "kandoru/document.h"

namespace bench_support {

class QuietUi : public common::Ui {
public:
    int messages = 0;
    void message(common::Icon, const std::string&, const std::string&) override { ++messages; }
    bool ask(const std::string&, const std::string&, common::Icon) override { return true; }
    std::optional<std::filesystem::path> openFileName(const std::string&, const std::string&,
                                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> saveFileName(const std::string&,
                                                      const std::string&) override {
        return std::nullopt;
    }
    void showTab(int) override {}
    bool startProgram(const std::string&) override { return false; }
    void beep() override {}
    void setClipboard(const std::string&) override {}
};

inline std::string mm(double metres) { return common::formatMask(metres, 3); }

// Routes of 40 m in four 10 m splits (three of them in five 8 m splits), the ground
// falling 0.1 m per route with a dip at each route's change point, φ250 pipes at 5 ‰.
inline kandoru::Document largestDocument() {
    kandoru::Document doc;
    auto& s = doc.settings;
    s.outletRoute = "200";
    s.outletGround = "10.000";
    s.minCover = "1.2";
    s.manholeDrop = "20";
    s.hinterland = "0";
    // The pipe of the example format file examples/standard.osb.
    doc.format.circular.setText(1, 1, "φ250");
    doc.format.circular.setText(1, 2, "0.250");
    doc.format.circular.setText(1, 3, "0.028");
    doc.format.circular.setText(1, 4, "0.100");
    doc.formatLoaded = true;
    int splitRow = 0;
    int changePoint = 0;
    for (int r = 1; r <= 199; ++r) {
        const std::string route = std::to_string(r);
        const int splits = r <= 3 ? 5 : 4;
        const double ground = 30.0 - 0.1 * r;
        doc.fgrid1.setText(r, 1, route);
        doc.fgrid1.setText(r, 2, "40.000");
        doc.fgrid1.setText(r, 3, std::to_string(splits));
        doc.fgrid1.setText(r, 4, mm(ground));
        for (int k = 0; k < splits; ++k) {
            ++splitRow;
            doc.fgrid2.setText(splitRow, 1, k == 0 ? route : route + "-" + std::to_string(k));
            doc.fgrid2.setText(splitRow, 2, splits == 5 ? "8.000" : "10.000");
            doc.fgrid2.setText(splitRow, 4, "φ250");
            doc.fgrid2.setText(splitRow, 5, "5.000");
        }
        const int points = r == 1 ? 2 : 1;
        for (int p = 0; p < points; ++p) {
            ++changePoint;
            doc.fgrid4.setText(changePoint, 1, route);
            doc.fgrid4.setText(changePoint, 2, p == 0 ? "15.000" : "33.000");
            doc.fgrid4.setText(changePoint, 3, mm(ground - 0.35));
            doc.fgrid4.setText(changePoint, 4, "1.000");
        }
    }
    doc.fgrid1.setText(200, 1, "200");
    doc.fgrid1.setText(200, 3, "1");
    doc.fgrid1.setText(200, 4, "10.000");
    return doc;
}

}  // namespace bench_support
