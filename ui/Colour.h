#pragma once

#include <QColor>
#include <QtGlobal>

namespace ui {

// A colour value as the windows store it: 0x00BBGGRR for an RGB colour (red + 256 * green +
// 65536 * blue), or 0x80000000 + index for a colour of the operator's colour scheme.
using Colour = quint32;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) +
           65536u * static_cast<Colour>(blue);
}

inline constexpr Colour systemColourBase = 0x80000000u;
constexpr Colour systemColour(int index) {
    return systemColourBase + static_cast<Colour>(index);
}
constexpr bool isSystemColour(Colour c) {
    return (c & systemColourBase) != 0;
}

// The scheme colours the windows use, by their index in the platform's colour table.
namespace sys {
inline constexpr Colour window = systemColour(5);
inline constexpr Colour menuText = systemColour(7);
inline constexpr Colour windowText = systemColour(8);
inline constexpr Colour captionText = systemColour(9);
inline constexpr Colour activeBorder = systemColour(10);
inline constexpr Colour highlightText = systemColour(14);
inline constexpr Colour buttonFace = systemColour(15);
inline constexpr Colour buttonText = systemColour(18);
} // namespace sys

inline constexpr Colour white = rgb(255, 255, 255);
inline constexpr Colour red = rgb(255, 0, 0);

// A scheme colour is the desktop's own, through the palette role that plays its part (window:
// Base, menu text: WindowText, window text: Text, caption and highlight text: HighlightedText,
// button face and active border: Button, button text: ButtonText). Where the desktop gives Qt no
// scheme, and for other indexes, it is the standard scheme's: window, caption text and highlight
// text white; menu text, window text and button text black; button face, active border and the
// rest light grey (silver, 192, 192, 192, the background of the picture buttons).
QColor toQColor(Colour colour);

} // namespace ui
