#include "BoxPaint.h"

#include "Twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmor {

namespace {

using velmor::twipsPerPixel;

// Twips to device pixels, to the nearest; at a ratio of 1 this is twipsToPixels.
int twipsToDevicePixels(int twips, qreal ratio) {
    return static_cast<int>(std::lround(twips * ratio / twipsPerPixel));
}

// The device pixel span [from, to) covered by a box edge from a to b twips, at least one pixel
// wide.
std::pair<int, int> span(int a, int b, qreal ratio) {
    const int from = twipsToDevicePixels(std::min(a, b), ratio);
    const int to = twipsToDevicePixels(std::max(a, b), ratio);
    return {from, std::max(to, from + 1)};
}

} // namespace

QColor standardQColor(Colour colour) {
    const Colour plain = standardColour(colour);
    return QColor(redOf(plain), greenOf(plain), blueOf(plain));
}

QRect paintBox(QImage& image, int x1, int y1, int x2, int y2, const QColor& colour, qreal ratio) {
    const auto [left, right] = span(x1, x2, ratio);
    const auto [top, bottom] = span(y1, y2, ratio);
    const QRect box(QPoint(left, top), QPoint(right - 1, bottom - 1));
    QPainter(&image).fillRect(box, colour);
    return box;
}

} // namespace velmor
