#pragma once

#include "Frames.h"

#include <QChar>
#include <QString>

namespace velmor {

// The arithmetic of one measurement tick, apart from the window that shows it.

// What the voltage readouts show while the unit does not answer.
inline const QString noLink5 = QStringLiteral("нет");
inline const QString noLink12 = QStringLiteral("связи");
inline const QString noLink33 = QStringLiteral("---");

// A reply byte as one readable character: printable ASCII (blank included) as it is, anything
// else as a middle dot, so the line keeps one place per byte; the exact code follows in decimal.
QChar readableByte(quint8 byte);

// The diagnostic line of a reply: c1 "_" c2 "__" b1 " " b2 "__" I " _" T "_ " H, where I, T
// and H are the digits of the +5 V converter voltage. For 65, 102, 128, 128:
// "A_f__65 102__2 _0_ 0".
QString diagnosticLine(const ReplyFrame& reply);

// A load setting held to its limit; a setting equal to the limit stays.
constexpr int clampToLimit(int setting, int limit) {
    return setting > limit ? limit : setting;
}

// Overload is a power strictly above the limit of 2 W per unit of the power limit.
bool isOverload(double power, int powerLimit);

} // namespace velmor
