#include "Icons.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace velmor {

namespace {

const QColor silver(192, 192, 192);
const QColor grey(128, 128, 128);
const QColor green(0, 255, 0);
const QColor red(255, 0, 0);

// The painter then works in logical pixels, whatever the ratio.
QImage blankPicture(qreal ratio) {
    const int side = static_cast<int>(std::ceil(iconSize * ratio));
    QImage image(side, side, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(silver);
    return image;
}

// A raised green block: black outline, white upper and left inner edge, grey lower and right.
void drawRaisedBlock(QPainter& p, const QRect& outline) {
    p.setPen(Qt::black);
    p.setBrush(green);
    p.drawRect(outline.adjusted(0, 0, -1, -1));
    const QRect inner = outline.adjusted(1, 1, -2, -2);
    p.setPen(Qt::white);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(grey);
    p.drawLine(inner.bottomLeft() + QPoint(1, 0), inner.bottomRight());
    p.drawLine(inner.topRight() + QPoint(0, 1), inner.bottomRight());
}

} // namespace

QImage savePicture(qreal ratio) {
    QImage image = blankPicture(ratio);
    QPainter p(&image);
    const QRect disc(5, 5, 18, 18);
    p.setPen(Qt::black);
    p.setBrush(red);
    p.drawEllipse(disc.adjusted(0, 0, -1, -1));
    // The rim runs from the lower left round to the upper right, inside the outline.
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(disc.adjusted(1, 1, -2, -2), -135 * 16, 180 * 16);
    return image;
}

QImage resetPicture(qreal ratio) {
    QImage image = blankPicture(ratio);
    QPainter p(&image);
    drawRaisedBlock(p, QRect(5, 5, 18, 18));
    return image;
}

QImage pausePicture(qreal ratio) {
    QImage image = blankPicture(ratio);
    QPainter p(&image);
    drawRaisedBlock(p, QRect(6, 2, 7, 24));
    drawRaisedBlock(p, QRect(15, 2, 7, 24));
    return image;
}

QImage startPicture(qreal ratio) {
    QImage image = blankPicture(ratio);
    QPainter p(&image);
    // Left edge 26 pixels high two pixels in from the border, tip 24 pixels to its right.
    const QPolygon outline({QPoint(2, 1), QPoint(26, 13), QPoint(26, 14), QPoint(2, 26)});
    p.setPen(Qt::black);
    p.setBrush(green);
    p.drawPolygon(outline);
    p.setPen(Qt::white);
    p.drawLine(QPoint(3, 3), QPoint(3, 24));
    p.drawLine(QPoint(3, 3), QPoint(23, 13));
    p.setPen(grey);
    p.drawLine(QPoint(4, 24), QPoint(23, 14));
    return image;
}

} // namespace velmor
