#include "Colour.h"

namespace ui {

namespace {

QColor schemeColour(quint32 index) {
    switch (index) {
    case 5:  // window
    case 9:  // caption text
    case 14: // highlight text
        return QColor(255, 255, 255);
    case 7:  // menu text
    case 8:  // window text
    case 18: // button text
        return QColor(0, 0, 0);
    default: // button face, active border and the rest of the scheme
        return QColor(192, 192, 192);
    }
}

} // namespace

QColor toQColor(Colour colour) {
    if (isSystemColour(colour))
        return schemeColour(colour & ~systemColourBase);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

} // namespace ui
