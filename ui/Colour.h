#pragma once

#include "ColourValue.h"

#include <QColor>

namespace ui {

using velmor::Colour;
using velmor::isSystemColour;
using velmor::red;
using velmor::rgb;
using velmor::systemColour;
using velmor::systemColourBase;
using velmor::white;
namespace sys = velmor::sys;

// A scheme colour is the desktop's own, through the palette role that plays its part (window:
// Base, menu text: WindowText, window text: Text, caption and highlight text: HighlightedText,
// button face and active border: Button, button text: ButtonText). Where the desktop gives Qt no
// scheme, and for other indexes, it is the standard scheme's (velmor::standardColour).
QColor toQColor(Colour colour);

} // namespace ui
