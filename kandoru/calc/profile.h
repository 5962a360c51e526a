// The longitudinal profile calculation (縦断計算), main pass `Judancalc`: invert levels of
// every split under the minimum-cover, hinterland, manhole-drop and crown rules, then the
// covers, manhole drops, excavation depths and manhole depths.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/format/section_lookup.h"
#include "common/table.h"
#include "common/ui.h"
#include "kandoru/document.h"

namespace kandoru {

// Section of a pipe symbol, in metres: inner height D, top and bottom thickness tT and tB,
// excavation height E. A circular pipe has tT = tB = its wall thickness.
struct Section {
    float height = 0;
    float top = 0;
    float bottom = 0;
    float excavation = 0;
};

// The sections of the format's pipe codes as the calculation reads them: by exact code
// name, the last entry of a name winning and a box section over a circular one.
class SectionTable {
public:
    explicit SectionTable(const Document& doc);
    bool known(const std::string& code) const { return lookup_.find(code).has_value(); }
    // The section of a known code, its cells read at its first lookup (the format data do
    // not change during a calculation); an unknown code keeps `previous`, as a search that
    // finds nothing leaves the values it held.
    Section lookup(const std::string& code, const Section& previous) const;

private:
    const Document& doc_;
    common::SectionLookup lookup_;
    mutable std::vector<std::optional<Section>> circular_, box_;  // by row
};

// The settings of the calculation: fields typed on tab 0 are read in double precision.
struct ProfileSettings {
    explicit ProfileSettings(const Document& doc);
    double minCover;    // m
    double dropMm;      // manhole drop, mm
    double hinterland;  // hinterland inflow height, m; 0 switches its rule off
    std::optional<int> invertDigits, coverDigits, excavationDigits;  // read once per run
};

// One split as the design rules see it: where its inverts stand and what they depend on.
// The inverts are written at once and read back from their cells as text.
struct SplitCells {
    common::Table* table;
    int row;
    int startCol, endCol;          // start and end invert
    int prevRow, prevEndCol;       // the previous split's end invert (prevRow 0: none)
    float groundStart, groundEnd;  // GL0, GL1
    float length;                  // L, m
    float gradient;                // g, per mille
    bool startFixed, endFixed;     // typed inverts (mark 10)
};

// The start and end invert of a split as its cells hold them.
struct Inverts {
    float start;
    float end;
};

// The design rules for one split (fixed inverts; free design downstream- or upstream-
// governed; hinterland; manhole drop; crown and cover rules where the size changes).
// `first` is the first split of the chain; `previousHeight` is the previous split's D.
// Returns the inverts as the cells then hold them.
Inverts designSplit(const Document& doc, const ProfileSettings& s, const SplitCells& split,
                    const Section& section, float previousHeight, bool first);

// What manhole row i is computed from: the cells of split row i (inverts, ground at both
// ends) and the end invert of split i - 1 (unused for i = 1).
struct ManholeCells {
    Inverts inverts;
    float groundStart, groundEnd;
    float previousEnd;
};

// manholeRow: the manhole at the start of split i (manhole table row i).
//   s        : hinterland inflow height, m (0: none); excavation digit setting
//   section  : the split's section: bottom thickness tB and excavation height E, m
//   cells    : the split's start and end inverts IL0, IL1 and ground levels GL0, GL1, m;
//              the previous split's end invert ILp, m
// Result: ManholeCol::Drop = ILp - IL0 (single precision), for split 1 the hinterland
// height - IL0 when one is set; UpperExcavation = GL0 - (IL0 - tB - E) and
// LowerExcavation = GL1 - (IL1 - tB - E), m, the bracket in double precision, rounded with
// the excavation digit setting.
void manholeRow(Document& doc, const ProfileSettings& s, int i, const Section& section,
                const ManholeCells& cells);

// manholeDepths: ManholeCol::Depth of every split row r down to the first blank label
// (the label copied into ManholeCol::Label), stopping at the first blank start invert.
// Result: GL(r) - IL0(r), m; at the outlet GL(r) - IL1(r - 1), the invert the last pipe
// arrives at.
void manholeDepths(Document& doc);

// Judancalc: the symbol check, then the design of every split down to the first row
// without length, pipe symbol or gradient, then the manhole depths and, when the
// change-point table has a route number in any row, the change-point pass. A value that
// is not finite stops it with a message. Returns false when a message ended it.
bool Judancalc(Document& doc, common::Ui& ui);

}  // namespace kandoru
