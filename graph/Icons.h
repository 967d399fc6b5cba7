#pragma once

#include <QImage>

namespace velmor {

// The pictures of the graph window's four sweep buttons, drawn at start-up: 28 x 28 pixels on
// the silver of the button face, each symbol outlined in black. The green symbols are lit from
// the upper left (white upper and left edges, grey lower and right edges); the red disc has a
// white rim along its right and lower edge.
// On a scaled display they are drawn at the screen's device pixel ratio (28 x 28 logical
// pixels, 42 x 42 image pixels at 1.5), so they are as sharp as the screen.
inline constexpr int iconSize = 28;

QImage savePicture(qreal ratio = 1);  // red disc
QImage resetPicture(qreal ratio = 1); // green square
QImage pausePicture(qreal ratio = 1); // two green bars
QImage startPicture(qreal ratio = 1); // green triangle pointing right

} // namespace velmor
