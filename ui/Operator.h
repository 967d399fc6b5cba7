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

// Tells the operator once that a window's port went (with the reason) or came back (nothing):
// while it is gone the window's title says so after its caption, so a lost adapter can be told
// from a silent unit (both show no link in the readouts), and one line goes to stderr each way,
// never a dialog per tick.
void showLinkState(QWidget* window, const QString& caption,
                   const std::optional<QString>& lostReason, int retryMs);

// Tells the operator about an error: always one line on stderr, and a modal message box when
// there is a display.
void reportError(const QString& title, const QString& message, QWidget* parent = nullptr);

} // namespace ui
