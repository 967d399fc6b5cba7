#pragma once

#include <QImage>

namespace velmor {

// The pictures of the graph window's four sweep buttons, drawn at start-up: 28 x 28 pixels on
// the silver of the button face, each symbol outlined in black. The green symbols are lit from
// the upper left (white upper and left edges, grey lower and right edges); the red disc has a
// white rim along its right and lower edge.
inline constexpr int iconSize = 28;

QImage savePicture();  // red disc
QImage resetPicture(); // green square
QImage pausePicture(); // two green bars
QImage startPicture(); // green triangle pointing right

} // namespace velmor
