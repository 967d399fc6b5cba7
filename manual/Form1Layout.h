#pragma once

#include "Colour.h"
#include "Font.h"
#include "Twips.h"

#include <QString>

#include <vector>

namespace ui {
class Form;
}

namespace velmor {

// The manual window as designed: its frame, and every control with its initial properties.

inline const QString form1Caption = QStringLiteral("Velmor test");
inline constexpr int form1ClientWidth = 6900;  // twips
inline constexpr int form1ClientHeight = 3300; // twips
inline constexpr int timer1Interval = 200;     // ms, the measurement cycle
inline constexpr int timer2Interval = 10;      // ms, Limit mode

enum class ControlKind { Label, Button, ScrollBar, TextBox, Shape, Line };

// One control of the layout. Fields a kind does not use keep their defaults.
struct ControlRow {
    QString name{};
    ControlKind kind = ControlKind::Label;
    velmor::TwipsRect place{};             // a line's ends instead: (left, top) to (width, height)
    int tabIndex = -1;                     // -1: not in the tab order
    QString caption{};                     // label and button caption, text box text
    ui::Font font{};                       // empty face: the window's default font
    ui::Colour back = ui::sys::buttonFace; // label and button back colour, shape fill
    bool opaque = true;                    // label background
    bool border = false;                   // label single border
    bool graphical = false;                // button face filled with the back colour
    int largeChange = 0;                   // scroll bars
    bool visible = true;
};

// The controls from front to back: an earlier control is drawn over a later one.
const std::vector<ControlRow>& form1Layout();

// The window's default font, used by the buttons and the text box.
ui::Font form1DefaultFont();

// Creates the controls of the table on the window, in its order, and the two timers: the
// measurement timer enabled, the Limit-mode timer disabled.
void buildForm1Layout(ui::Form& form);

} // namespace velmor
