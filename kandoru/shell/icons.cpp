// Toolbar icons painted at start, so no picture files are needed.
#include "kandoru/shell/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kandoru::shell {

namespace {

constexpr int kSize = 32;

template <typename Paint>
QIcon painted(Paint paint) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return QIcon(pm);
}

void sheet(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.setBrush(Qt::white);
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.drawPath(page);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

}  // namespace

QIcon openIcon() {
    return painted([](QPainter& p) {
        p.setPen(QPen(QColor(120, 90, 20), 1.5));
        p.setBrush(QColor(230, 190, 90));
        QPainterPath back;
        back.moveTo(3, 26);
        back.lineTo(3, 7);
        back.lineTo(11, 7);
        back.lineTo(14, 10);
        back.lineTo(25, 10);
        back.lineTo(25, 14);
        p.drawPath(back);
        p.setBrush(QColor(250, 215, 120));
        p.drawPolygon(
            QPolygonF({QPointF(3, 26), QPointF(8, 14), QPointF(29, 14), QPointF(24, 26)}));
    });
}

QIcon saveIcon() {
    return painted([](QPainter& p) {
        p.setPen(QPen(QColor(40, 50, 80), 1.5));
        p.setBrush(QColor(60, 90, 160));
        QPainterPath disk;
        disk.moveTo(4, 4);
        disk.lineTo(24, 4);
        disk.lineTo(28, 8);
        disk.lineTo(28, 28);
        disk.lineTo(4, 28);
        disk.closeSubpath();
        p.drawPath(disk);
        p.setBrush(QColor(225, 225, 225));
        p.drawRect(QRectF(9, 4.5, 13, 8));
        p.fillRect(QRectF(17, 6, 3, 5), QColor(60, 90, 160));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 17, 16, 10));
    });
}

QIcon exportIcon() {
    return painted([](QPainter& p) {
        sheet(p);
        p.setPen(QPen(QColor(40, 90, 170), 2));
        for (int y = 13; y <= 25; y += 4) p.drawLine(11, y, 22, y);
    });
}

QIcon calcIcon() {
    return painted([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(QColor(250, 250, 235));
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 3, 3);
        p.setPen(QPen(QColor(150, 90, 30), 2));
        p.drawPolyline(
            QPolygonF({QPointF(6, 12), QPointF(14, 9), QPointF(20, 11), QPointF(26, 8)}));
        p.setPen(QPen(QColor(30, 90, 200), 3));
        p.drawLine(QPointF(6, 17), QPointF(26, 23));
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(QPointF(10, 26), QPointF(14, 26));
        p.drawLine(QPointF(12, 24), QPointF(12, 28));
    });
}

QIcon drawingIcon() {
    return painted([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 4.5, 27, 23));
        p.setPen(QPen(QColor(20, 140, 60), 2));
        p.drawPolyline(
            QPolygonF({QPointF(4, 11), QPointF(11, 9), QPointF(18, 12), QPointF(28, 10)}));
        p.setPen(QPen(QColor(30, 90, 200), 3));
        p.drawLine(QPointF(4, 16), QPointF(28, 22));
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (int x : {10, 17, 24}) p.drawLine(x, 5, x, 27);
    });
}

QIcon formatIcon() {
    return painted([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 5.5, 25, 21));
        p.fillRect(QRectF(4, 6, 24, 5), QColor(200, 215, 240));
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (int y = 11; y <= 21; y += 5) p.drawLine(4, y, 28, y);
        for (int x : {12, 20}) p.drawLine(x, 6, x, 26);
        p.setPen(QPen(QColor(30, 90, 200), 2.5));
        p.drawEllipse(QPointF(24, 22), 4, 4);
    });
}

}  // namespace kandoru::shell
