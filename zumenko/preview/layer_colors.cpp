// Layer colours: a fixed palette of distinct hues taken in order of first use.
#include "zumenko/preview/layer_colors.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zumenko::preview {

namespace {

// In the generator's order (frame, band, texts, ground, pipes) this gives a blue frame,
// black band lines, brown texts, a green ground line and red pipes.
constexpr std::array<LayerColor, 8> kPalette{{
    {5, 20, 70, 190},   // blue
    {7, 0, 0, 0},       // black (white on a dark CAD screen)
    {32, 150, 75, 0},   // brown
    {3, 0, 140, 40},    // green
    {1, 210, 0, 0},     // red
    {6, 170, 0, 170},   // magenta
    {4, 0, 140, 150},   // cyan
    {40, 220, 130, 0},  // orange
}};
constexpr LayerColor kDefPoints{8, 170, 170, 170};

}  // namespace

bool isDefPoints(std::string_view name) {
    constexpr std::string_view kName = "defpoints";
    return name.size() == kName.size() &&
           std::equal(name.begin(), name.end(), kName.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

LayerColor layerColor(const Figure& figure, int layer) {
    if (layer < 0 || size_t(layer) >= figure.layers.size()) return kPalette[1];
    if (isDefPoints(figure.layers[size_t(layer)])) return kDefPoints;
    int order = 0;
    for (int i = 0; i < layer; ++i)
        if (!isDefPoints(figure.layers[size_t(i)])) ++order;
    return kPalette[size_t(order) % kPalette.size()];
}

}  // namespace zumenko::preview
