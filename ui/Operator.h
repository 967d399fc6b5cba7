#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace ui {

// A modal prompt with a message, a title and a pre-filled answer; the text typed, or nothing
// when the operator cancels.
std::optional<QString> prompt(const QString& message, const QString& title,
                              const QString& defaultText, QWidget* parent = nullptr);

// False when the program runs without a screen anyone could look at (the offscreen or minimal
// platform), where a dialog would only wait forever.
bool hasDisplay();

// Tells the operator about an error: always one line on stderr, and a modal message box when
// there is a display.
void reportError(const QString& title, const QString& message, QWidget* parent = nullptr);

} // namespace ui
