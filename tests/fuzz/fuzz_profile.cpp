// Fuzzing the profile data file reader: any bytes are read without a fault, everything
// read can be saved, and saving what a save wrote reads back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "kandoru/files/osa_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kandoru::Document doc;
    const common::ReadReport report = kandoru::readOsa(doc, bytes);
    if (report.message("f.osa").empty() != report.empty()) std::abort();
    const auto once = kandoru::osaBytes(doc);
    if (!once) std::abort();  // a text read from Shift_JIS is always Shift_JIS again
    kandoru::Document again;
    if (!kandoru::readOsa(again, *once).empty()) std::abort();
    if (kandoru::osaBytes(again) != once) std::abort();
    return 0;
}
