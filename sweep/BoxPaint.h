#pragma once

#include "ColourValue.h"

#include <QColor>
#include <QImage>
#include <QRect>

namespace velmor {

// The colour as a saved map or a report shows it: a scheme colour in the standard scheme.
QColor standardQColor(Colour colour);

// Fills the box between two corners in twips on an image of `ratio` device pixels per logical
// pixel, as the picture box of the graph window does; returns the device pixels filled.
QRect paintBox(QImage& image, int x1, int y1, int x2, int y2, const QColor& colour, qreal ratio);

} // namespace velmor
