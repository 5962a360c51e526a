// Hand-off lines from tables, and the sample profile and format used by the tests.
#include "fixtures.h"

#include <gtest/gtest.h>

#include "common/numtext.h"
#include "common/records.h"
#include "zumenko/intake.h"

namespace zumenko_test {
namespace {

void tableLines(std::vector<std::string>& out, const common::Table& t, int cols,
                int emptyExtra = 0) {
    for (int r = 1; r <= t.dataRows(); ++r) {
        common::RecordWriter w;
        w.integer(r);
        for (int c = 1; c <= cols; ++c) w.text(t.text(r, c));
        for (int i = 0; i < emptyExtra; ++i) w.text("");
        out.push_back(w.str());
    }
}

void oneTextLines(std::vector<std::string>& out, const common::Table& t) {
    for (int r = 1; r <= t.dataRows(); ++r)
        for (int c = 1; c <= t.dataCols(); ++c)
            out.push_back(common::RecordWriter().text(t.text(r, c)).str());
}

std::string texts(const std::vector<std::string>& v) {
    common::RecordWriter w;
    for (auto& s : v) w.text(s);
    return w.str();
}

}  // namespace

void setRow(common::Table& t, int r, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) t.setText(r, static_cast<int>(i) + 1, cells[i]);
}

std::vector<std::string> handoffLines(const zumenko::Drawing& doc) {
    std::vector<std::string> out;
    out.reserve(zumenko::kHandoffLines);
    tableLines(out, doc.routes, 4);
    tableLines(out, doc.split, 9, 4);
    tableLines(out, doc.changePoints, 4);
    tableLines(out, doc.manholes, 8);
    tableLines(out, doc.fgrid7, 4);
    tableLines(out, doc.fgrid8, 7);
    tableLines(out, doc.fgrid5, 3);
    oneTextLines(out, doc.format.circular);
    oneTextLines(out, doc.format.box);
    oneTextLines(out, doc.format.manholeTypes);
    const auto& s = doc.settings;
    out.push_back(texts({s.projectName, s.formatField, s.outletRoute, s.outletGround,
                         s.outletManholeType, s.hinterland}));
    out.push_back(texts({s.minCover, s.manholeDrop}));
    out.push_back(common::RecordWriter()
                      .boolean(s.manning)
                      .boolean(s.kutter)
                      .boolean(s.minCoverMethod)
                      .boolean(s.crownJoint)
                      .str());
    out.push_back(texts({s.digits.begin(), s.digits.end()}));
    out.push_back(texts({"dammy", "dammy", "dammy", "mirai"}));
    for (int g = 1; g <= 14; ++g) {
        std::vector<std::string> v;
        for (int k = 1; k <= common::kFormatLineSizes[static_cast<size_t>(g - 1)]; ++k)
            v.push_back(doc.format.value(g, k));
        out.push_back(texts(v));
    }
    return out;
}

void setSampleFormat(zumenko::Drawing& doc) {
    const std::vector<std::vector<std::string>> lines{
        {"200", "150", "300"},
        {"200", "400", "250"},
        {"300", "600"},
        {"A1", "841", "594", "10", "10", "0", "8"},
        {"3", "5", "25", "10", "15", "5", "20"},
        {"10", "5", "1", "0.5", "500", "100"},
        {"1", "2", "3", "4", "5", "6", "7", "8"},
        {"5", "1", "3", "1", "3", "1", "4", "1"},
        {"3", "1", "120", "60", "帯線", "文字", "計画管", "地盤線", "枠線"},
        {"20", "15", "10", "6", "20", "10", "10", "15"},
        {"#TRUE#", "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#"},
        {"0", "0", "0", "1", "1"},
        {"20", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy"},
        {"dummy", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy", "dummy"},
    };
    for (size_t g = 0; g < lines.size(); ++g)
        for (size_t k = 0; k < lines[g].size(); ++k)
            doc.format.setValue(static_cast<int>(g) + 1, static_cast<int>(k) + 1, lines[g][k]);
}

void setSampleProfile(zumenko::Drawing& doc) {
    auto& s = doc.settings;
    s.projectName = "テスト地区　汚水縦断図";
    s.formatField = "標準.osb";
    s.outletRoute = "3";
    s.outletGround = "11.000";
    s.outletManholeType = "2号";
    s.minCover = "1.200";
    s.manholeDrop = "20";
    s.manning = true;
    s.minCoverMethod = true;
    s.crownJoint = true;

    setRow(doc.routes, 1, {"1", "30.000", "2", "10.000"});
    setRow(doc.routes, 2, {"2", "20.000", "1", "10.500"});
    setRow(doc.routes, 3, {"3", "", "1", "11.000"});
    setRow(doc.changePoints, 1, {"1", "20.000", "12.000", "1.200"});

    setRow(doc.split, 1,
           {"1", "15.000", "10.000", "VU200", "5.0", "8.500", "8.425", "1.276", "1.325"});
    setRow(doc.split, 2,
           {"1-1", "15.000", "10.800", "VU200", "5.0", "8.405", "8.330", "2.170", "1.958"});
    setRow(doc.split, 3,
           {"2", "20.000", "10.500", "HP250", "4.0", "8.300", "8.220", "1.950", "2.280"});
    setRow(doc.split, 4, {"3", "", "11.000"});

    setRow(doc.manholes, 1, {"1", "No.1", "1号", "", "", "1.622", "1.711", "1.500"});
    setRow(doc.manholes, 2, {"1-1", "No.2", "1号", "150", "0.650", "2.537", "2.610", "2.395"});
    setRow(doc.manholes, 3, {"2", "No.3", "2号", "", "", "2.342", "2.422", "2.200"});
    setRow(doc.manholes, 4, {"3", "No.4", "2号", "", "", "", "", "2.780"});

    setRow(doc.fgrid7, 1, {"1", "15.000", "0.000", "10.000"});
    setRow(doc.fgrid7, 2, {"1-1", "15.000", "15.000", "10.800"});
    setRow(doc.fgrid7, 3, {"2", "20.000", "30.000", "10.500"});
    setRow(doc.fgrid7, 4, {"3", "", "50.000", "11.000"});

    setRow(doc.fgrid8, 1, {"1", "20.000", "0.000", "10.000", "", "", ""});
    setRow(doc.fgrid8, 2, {"1変", "10.000", "20.000", "12.000", "10.000", "", "1.200"});
    setRow(doc.fgrid8, 3, {"2", "20.000", "30.000", "10.500", "-15.000", "", ""});
    setRow(doc.fgrid8, 4, {"3", "", "50.000", "11.000", "2.500", "", ""});

    setRow(doc.fgrid5, 1, {"1", "0.000", "10.000"});
    setRow(doc.fgrid5, 2, {"1-1", "15.000", "10.800"});
    setRow(doc.fgrid5, 3, {"1変", "20.000", "12.000"});
    setRow(doc.fgrid5, 4, {"2", "30.000", "10.500"});
    setRow(doc.fgrid5, 5, {"3", "50.000", "11.000"});

    setRow(doc.format.circular, 1, {"VU200", "0.200", "0.010", "0.250"});
    setRow(doc.format.circular, 2, {"HP*", "0.300", "0.030", "0.400"});
    setRow(doc.format.circular, 3, {"HP25#", "0.250", "0.028", "0.350"});
    setRow(doc.format.box, 1, {"BOX1000", "1.000", "0.200", "0.250", "1.500"});
    setRow(doc.format.manholeTypes, 1, {"1号", "600"});
    setRow(doc.format.manholeTypes, 2, {"2号", "900"});
}

void setLongProfile(zumenko::Drawing& doc, int n) {
    doc.settings.projectName = "長い路線";
    doc.settings.outletRoute = "R" + std::to_string(n);
    for (int r = 1; r <= n; ++r) {
        const bool outlet = r == n;
        const std::string label = "R" + std::to_string(r);
        const float d = 12.5f * static_cast<float>(r - 1);
        const std::string ground = common::formatMask(20.0f - 0.01f * static_cast<float>(r), 3);
        const std::string start = common::formatMask(18.0f - 0.02f * static_cast<float>(r), 3);
        const std::string end = common::formatMask(17.975f - 0.02f * static_cast<float>(r), 3);
        const std::string len = outlet ? "" : "12.500";
        setRow(doc.split, r,
               {label, len, ground, outlet ? "" : "VU200", outlet ? "" : "2.0", outlet ? "" : start,
                outlet ? "" : end, outlet ? "" : "1.500", outlet ? "" : "1.520"});
        setRow(doc.manholes, r,
               {label, "No." + std::to_string(r), "1号", r % 7 == 0 ? "150" : "",
                r % 7 == 0 ? "0.700" : "", "1.800", "1.820", "1.900"});
        setRow(doc.fgrid7, r, {label, len, common::formatMask(d, 3), ground});
        setRow(doc.fgrid5, r, {label, common::formatMask(d, 3), ground});
        if (r <= 200) {
            setRow(doc.routes, r, {label, len, "1", ground});
            setRow(doc.fgrid8, r, {label, len, common::formatMask(d, 3), ground, "0.080", "", ""});
        }
    }
    setRow(doc.format.circular, 1, {"VU*", "0.200", "0.010", "0.250"});
}

zumenko::Drawing sampleDrawing() {
    zumenko::Drawing src;
    setSampleFormat(src);
    setSampleProfile(src);
    zumenko::Drawing doc;
    std::string error;
    if (!zumenko::readHandoffLines(handoffLines(src), doc, &error)) ADD_FAILURE() << error;
    return doc;
}

}  // namespace zumenko_test
