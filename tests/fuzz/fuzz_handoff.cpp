// Fuzzing the hand-off intake and the drawing: any bytes are read or refused without a
// fault, and a hand-off that is read draws its automatic script or refuses with a message.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/sjis.h"
#include "common/textfile.h"
#include "zumenko/intake.h"
#include "zumenko/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zumenko::Drawing doc;
    std::string error;
    common::ReadReport report;
    if (!zumenko::readHandoffLines(common::splitLines(common::cp932ToUtf8(bytes)), doc, &error,
                                   &report)) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    for (bool downstreamFirst : {false, true}) {
        zumenko::DrawOptions opt;
        opt.automatic = true;
        opt.upstreamToDownstream = !downstreamFirst;
        const zumenko::ScriptResult r = zumenko::drawScript(doc, opt);
        if (r.error ? r.error->text.empty() : r.text.empty()) std::abort();
    }
    return 0;
}
