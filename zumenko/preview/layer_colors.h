// One clear colour per layer, shared by the picture and the DXF file.
#pragma once

#include <string_view>

#include "zumenko/figure.h"

namespace zumenko::preview {

struct LayerColor {
    int aci;      // AutoCAD colour index for the DXF layer
    int r, g, b;  // the same hue, dark enough to read on white paper
};

bool isDefPoints(std::string_view layerName);

// The DefPoints layer (the sheet border, which AutoCAD never plots) is light grey; the
// other layers take the palette in order of first use.
LayerColor layerColor(const Figure& figure, int layer);

}  // namespace zumenko::preview
