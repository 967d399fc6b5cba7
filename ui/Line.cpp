#include "Line.h"

#include "Twips.h"

#include <QPainter>

#include <algorithm>

namespace ui {

Line::Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(int x1, int y1, int x2, int y2) {
    const QPoint a = velmor::toPixels(x1, y1);
    const QPoint b = velmor::toPixels(x2, y2);
    const QPoint topLeft(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    setGeometry(QRect(topLeft, QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))));
    from_ = a - topLeft;
    to_ = b - topLeft;
    update();
}

void Line::setColour(Colour colour) {
    colour_ = colour;
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(toQColor(colour_), 0));
    painter.drawLine(from_, to_);
}

} // namespace ui

#include "moc_Line.cpp"
