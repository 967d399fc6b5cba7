#include "Deviation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmor {

namespace {

// Hundredths of a volt away from nominal (rounded), in steps of 1 % of nominal: 0.05 V for
// +5 V, 0.12 V for +12 V.
int deviationClass(const UnitOutput& output, int reading) {
    const double hundredths = std::abs(output.volts(reading) - output.nominalVolts) * 100;
    return static_cast<int>(std::lround(hundredths)) / static_cast<int>(output.nominalVolts);
}

} // namespace

int deviationClass5(int b2) {
    return deviationClass(output5, b2);
}

int deviationClass12(int b3) {
    return deviationClass(output12, b3);
}

DeviationClasses deviationClasses(const ReplyFrame& reply) {
    return {deviationClass5(reply.b2), deviationClass12(reply.b3)};
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
