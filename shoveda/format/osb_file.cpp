// Reading a *.osb file into the format manager's document.
#include "shoveda/format/osb_file.h"

#include <vector>

namespace shoveda {

common::ReadReport readOsb(FormatDocument& doc, std::string_view cp932Bytes) {
    doc.clearContents();
    common::ReadReport report = common::readOsb(doc.format, cp932Bytes);
    // As read first, then set in file order: setting a choice clears the rest of its group.
    const int first = common::itemNumber(FormatItem::ArrowOn);
    const int last = common::itemNumber(FormatItem::DrawInnerFrame);
    std::vector<bool> read;
    for (int n = first; n <= last; ++n) read.push_back(doc.flag(n));
    for (int n = first; n <= last; ++n) doc.setFlag(n, read[static_cast<size_t>(n - first)]);
    return report;
}

}  // namespace shoveda
