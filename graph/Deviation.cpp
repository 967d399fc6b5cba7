#include "Deviation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmor {

int deviationClass5(int b2) {
    // Hundredths of a volt away from 5 V, in steps of 0.05 V (1 % of 5 V).
    const double deviation = std::abs(static_cast<double>(b2 * 2) / 255 - 1) * 100;
    return static_cast<int>(std::lround(deviation)) / 5;
}

int deviationClass12(int b3) {
    // Hundredths of a volt away from 12 V, in steps of 0.12 V (1 % of 12 V).
    const double deviation = std::abs(b3 * 4.8 / 255 + 9.6 - 12) * 100;
    return static_cast<int>(std::lround(deviation)) / 12;
}

Rgb classColour(int deviationClass) {
    static constexpr std::array<Rgb, 7> table{
        Rgb{0, 255, 0},    // 0: under 1 %
        Rgb{186, 255, 49}, // 1
        Rgb{255, 255, 0},  // 2: yellow
        Rgb{255, 128, 0},  // 3: orange
        Rgb{255, 0, 0},    // 4: red
        Rgb{120, 90, 90},  // 5
        Rgb{100, 100, 100} // 6 and above: grey
    };
    const int last = static_cast<int>(table.size()) - 1;
    return table[static_cast<std::size_t>(std::min(deviationClass, last))];
}

} // namespace velmor
