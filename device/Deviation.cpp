#include "Deviation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmor {

// Hundredths of a volt away from nominal (rounded), in steps of 1 % of nominal: 0.05 V for
// +5 V, 0.12 V for +12 V.
int deviationClass(const UnitOutput& output, double volts) {
    const double hundredths = std::abs(volts - output.nominalVolts) * 100;
    return static_cast<int>(std::lround(hundredths)) / static_cast<int>(output.nominalVolts);
}

int deviationClass5(int b2) {
    return deviationClass(output5, output5.volts(b2));
}

int deviationClass12(int b3) {
    return deviationClass(output12, output12.volts(b3));
}

DeviationClasses deviationClasses(const ReplyFrame& reply) {
    return {deviationClass5(reply.b2), deviationClass12(reply.b3)};
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
