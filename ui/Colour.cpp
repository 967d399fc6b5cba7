#include "Colour.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <optional>

namespace ui {

namespace {

QColor plainColour(Colour colour) {
    return QColor(velmor::redOf(colour), velmor::greenOf(colour), velmor::blueOf(colour));
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
    return plainColour(velmor::standardColour(systemColour(static_cast<int>(index))));
}

} // namespace

QColor toQColor(Colour colour) {
    if (isSystemColour(colour))
        return schemeColour(colour & ~systemColourBase);
    return plainColour(colour);
}

} // namespace ui
