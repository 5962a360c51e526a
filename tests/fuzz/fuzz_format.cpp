// Fuzzing the format file reader of the format manager (the editor reads the same layout):
// any bytes are read without a fault, and a saved file reads back to the same lines.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/textfile.h"
#include "shoveda/format/osb_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    shoveda::FormatDocument doc;
    const common::ReadReport report = shoveda::readOsb(doc, bytes);
    if (report.message("f.osb").empty() != report.empty()) std::abort();
    const auto once = common::encodeCp932Lines(shoveda::osbLines(doc));
    if (!once) std::abort();
    shoveda::FormatDocument again;
    if (!shoveda::readOsb(again, *once).empty()) std::abort();
    if (shoveda::osbLines(again) != shoveda::osbLines(doc)) std::abort();
    return 0;
}
