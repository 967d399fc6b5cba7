#pragma once

#include <QtGlobal>

namespace velmor {

// The one colour value of the program, as the windows store it and the map, the reports and the
// controls take it: 0x00BBGGRR for an RGB colour (red + 256 * green + 65536 * blue), or
// 0x80000000 + index for a colour of the operator's colour scheme.
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

// The RGB colour a scheme colour has in the standard scheme, where no desktop gives one (and in a
// saved map or report): window, caption text and highlight text white; menu text, window text and
// button text black; button face, active border and the rest light grey (silver). An RGB colour
// stays as it is.
constexpr Colour standardColour(Colour colour) {
    if (!isSystemColour(colour))
        return colour;
    switch (colour & ~systemColourBase) {
    case 5:  // window
    case 9:  // caption text
    case 14: // highlight text
        return white;
    case 7:  // menu text
    case 8:  // window text
    case 18: // button text
        return rgb(0, 0, 0);
    default: // button face, active border and the rest of the scheme
        return rgb(192, 192, 192);
    }
}

constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace velmor
