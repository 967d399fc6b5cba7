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

// The graph window's Picture1 inside its two-pixel border, in logical pixels: the map's size.
inline constexpr QSize mapPictureSize{693, 685};

// That size in device pixels at `ratio` device pixels per logical pixel, as the window keeps it.
QSize mapPicturePixels(qreal ratio);

} // namespace velmor
