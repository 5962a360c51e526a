// The drawing as a model: segments and single-line texts on layers, in drawing order, with
// the sheets they stand on. The AutoCAD script, the DXF file and the pictures are written
// from it.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zumenko {

// Drawing units: millimetres of the real world (a paper millimetre is H of them).
struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

// AutoCAD's text justification: the insertion point is this point of the text.
enum class HAlign { Left, Center, Right };
// Baseline is AutoCAD's plain "Left"; Bottom is the foot of the character box, below the
// baseline; Middle is half the text height above the baseline (the "MC" family); Top is
// the text height above the baseline.
enum class VAlign { Baseline, Bottom, Middle, Top };

struct Justify {
    HAlign h = HAlign::Left;
    VAlign v = VAlign::Baseline;
    bool operator==(const Justify&) const = default;
};

struct Segment {
    Point a, b;
    bool operator==(const Segment&) const = default;
};

struct Text {
    Point at;  // insertion point
    Justify justify;
    double height = 0;    // AutoCAD's text height, drawing units
    double angleDeg = 0;  // counter-clockwise about the insertion point
    std::string text;     // UTF-8, without the blank that ends the command
    int breaks = 1;       // Enters after the text in the script (2 after the title and scales)
    bool operator==(const Text&) const = default;
};

// AutoCAD makes no text of an empty answer (or one of blanks only) at the text prompt.
bool drawsNothing(const Text& text);

struct Element {
    int layer = 0;  // index into Figure::layers
    int line = 0;   // 1-based line of the script it was read from; 0 when generated
    std::variant<Segment, Text> shape;
};

// "_clayer": the layer is made current before the element with this index (elements.size()
// for a switch after the last element). A script switches even when nothing follows.
struct LayerSwitch {
    size_t before = 0;
    int layer = 0;
};

struct Box {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool empty = true;
    void add(Point p);
    void add(const Box& b);
    double width() const { return empty ? 0 : maxX - minX; }
    double height() const { return empty ? 0 : maxY - minY; }
    bool contains(const Box& b, double tolerance = 0) const;
    bool intersects(const Box& b) const;
};

// One sheet of the drawing, drawing units.
struct SheetArea {
    Box border;  // the sheet's edges: the page of a plot
    Box frame;   // what must hold every element: the innermost frame drawn, else the border
};

struct Figure {
    std::vector<std::string> layers;  // in order of first use
    std::vector<Element> elements;
    std::vector<LayerSwitch> switches;
    // Drawing units per paper millimetre (the horizontal scale denominator); 0 unknown.
    double scale = 0;
    std::vector<SheetArea> sheets;  // left to right; empty when unknown

    int layerIndex(std::string_view name);  // adds the layer when it is new
    // Makes name the current layer, as "_clayer" does; later elements go on it.
    void selectLayer(std::string_view name);
    int currentLayer() const { return current_; }
    // Adds an element on the current layer; line is the script line it was read from.
    void add(std::variant<Segment, Text> shape, int line = 0);
    void segment(Point a, Point b) { add(Segment{a, b}); }
    void text(Text t) { add(std::move(t)); }

private:
    int current_ = -1;  // -1: no switch yet, elements go on layer "0"
};

}  // namespace zumenko
