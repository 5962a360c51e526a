// Band sketch: fixed geometry in pixels, drawn with dimension lines.
#include "shoveda/shell/band_sketch.h"

#include <QPainter>
#include <QPainterPath>

namespace shoveda {
namespace {

// Heading column edges and the right end of the drawn band.
constexpr int xL = 30, x1 = 150, x2 = 215, x3 = 300, xR = 520;
// Datum line, band top, the two band groups (two rows drawn of each) and the bottom.
constexpr int yDL = 190, yTop = 215, hU = 26, yGap = yTop + 2 * hU, gap = 18, yLower = yGap + gap,
              hL = 34, yBottom = yLower + 2 * hL;
// Scale triangle: upright at xs, base from xs - bw at yBase, apex at yApex.
constexpr int xs = 230, bw = 80, yBase = 150, yApex = 75, yAxisTop = 20;
// Vertical dimensions right of the band and left of the triangle.
constexpr int xDimRight = 535, xDimLeft = 140;

constexpr int kFieldHeight = 22;

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
    QLineF l(tip, from);
    l.setLength(6);
    QLineF a = l, b = l;
    a.setAngle(l.angle() + 25);
    b.setAngle(l.angle() - 25);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(a.p2());
    path.lineTo(b.p2());
    path.closeSubpath();
    p.fillPath(path, p.pen().color());
}

// A dimension line with arrow heads at both ends.
void dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
}

void mark(QPainter& p, QPoint centre, const QString& text) {
    QRect r(centre.x() - 9, centre.y() - 9, 18, 18);
    p.drawEllipse(r);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

BandSketch::BandSketch(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BandSketch"));
    setFixedSize(700, yBottom + 45);
}

void BandSketch::place(common::FormatItem item, QWidget* field) {
    using common::FormatItem;
    auto middle = [](int top, int bottom) { return (top + bottom) / 2 - kFieldHeight / 2; };
    QPoint at;
    switch (item) {
        case FormatItem::DatumAboveBandMm:
            at = {xDimRight + 10, middle(yDL, yTop)};
            break;
        case FormatItem::UpperRowHeightMm:
            at = {xDimRight + 10, middle(yTop, yTop + hU)};
            break;
        case FormatItem::BandGapMm:
            at = {xDimRight + 10, middle(yGap, yLower)};
            break;
        case FormatItem::LowerRowHeightMm:
            at = {xDimRight + 10, middle(yLower, yLower + hL)};
            break;
        case FormatItem::UpperRowCount:
            at = {xDimRight + 100, middle(yTop, yTop + hU)};
            break;
        case FormatItem::LowerRowCount:
            at = {xDimRight + 100, middle(yLower, yLower + hL)};
            break;
        case FormatItem::HeadingWidth1Mm:
            at = {(xL + x1) / 2 - 30, yBottom + 12};
            break;
        case FormatItem::HeadingWidth2Mm:
            at = {x1 + 2, yBottom + 12};
            break;
        case FormatItem::HeadingWidth3Mm:
            at = {(x2 + x3) / 2 - 30, yBottom + 12};
            break;
        case FormatItem::TriangleOffsetMm:
            at = {x3 + 8, 49};
            break;
        case FormatItem::TriangleHeightMm:
            at = {xDimLeft - 66, middle(yApex, yBase)};
            break;
        case FormatItem::TriangleWidthMm:
            at = {xs - bw + 10, yBase + 12};
            break;
        case FormatItem::TriangleBaseMm:
            at = {xDimLeft - 66, middle(yBase, yDL) + 2};
            break;
        default:
            return;
    }
    field->setParent(this);
    field->adjustSize();
    field->move(at);
}

void BandSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());

    // The band: two groups of rows, the heading columns, the right end.
    QPen band(QColor(40, 40, 40), 1.2);
    p.setPen(band);
    // The third heading column is the elevation scale column: no lines across it.
    for (int y : {yTop, yTop + hU, yGap, yLower, yLower + hL, yBottom}) {
        p.drawLine(xL, y, x2, y);
        p.drawLine(x3, y, xR, y);
    }
    for (int x : {xL, x1, x2, xR}) {
        p.drawLine(x, yTop, x, yGap);
        p.drawLine(x, yLower, x, yBottom);
    }
    p.drawLine(x3, yTop, x3, yGap);
    p.drawLine(x3, yLower, x3, yBottom);

    // Datum line and the elevation scale rising from it at the third column's right edge.
    p.setPen(QPen(QColor(0, 90, 170), 1.5));
    p.drawLine(xL, yDL, xR, yDL);
    p.drawText(QRect(xL + 4, yDL - 18, 40, 16), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("DL"));
    p.drawLine(x3, yDL, x3, yAxisTop);
    for (int y = yDL - 10; y > yAxisTop; y -= 10)
        p.drawLine(x3 - (((yDL - y) / 10) % 5 ? 4 : 10), y, x3, y);

    // Scale triangle above the bands.
    p.setPen(QPen(QColor(0, 90, 170), 1.5));
    QPolygon tri({QPoint(xs - bw, yBase), QPoint(xs, yBase), QPoint(xs, yApex)});
    p.drawPolygon(tri);

    // Dimensions.
    QPen dim(QColor(200, 40, 40), 1);
    p.setPen(dim);
    p.setBrush(Qt::NoBrush);
    // Right of the band: DL gap, row of group 1, gap between groups, row of group 2.
    for (int y : {yDL, yTop, yTop + hU, yGap, yLower, yLower + hL})
        p.drawLine(xR + 2, y, xDimRight + 6, y);
    dimension(p, {xDimRight, yDL}, {xDimRight, yTop});
    dimension(p, {xDimRight, yTop}, {xDimRight, double(yTop + hU)});
    dimension(p, {xDimRight, yGap}, {xDimRight, yLower});
    dimension(p, {xDimRight, yLower}, {xDimRight, double(yLower + hL)});
    p.setPen(QPen(QColor(40, 40, 40), 1));
    mark(p, {xR - 16, yTop + hU}, QStringLiteral("1"));
    mark(p, {xR - 16, yLower + hL}, QStringLiteral("2"));
    p.setPen(dim);
    // Under the heading columns: their widths.
    for (int x : {xL, x1, x2, x3}) p.drawLine(x, yBottom + 2, x, yBottom + 10);
    dimension(p, {xL, yBottom + 6.0}, {x1, yBottom + 6.0});
    dimension(p, {x1, yBottom + 6.0}, {x2, yBottom + 6.0});
    dimension(p, {x2, yBottom + 6.0}, {x3, yBottom + 6.0});
    // Triangle: offset from the scale axis, height, width, base above the datum line.
    p.drawLine(xs, yApex - 4, xs, 56);
    dimension(p, {xs, 60.0}, {x3, 60.0});
    p.drawLine(xs - bw - 2, yApex, xDimLeft - 4, yApex);
    p.drawLine(xs - bw - 2, yBase, xDimLeft - 4, yBase);
    dimension(p, {xDimLeft, yApex}, {xDimLeft, yBase});
    dimension(p, {xDimLeft, yBase}, {xDimLeft, yDL});
    p.drawLine(xs - bw, yBase + 2, xs - bw, yBase + 10);
    p.drawLine(xs, yBase + 2, xs, yBase + 10);
    dimension(p, {double(xs - bw), yBase + 6.0}, {xs, yBase + 6.0});
}

}  // namespace shoveda
