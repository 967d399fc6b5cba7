#pragma once

#include <QString>

namespace velmor {

enum class Parity { None, Even, Odd, Mark, Space };

// How a serial line frames its bytes.
struct LineSettings {
    int baud = 9600;
    Parity parity = Parity::None;
    int dataBits = 8; // 5..8
    int stopBits = 1; // 1 or 2
    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// The unit's line: port 1, 9600 baud, no parity, 8 data bits, 1 stop bit.
inline constexpr int unitPortNumber = 1;
inline constexpr LineSettings unitLineSettings{9600, Parity::None, 8, 1};

// The bits the line sends for one byte: a start bit, the data bits, a parity bit if any and the
// stop bits.
constexpr int bitsPerByte(const LineSettings& s) {
    return 1 + s.dataBits + (s.parity == Parity::None ? 0 : 1) + s.stopBits;
}

// How long the line takes to carry this many bytes, rounded up: a frame at 9600 8N1 takes
// 4167 µs, so no unit answers a frame sooner than 8.3 ms after it began to leave.
constexpr qint64 lineMicroseconds(const LineSettings& s, int bytes) {
    return (static_cast<qint64>(bytes) * bitsPerByte(s) * 1000000 + s.baud - 1) / s.baud;
}

// The settings as logs and link traces show them: "9600,N,8,1".
QString lineSettingsText(const LineSettings& settings);

} // namespace velmor
