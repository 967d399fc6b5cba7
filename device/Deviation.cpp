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

Colour classColour(int deviationClass) {
    static constexpr std::array<Colour, 7> table{
        rgb(0, 255, 0),    // 0: under 1 %
        rgb(186, 255, 49), // 1
        rgb(255, 255, 0),  // 2: yellow
        rgb(255, 128, 0),  // 3: orange
        rgb(255, 0, 0),    // 4: red
        rgb(120, 90, 90),  // 5
        rgb(100, 100, 100) // 6 and above: grey
    };
    const int last = static_cast<int>(table.size()) - 1;
    return table[static_cast<std::size_t>(std::min(deviationClass, last))];
}

} // namespace velmor
