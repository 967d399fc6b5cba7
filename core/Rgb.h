#pragma once

#include <QtGlobal>

namespace velmor {

// A colour as the windows' logic decides it, free of any widget type. value() is the form the
// windows store: red + 256 * green + 65536 * blue (0x00BBGGRR).
struct Rgb {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    constexpr quint32 value() const { return red + 256u * green + 65536u * blue; }
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb red{255, 0, 0};

} // namespace velmor
