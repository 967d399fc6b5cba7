#include "Colour.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <optional>

namespace ui {

namespace {

// The standard scheme's colour for an index.
QColor standardColour(quint32 index) {
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

// The palette role that plays the part of a scheme index.
std::optional<QPalette::ColorRole> paletteRole(quint32 index) {
    switch (index) {
    case 5: // window: the background of text and drawing areas
        return QPalette::Base;
    case 7: // menu text
        return QPalette::WindowText;
    case 8: // window text
        return QPalette::Text;
    case 9:  // caption text: light on the dark title bar, as highlighted text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 10: // active border
    case 15: // button face
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    default:
        return std::nullopt;
    }
}

// True when the desktop gave Qt a colour scheme; without one the application's palette is the
// style's own, which does not stand for anyone's choice.
bool platformHasScheme() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    return QApplication::palette() != QApplication::style()->standardPalette();
}

QColor schemeColour(quint32 index) {
    const auto role = paletteRole(index);
    if (role && platformHasScheme())
        return QApplication::palette().color(QPalette::Active, *role);
    return standardColour(index);
}

} // namespace

QColor toQColor(Colour colour) {
    if (isSystemColour(colour))
        return schemeColour(colour & ~systemColourBase);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

} // namespace ui
