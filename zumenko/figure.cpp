// The drawing model's layers, elements and boxes.
#include "zumenko/figure.h"

#include <algorithm>

namespace zumenko {

bool drawsNothing(const Text& text) {
    return std::all_of(text.text.begin(), text.text.end(), [](char c) { return c == ' '; });
}

void Box::add(Point p) {
    if (empty) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        empty = false;
        return;
    }
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
}

void Box::add(const Box& b) {
    if (b.empty) return;
    add(Point{b.minX, b.minY});
    add(Point{b.maxX, b.maxY});
}

bool Box::contains(const Box& b, double tolerance) const {
    if (b.empty) return true;
    if (empty) return false;
    return b.minX >= minX - tolerance && b.maxX <= maxX + tolerance && b.minY >= minY - tolerance &&
           b.maxY <= maxY + tolerance;
}

bool Box::intersects(const Box& b) const {
    if (empty || b.empty) return false;
    return b.minX <= maxX && b.maxX >= minX && b.minY <= maxY && b.maxY >= minY;
}

int Figure::layerIndex(std::string_view name) {
    auto it = std::find(layers.begin(), layers.end(), name);
    if (it != layers.end()) return int(it - layers.begin());
    layers.emplace_back(name);
    return int(layers.size() - 1);
}

void Figure::selectLayer(std::string_view name) {
    current_ = layerIndex(name);
    switches.push_back({elements.size(), current_});
}

void Figure::add(std::variant<Segment, Text> shape, int line) {
    // AutoCAD draws on layer "0" until a layer is chosen.
    if (current_ < 0) current_ = layerIndex("0");
    elements.push_back({current_, line, std::move(shape)});
}

}  // namespace zumenko
