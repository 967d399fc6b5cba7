#pragma once

#include "ColourValue.h"
#include "Frames.h"
#include "Unit.h"

namespace velmor {

// How far an output sits from its nominal voltage, in whole percent, truncated: class 0 is
// under 1 %, class 5 from 5 % to under 6 %, 6 and above is 6 % or more. The volts are the
// one-step ones the graph window shows.
int deviationClass5(int b2);  // from the +5 V reading
int deviationClass12(int b3); // from the +12 V reading
// The same of the output's volts however obtained (a calibration's corrected volts).
int deviationClass(const UnitOutput& output, double volts);

// Both classes of a reply.
struct DeviationClasses {
    int k5 = 0;
    int k12 = 0;
};
DeviationClasses deviationClasses(const ReplyFrame& reply);

// The worse of the two classes colours the map cell.
constexpr int cellClass(int k5, int k12) {
    return k5 - k12 >= 0 ? k5 : k12;
}

// The one colour table of the indicator squares and the map cells.
Colour classColour(int deviationClass);

} // namespace velmor
