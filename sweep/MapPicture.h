#pragma once

#include "ColourValue.h"
#include "MapRecord.h"

#include <QImage>

namespace velmor {

// What an empty map shows.
inline constexpr Colour mapBackColour = sys::menuText;

// The map of the cells as Picture1 draws it, on an image of the given device pixels at `ratio`
// device pixels per logical pixel: pixel for pixel what the window saves, in the standard scheme.
QImage drawMap(const MapRecord& cells, QSize pixels, qreal ratio);

} // namespace velmor
