// The DXF writer of a build without dxflib: every DXF file is refused with the reason.
#include "zumenko/preview/dxf_writer.h"

namespace zumenko::preview {

common::WriteResult writeDxf(const Figure&, const std::filesystem::path&) {
    return {false, "この版は DXF を書けません（dxflib なしの版）"};
}

}  // namespace zumenko::preview
