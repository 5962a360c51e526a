// Draws the drawing model with Qt: a PNG or SVG fitted to the extents as "_zoom e" shows
// them, or a PDF with one page per sheet at the sheet's real size. Needs a QGuiApplication.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <filesystem>
#include <optional>

#include "common/textfile.h"
#include "zumenko/figure.h"
#include "zumenko/text_layout.h"

class QPainter;

namespace zumenko::preview {

// Makes a QGuiApplication for headless drawing (offscreen unless a platform is set) when
// the process has none yet; it lives until the process ends.
void ensureGuiApplication();

// The pinned gothic font at its reference size; texts are scaled from it.
QFont pinnedFont();
// True when the font engine found the pinned font itself, not a substitute.
bool pinnedFontAvailable();
// Text metrics from the font engine, in units of the capital height.
TextMetrics measureText(std::string_view utf8);

// Maps drawing units (y up) to device units (y down).
struct View {
    double scale = 1;  // device units per drawing unit
    double left = 0;   // drawing x at device x = offsetX
    double top = 0;    // drawing y at device y = offsetY
    double offsetX = 0;
    double offsetY = 0;
    QPointF toDevice(Point p) const {
        return {offsetX + (p.x - left) * scale, offsetY + (top - p.y) * scale};
    }
};

// A view showing box inside a device area of width × height, centred, with marginPx free
// on every side.
View fitView(const Box& box, double width, double height, double marginPx);

// Paints every element in its layer colour, or only those touching within; penWidth in
// device units.
void paintDrawing(QPainter& painter, const Figure& figure, const View& view, double penWidth,
                  const Box* within = nullptr);

struct Picture {
    QImage image;
    View view;
};

// The drawing on a white image widthPx wide, as tall as the extents need (both sides
// shrunk for a very tall drawing); a null image when there is no memory for it.
Picture renderImage(const Figure& figure, int widthPx);

enum class PictureFormat { Png, Svg, Pdf };
// From the file name's extension (.png, .svg, .pdf, any case).
std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& path);

struct PictureOptions {
    int widthPx = 2400;           // PNG and SVG
    double scaleDenominator = 0;  // PDF: drawing units per paper mm; 0 takes the model's
};

// Writes the picture beside path and renames it over path. The PDF has a page per sheet of
// the model, each exactly the sheet; a model of one sheet (or none) gets one page that
// grows to hold whatever lies outside the sheet.
common::WriteResult writePicture(const Figure& figure, const std::filesystem::path& path,
                                 const PictureOptions& options = {});

// profile.png and profile.pdf in folder. Makes a QGuiApplication when there is none.
inline constexpr const char* kProfilePng = "profile.png";
inline constexpr const char* kProfilePdf = "profile.pdf";
common::WriteResult writeProfilePictures(const Figure& figure, const std::filesystem::path& folder);

}  // namespace zumenko::preview
