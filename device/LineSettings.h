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

// The settings as logs and link traces show them: "9600,N,8,1".
QString lineSettingsText(const LineSettings& settings);

} // namespace velmor
