// Judancalc: the main pass of the profile calculation over the split table.
//
// Precision: a cell is read as a float, a setting of tab 0 as a double, and every formula
// is written in the order of its rule so that C++'s promotions decide each operation:
// float with float stays float, anything with a double becomes double.
#include "kandoru/calc/profile.h"

#include "common/numtext.h"
#include "kandoru/calc/cell_values.h"
#include "kandoru/calc/change_point.h"
#include "kandoru/calc/rounding.h"

namespace kandoru {

SectionTable::SectionTable(const Document& doc)
    : doc_(doc),
      lookup_(doc.format, common::CodeMatch::Exact),
      circular_(static_cast<size_t>(doc.format.circular.rows())),
      box_(static_cast<size_t>(doc.format.box.rows())) {}

Section SectionTable::lookup(const std::string& code, const Section& previous) const {
    const auto found = lookup_.find(code);
    if (!found) return previous;
    const common::SectionRow& at = *found;
    auto& cached =
        (at.shape == common::SectionShape::Box ? box_ : circular_)[static_cast<size_t>(at.row)];
    if (cached) return *cached;
    const common::Table& t = *at.table;
    Section& s = cached.emplace();
    s.height = cellFloat(doc_, t, at.row, at.heightCol);
    s.top = cellFloat(doc_, t, at.row, at.topCol);
    // A circular pipe's one wall is read once.
    s.bottom = at.bottomCol == at.topCol ? s.top : cellFloat(doc_, t, at.row, at.bottomCol);
    s.excavation = cellFloat(doc_, t, at.row, at.excavationCol);
    return s;
}

ProfileSettings::ProfileSettings(const Document& doc)
    : minCover(common::val(doc.settings.minCover)),
      dropMm(common::val(doc.settings.manholeDrop)),
      hinterland(common::val(doc.settings.hinterland)),
      invertDigits(digitCount(digitSetting(doc, kDigitInvert))),
      coverDigits(digitCount(digitSetting(doc, kDigitCover))),
      excavationDigits(digitCount(digitSetting(doc, kDigitExcavation))) {}

Inverts designSplit(const Document& doc, const ProfileSettings& s, const SplitCells& sp,
                    const Section& sec, float previousHeight, bool first) {
    common::Table& t = *sp.table;
    const int i = sp.row;
    // Each cell read once; a written invert is read back from the text written, as the
    // table would give it.
    std::optional<float> startValue, endValue, previousEndValue;
    auto start = [&] {
        if (!startValue) startValue = cellFloat(doc, t, i, sp.startCol);
        return *startValue;
    };
    auto end = [&] {
        if (!endValue) endValue = cellFloat(doc, t, i, sp.endCol);
        return *endValue;
    };
    auto previousEnd = [&] {
        if (!previousEndValue) previousEndValue = cellFloat(doc, t, sp.prevRow, sp.prevEndCol);
        return *previousEndValue;
    };
    auto setStart = [&](auto v) { startValue = putValueBack(doc, t, i, sp.startCol, v); };
    auto setEnd = [&](auto v) { endValue = putValueBack(doc, t, i, sp.endCol, v); };
    const float gl0 = sp.groundStart;
    const float gl1 = sp.groundEnd;
    const float L = sp.length;
    const float g = sp.gradient;
    const float D = sec.height;
    const float tT = sec.top;
    const std::optional<int> digits = s.invertDigits;

    // Crown and cover rules: a size change joins the crowns, never above the minimum cover.
    auto crownAndCover = [&] {
        if (start() + D > previousEnd() + previousHeight)                         // float sums
            setStart(RoundToDigits(previousEnd() + previousHeight - D, digits));  // float
        if (s.minCover > gl0 - start() - D - tT)                                  // float vs double
            setStart(RoundToDigits(gl0 - s.minCover - D - tT, digits));           // double
    };

    if (sp.startFixed || sp.endFixed) {
        if (sp.startFixed) setEnd(RoundToDigits(start() - L * g / 1000, digits));  // float
        if (sp.endFixed) setStart(RoundToDigits(end() + L * g / 1000, digits));    // float
        return {start(), end()};
    }

    const float slope = g / 1000;  // float
    if ((gl0 - gl1) / L >= slope) {
        // The ground falls at least as steeply as the pipe: the downstream end governs.
        setEnd(gl1 - s.minCover - D - tT);                      // double, not rounded
        setStart(RoundToDigits(end() + L * g / 1000, digits));  // float
        if (s.hinterland != 0 && s.hinterland < start()) {
            setStart(RoundToDigits(s.hinterland, digits));  // double
            setEnd(RoundToDigits(start() - L * g / 1000, digits));
        }
        if (first) return {start(), end()};
        if (previousEnd() < start()) {
            setStart(RoundToDigits(previousEnd() - s.dropMm / 1000, digits));  // double
            if (previousHeight != D) crownAndCover();
            setEnd(RoundToDigits(start() - L * g / 1000, digits));
        }
        return {start(), end()};
    }

    // The ground falls less steeply than the pipe, or rises: the upstream end governs.
    setStart(RoundToDigits(gl0 - s.minCover - D - tT, digits));  // double
    if (s.hinterland != 0 && s.hinterland < start()) setStart(RoundToDigits(s.hinterland, digits));
    if (!first) {
        if (previousEnd() < start())
            setStart(RoundToDigits(previousEnd() - s.dropMm / 1000, digits));  // double
        if (previousHeight != D) crownAndCover();
    }
    setEnd(RoundToDigits(start() - L * g / 1000, digits));  // float
    return {start(), end()};
}

void manholeRow(Document& doc, const ProfileSettings& s, int i, const Section& sec,
                const ManholeCells& cells) {
    auto& mh = doc.fgrid3;
    const float start = cells.inverts.start;
    const float end = cells.inverts.end;
    const float gl0 = cells.groundStart;
    const float gl1 = cells.groundEnd;
    if (i == 1) {
        if (s.hinterland != 0)
            putValue(doc, mh, i, ManholeCol::Drop, s.hinterland - start);  // double
    } else {
        putValue(doc, mh, i, ManholeCol::Drop, cells.previousEnd - start);  // float
    }
    // The bracket is formed in double precision and rounded to single precision.
    const auto base = [&](float invert) {
        return static_cast<float>(static_cast<double>(invert) - static_cast<double>(sec.bottom) -
                                  static_cast<double>(sec.excavation));
    };
    putValue(doc, mh, i, ManholeCol::UpperExcavation,
             RoundToDigits(gl0 - base(start), s.excavationDigits));
    putValue(doc, mh, i, ManholeCol::LowerExcavation,
             RoundToDigits(gl1 - base(end), s.excavationDigits));
}

void manholeDepths(Document& doc) {
    const auto& sp = doc.fgrid2;
    auto& mh = doc.fgrid3;
    const std::string& outlet = doc.settings.outletRoute;
    for (int r = 1; r < sp.rows() && !sp.text(r, SplitCol::Label).empty(); ++r) {
        mh.setText(r, ManholeCol::Label, sp.text(r, SplitCol::Label));
        if (sp.text(r, SplitCol::StartInvert).empty()) break;
        if (sp.text(r, SplitCol::Label) != outlet)
            putValue(doc, mh, r, ManholeCol::Depth,
                     cellFloat(doc, sp, r, SplitCol::Ground) -
                         cellFloat(doc, sp, r, SplitCol::StartInvert));
        else
            putValue(doc, mh, r, ManholeCol::Depth,
                     cellFloat(doc, sp, r, SplitCol::Ground) -
                         cellFloat(doc, sp, r - 1, SplitCol::EndInvert));
    }
}

namespace {

bool isFixed(const std::string& mark) { return common::val(mark) == 10; }

// The main pass; the number of split rows it computed, or -1 when the symbol check
// stopped it.
int mainPass(Document& doc, common::Ui& ui) {
    auto& sp = doc.fgrid2;
    const SectionTable sections(doc);
    for (int r = 1; r < sp.rows() && !sp.text(r, SplitCol::PipeCode).empty(); ++r) {
        if (sections.known(sp.text(r, SplitCol::PipeCode))) continue;
        ui.message(common::Icon::Critical, "管記号エラー",
                   "管記号の　" + std::to_string(r) + "　行目のコード名は登録されていません。");
        return -1;
    }

    const ProfileSettings s(doc);
    Section sec;
    float previousHeight = 0;
    // Carried from split i to split i + 1: the ground at their common point and the end
    // invert of split i (this pass writes neither ground levels nor an earlier split).
    std::optional<float> ground;
    float previousEnd = 0;
    int i = 1;
    for (; i < sp.rows(); ++i) {
        if (sp.text(i, SplitCol::Length).empty() || sp.text(i, SplitCol::PipeCode).empty() ||
            sp.text(i, SplitCol::Gradient).empty())
            break;
        previousHeight = sec.height;
        sec = sections.lookup(sp.text(i, SplitCol::PipeCode), sec);
        const float gl0 = ground ? *ground : cellFloat(doc, sp, i, SplitCol::Ground);
        const float gl1 = cellFloat(doc, sp, i + 1, SplitCol::Ground);
        ground = gl1;
        const SplitCells cells{&sp,
                               i,
                               SplitCol::StartInvert,
                               SplitCol::EndInvert,
                               i - 1,
                               SplitCol::EndInvert,
                               gl0,
                               gl1,
                               cellFloat(doc, sp, i, SplitCol::Length),
                               cellFloat(doc, sp, i, SplitCol::Gradient),
                               isFixed(doc.startMark(i)),
                               isFixed(doc.endMark(i))};
        const Inverts inv = designSplit(doc, s, cells, sec, previousHeight, /*first=*/i == 1);
        // Covers from the inverts as they now stand.
        const float D = sec.height, tT = sec.top;
        putValue(doc, sp, i, SplitCol::StartCover,
                 RoundToDigits(gl0 - inv.start - D - tT, s.coverDigits));
        putValue(doc, sp, i, SplitCol::EndCover,
                 RoundToDigits(gl1 - inv.end - D - tT, s.coverDigits));
        manholeRow(doc, s, i, sec, {inv, gl0, gl1, previousEnd});
        previousEnd = inv.end;
    }
    manholeDepths(doc);
    return i - 1;
}

bool anyChangePoint(const Document& doc) {
    for (int r = 1; r <= doc.fgrid4.dataRows(); ++r)
        if (!doc.fgrid4.text(r, ChangePointCol::Route).empty()) return true;
    return false;
}

}  // namespace

bool Judancalc(Document& doc, common::Ui& ui) {
    try {
        const int computed = mainPass(doc, ui);
        if (computed < 0) return false;
        if (anyChangePoint(doc)) return Judanhenka(doc, ui, computed);
        return true;
    } catch (const NonFiniteValue& where) {
        reportNonFinite(ui, where);
        return false;
    }
}

}  // namespace kandoru
