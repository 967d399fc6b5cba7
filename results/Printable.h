#pragma once

#include <QString>

namespace velmor::results {

// The text with every control character written as an escape ("\n", "\t", "\r", "\0", else
// "\x1b"), so that a stored name or host can neither move a terminal's cursor, retitle its
// window, clear it, fake a row nor cut the output short.
QString printable(const QString& text);

} // namespace velmor::results
