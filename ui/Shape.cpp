#include "Shape.h"

#include <QPainter>

#include <algorithm>

namespace ui {

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setKind(Kind kind) {
    kind_ = kind;
    update();
}

void Shape::setFillColour(Colour colour) {
    fill_ = colour;
    update();
}

void Shape::setOutlineColour(Colour colour) {
    outline_ = colour;
    update();
}

QRect Shape::shapeRect() const {
    if (kind_ == Kind::Rectangle)
        return rect();
    const int side = std::min(width(), height());
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = shapeRect();
    painter.fillRect(area, toQColor(fill_));
    painter.setPen(QPen(toQColor(outline_), 0));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace ui

#include "moc_Shape.cpp"
