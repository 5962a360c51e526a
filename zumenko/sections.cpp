// Section lookup for the drawing: the pattern rule, values read as doubles.
#include "zumenko/sections.h"

#include "common/numtext.h"

namespace zumenko {

std::optional<Section> lookUpSection(const Drawing& doc, std::string_view pipeCode) {
    const auto at = common::SectionLookup(doc.format, common::CodeMatch::Pattern).find(pipeCode);
    if (!at) return std::nullopt;
    auto cell = [&](int c) { return common::val(at->table->text(at->row, c)); };
    return Section{cell(at->heightCol), cell(at->topCol), cell(at->bottomCol)};
}

}  // namespace zumenko
