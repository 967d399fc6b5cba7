#pragma once

#include <QString>

#include <optional>

namespace velmor {

// The unit's line: 9600 baud, no parity, 8 data bits, 1 stop bit.
inline constexpr int unitPortNumber = 1;
inline const QString unitLineSettings = QStringLiteral("9600,N,8,1");

enum class Parity { None, Even, Odd, Mark, Space };

struct LineSettings {
    int baud = 0;
    Parity parity = Parity::None;
    int dataBits = 0;
    int stopBits = 0;
};

// Parses "baud,parity letter,data bits,stop bits"; nothing for a malformed text.
std::optional<LineSettings> parseLineSettings(const QString& text);

} // namespace velmor
