// Fuzzing the script reader and the DXF writer: any script is read without a fault, and a
// drawing it yields is written as DXF or refused with a reason.
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/sjis.h"
#include "common/textfile.h"
#include "zumenko/preview/dxf_writer.h"
#include "zumenko/preview/script_reader.h"

namespace {

const std::filesystem::path& dxfPath() {
    static const std::filesystem::path p = std::filesystem::temp_directory_path() /
                                           ("fuzz_script_" + std::to_string(getpid()) + ".dxf");
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    namespace pv = zumenko::preview;
    const pv::ReadResult r = pv::readScript(common::splitLines(common::cp932ToUtf8(bytes)));
    for (const auto& e : r.errors)
        if (e.line < 1 || e.reason.empty()) std::abort();
    (void)pv::describeErrors(r.errors);
    (void)pv::horizontalScale(r.figure);
    if (r.figure.elements.empty()) return 0;
    const auto w = pv::writeDxf(r.figure, dxfPath());
    if (!w && w.error.empty()) std::abort();
    std::error_code ec;
    std::filesystem::remove(dxfPath(), ec);
    return 0;
}
