// Row and table operations: the split table kept in step with the route table, copy-down,
// manhole numbering, types, drop pipes and the recolouring of fixed cells.
#include "kandoru/calc/row_ops.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/format/section_lookup.h"
#include "common/numtext.h"
#include "kandoru/calc/calculation.h"

namespace kandoru {

namespace {
constexpr int kSplitLastRow = 1000;
constexpr int kCountLimit = 100000;  // far beyond any table; keeps products in int range
constexpr const char* kSelectTitle = "行の選択";
constexpr const char* kDeleteSelect = "削除する行を選択して下さい    ";
constexpr const char* kInsertSelect = "追加する直後の行を選択して下さい    ";
constexpr const char* kDeleteTitle = "データの消去";
constexpr const char* kInsertTitle = "データの挿入";
constexpr const char* kCannotUndo = "\r\n\r\n消去すると元に戻すことは出来ません    ";
constexpr const char* kNotNumber = "数値でないデータがあるため、処理しなかった行があります。";

// The current row of a table counts as selected unless it is parked on the last row;
// without one the "行の選択" warning is shown.
bool selected(const common::Table& t, common::Ui& ui, const char* warning) {
    if (t.currentRow() < t.dataRows()) return true;
    ui.message(common::Icon::Exclamation, kSelectTitle, warning);
    return false;
}

void parkCurrentRow(common::Table& t) { t.setCurrentRow(t.dataRows()); }

// The inner size (m) of a section's row, when its cell holds a number.
std::optional<float> sectionSize(const common::SectionRow& at) {
    const std::string& text = at.table->text(at.row, at.heightCol);
    if (!common::hasNumber(text)) return std::nullopt;
    return common::valFloat(text);
}

// Split rows that take part in the manhole operations: down to the first row without
// split length, pipe code or gradient.
int lastComputedSplit(const common::Table& split) {
    int r = 0;
    while (r + 1 <= split.dataRows() && !split.text(r + 1, SplitCol::Length).empty() &&
           !split.text(r + 1, SplitCol::PipeCode).empty() &&
           !split.text(r + 1, SplitCol::Gradient).empty())
        ++r;
    return r;
}

}  // namespace

int wholeNumber(const std::string& text) {
    double v = common::val(text);
    if (std::isnan(v)) return 0;
    v = std::clamp(v, double(-kCountLimit), double(kCountLimit));
    return static_cast<int>(std::nearbyint(v));  // default rounding: halves to even
}

bool canInsertRows(const common::Table& t, int count, int lastCol) {
    if (count <= 0) return true;
    if (count > t.dataRows()) return false;
    for (int r = t.dataRows() - count + 1; r <= t.dataRows(); ++r)
        for (int c = 1; c <= lastCol; ++c)
            if (!t.text(r, c).empty()) return false;
    return true;
}

void insertRefused(common::Ui& ui) {
    ui.message(common::Icon::Exclamation, kInsertRefusedTitle, kInsertRefusedText);
}

bool isSplitOfRoute(const std::string& label, const std::string& route) {
    if (route.empty()) return false;
    if (label == route) return true;
    if (label.size() <= route.size() + 1 || label.compare(0, route.size(), route) != 0 ||
        label[route.size()] != '-')
        return false;
    return std::all_of(label.begin() + static_cast<long>(route.size()) + 1, label.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

bool adjustSplitRows(Document& doc, common::Ui& ui, const std::string& route, int oldCount,
                     int diff) {
    if (oldCount == 0) return true;
    auto& split = doc.fgrid2;
    const int last = split.dataRows();
    if (diff < 0) {
        int matches = 0;
        for (int l = 1; l <= last; ++l)
            if (!route.empty() && split.text(l, SplitCol::Label) == route) ++matches;
        if (!canInsertRows(split, matches * -diff, SplitCol::LastData)) {
            insertRefused(ui);
            return false;
        }
    }
    doc.reservedSplitRow.reset();
    if (diff < 0) {
        for (int l = 1; l <= last; ++l) {
            if (route.empty() || split.text(l, SplitCol::Label) != route) continue;
            for (int k = 0; k < -diff; ++k) split.insertRowBefore(l + 1);
        }
    } else if (diff > 0) {
        for (int l = 1; l <= last; ++l) {
            if (route.empty() || split.text(l, SplitCol::Label) != route) continue;
            split.setText(l, SplitCol::Length, "0");
            // Only this route's rows go: rows the adjustment inserted earlier carry no label
            // yet, the rest are ... A shorter run than the old count never eats
            // into the next route.
            for (int k = 0; k < diff && l + 1 <= last; ++k) {
                const std::string& below = split.text(l + 1, SplitCol::Label);
                if (!below.empty() && !isSplitOfRoute(below, route)) break;
                split.removeRow(l + 1);
            }
        }
    }
    split.setCurrentRow(kSplitLastRow);
    doc.resyncMarks();
    return true;
}

void Colorchange(Document& doc, common::Ui& ui) {
    doc.setCurrentTab(kTabSplit, ui);
    auto& split = doc.fgrid2;
    for (int c = 1; c <= split.dataRows() && !split.text(c, SplitCol::Label).empty(); ++c) {
        if (common::val(doc.startMark(c)) == 10)
            split.setColor(c, SplitCol::StartInvert, common::CellColor::Purple);
        if (common::val(doc.endMark(c)) == 10)
            split.setColor(c, SplitCol::EndInvert, common::CellColor::Purple);
        if (doc.groundMark(c) == 10) split.setColor(c, SplitCol::Ground, common::CellColor::Purple);
    }
}

void routeRowDelete(Document& doc, common::Ui& ui) {
    auto& routes = doc.fgrid1;
    const int r = routes.currentRow();
    if (!selected(routes, ui, kDeleteSelect)) return;
    if (!ui.ask(
            kDeleteTitle,
            "選択された " + std::to_string(r) + " 行目を 消去してもよろしいですか" + kCannotUndo,
            common::Icon::Question))
        return;
    const std::string route = routes.text(r, RouteCol::Route);
    // The route's split rows go with it whether or not the document came from a file:
    // left behind, the next split calculation would hand their lengths to the routes below
    // and keep a second outlet row under the regenerated ones.
    if (!route.empty()) {
        auto& split = doc.fgrid2;
        const int count = wholeNumber(routes.text(r, RouteCol::SplitCount));
        for (int l = 1; l <= split.dataRows(); ++l) {
            if (split.text(l, SplitCol::Label) != route) continue;
            // The first removal takes the route's own row; later ones only rows that are
            // still this route's (a count larger than its rows must not reach the next route).
            for (int k = 0; k < count; ++k) {
                const std::string& label = split.text(l, SplitCol::Label);
                if (k > 0 && !label.empty() && !isSplitOfRoute(label, route)) break;
                split.removeRow(l);
                // A row reserved for a newly inserted route moves up with the rows below.
                if (doc.reservedSplitRow && *doc.reservedSplitRow == l)
                    doc.reservedSplitRow.reset();
                else if (doc.reservedSplitRow && *doc.reservedSplitRow > l)
                    --*doc.reservedSplitRow;
            }
        }
        parkCurrentRow(split);
        doc.resyncMarks();
    }
    routes.removeRow(r);
    parkCurrentRow(routes);
}

void routeRowInsert(Document& doc, common::Ui& ui) {
    auto& routes = doc.fgrid1;
    auto& split = doc.fgrid2;
    const int r = routes.currentRow();
    if (!selected(routes, ui, kInsertSelect)) return;
    const std::string route = routes.text(r, RouteCol::Route);
    int first = 0;  // the route's first split row
    for (int l = 1; !route.empty() && l <= split.dataRows(); ++l)
        if (split.text(l, SplitCol::Label) == route) {
            first = l;
            break;
        }
    if (!canInsertRows(routes, 1, routes.dataCols()) ||
        (first > 0 && !canInsertRows(split, 1, SplitCol::LastData))) {
        insertRefused(ui);
        return;
    }
    if (!ui.ask(
            kInsertTitle,
            "選択された " + std::to_string(r) + " 行目 の直前に新しい行を挿入してもよろしいですか",
            common::Icon::Question))
        return;
    doc.reservedSplitRow.reset();
    if (first > 0) {
        split.insertRowBefore(first);
        parkCurrentRow(split);
        doc.reservedSplitRow = first;
    }
    doc.resyncMarks();
    routes.insertRowBefore(r);
    routes.setText(r, RouteCol::SplitCount, "1");
    parkCurrentRow(routes);
}

void changePointRowDelete(Document& doc, common::Ui& ui) {
    auto& points = doc.fgrid4;
    const int r = points.currentRow();
    if (!selected(points, ui, kDeleteSelect)) return;
    if (!ui.ask(kDeleteTitle, std::string("選択行を消去してもよろしいですか") + kCannotUndo,
                common::Icon::Question))
        return;
    points.removeRow(r);
    parkCurrentRow(points);
}

void changePointRowInsert(Document& doc, common::Ui& ui) {
    auto& points = doc.fgrid4;
    const int r = points.currentRow();
    if (!selected(points, ui, kInsertSelect)) return;
    if (!canInsertRows(points, 1, points.dataCols())) {
        insertRefused(ui);
        return;
    }
    if (!ui.ask(kInsertTitle, "選択行の直前に新しい行を挿入してもよろしいですか",
                common::Icon::Question))
        return;
    points.insertRowBefore(r);
    parkCurrentRow(points);
}

void copyPipeAndGradient(Document& doc) {
    auto& split = doc.fgrid2;
    const std::string& outlet = doc.settings.outletRoute;
    // Beyond the first empty label there is no split to copy to; filling those rows would
    // only fill the table's last row and block every later insertion.
    for (int a = 1; a <= split.dataRows(); ++a) {
        const std::string& label = split.text(a, SplitCol::Label);
        if (label == outlet || label.empty()) break;
        if (a == 1) continue;
        for (int c : {SplitCol::PipeCode, SplitCol::Gradient})
            if (split.text(a, c).empty()) split.setText(a, c, split.text(a - 1, c));
    }
}

void numberManholes(Document& doc, ManholeNumbering how) {
    const auto& split = doc.fgrid2;
    int n = 0;
    while (n + 1 <= split.dataRows() && !split.text(n + 1, SplitCol::Label).empty()) ++n;
    for (int i = 1; i <= n; ++i) {
        std::string no;
        switch (how) {
            case ManholeNumbering::ByLabel:
                no = split.text(i, SplitCol::Label);
                break;
            case ManholeNumbering::Ascending:
                no = std::to_string(i);
                break;
            case ManholeNumbering::Descending:
                no = std::to_string(n - i + 1);
                break;
        }
        doc.fgrid3.setText(i, ManholeCol::Number, "No." + no);
    }
}

void assignManholeTypes(Document& doc, common::Ui& ui) {
    if (!doc.formatLoaded) {
        formatWarning(doc, ui);
        return;
    }
    const auto& split = doc.fgrid2;
    const auto& types = doc.format.manholeTypes;
    const common::SectionLookup sections(doc.format, common::CodeMatch::Exact);
    bool skipped = false;
    for (int b = 1, last = lastComputedSplit(split); b <= last; ++b) {
        const auto section = sections.find(split.text(b, SplitCol::PipeCode));
        if (!section) continue;  // not a registered code: the calculation reports it
        const auto d = sectionSize(*section);
        if (!d) {
            skipped = true;
            continue;
        }
        std::optional<std::string> name;
        bool undecided = false;
        std::optional<float> previous;
        bool previousBad = false;
        for (int k = 1;
             k <= types.dataRows() && !types.text(k, ManholeTypeCol::LargestPipeMm).empty(); ++k) {
            const bool bad = !common::hasNumber(types.text(k, ManholeTypeCol::LargestPipeMm));
            const float m =
                common::valFloat(types.text(k, ManholeTypeCol::LargestPipeMm)) / 1000.0f;
            if (bad || (k > 1 && previousBad)) {
                undecided = true;
            } else if (k == 1 ? m >= *d : (*previous < *d && *d <= m)) {
                name = types.text(k, ManholeTypeCol::Name);
            }
            previous = m;
            previousBad = bad;
        }
        if (undecided) {
            skipped = true;
            continue;
        }
        if (name) doc.fgrid3.setText(b, ManholeCol::Type, *name);
    }
    // With no outlet number every unnamed manhole row would take the outlet type.
    const std::string& outlet = doc.settings.outletRoute;
    for (int r = 1; !outlet.empty() && r <= doc.fgrid3.dataRows(); ++r)
        if (doc.fgrid3.text(r, ManholeCol::Label) == outlet)
            doc.fgrid3.setText(r, ManholeCol::Type, doc.settings.outletManholeType);
    if (skipped) ui.message(common::Icon::Exclamation, "人孔種別", kNotNumber);
}

void setDropPipes(Document& doc, common::Ui& ui, bool checked) {
    doc.dropPipeChecked = checked;
    if (!doc.formatLoaded) {
        formatWarning(doc, ui);
        return;
    }
    auto& manholes = doc.fgrid3;
    if (!checked) {
        for (int r = 1; r <= manholes.dataRows(); ++r)
            manholes.setText(r, ManholeCol::DropPipeMm, "");
        return;
    }
    using common::FormatItem;
    const auto& f = doc.format;
    const std::string& limit1 = f.text(FormatItem::MainPipeLimit1Mm);
    const std::string& limit2 = f.text(FormatItem::MainPipeLimit2Mm);
    const std::string& limit3 = f.text(FormatItem::MainPipeLimit3Mm);
    const bool limitsOk =
        common::hasNumber(limit1) && common::hasNumber(limit2) && common::hasNumber(limit3);
    const float l1 = common::valFloat(limit1) / 1000.0f;
    const float l2 = common::valFloat(limit2) / 1000.0f;
    const float l3 = common::valFloat(limit3) / 1000.0f;
    const common::SectionLookup sections(f, common::CodeMatch::Exact);
    constexpr float kDropLimitM = 0.6f;
    bool skipped = false;
    const auto& split = doc.fgrid2;
    for (int d = 1, last = lastComputedSplit(split); d <= last; ++d) {
        const std::string& drop = manholes.text(d, ManholeCol::Drop);
        if (drop.empty()) continue;
        if (!common::hasNumber(drop)) {
            skipped = true;
            continue;
        }
        if (common::valFloat(drop) < kDropLimitM) continue;
        // Drop pipes go by the round pipe of the code.
        const auto section = sections.findCircular(split.text(d, SplitCol::PipeCode));
        const auto size = section ? sectionSize(*section) : std::nullopt;
        if ((section && !size) || !limitsOk) {
            skipped = true;
            continue;
        }
        if (!size) continue;
        const float dm = *size;
        const FormatItem pipe = dm <= l1   ? FormatItem::DropPipe1Mm
                                : dm <= l2 ? FormatItem::DropPipe2Mm
                                : dm <= l3 ? FormatItem::DropPipe3Mm
                                           : FormatItem::DropPipe4Mm;
        manholes.setText(d, ManholeCol::DropPipeMm, f.text(pipe));
    }
    if (skipped) ui.message(common::Icon::Exclamation, "副管", kNotNumber);
}

}  // namespace kandoru
