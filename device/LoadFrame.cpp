#include "LoadFrame.h"

#include <algorithm>
#include <cmath>

namespace velmor {

namespace {

// No load for anything below a step's half, or not a number.
int nearestSetting(const UnitOutput& output, double amps) {
    const double steps = amps / output.loadStepAmps();
    if (!(steps >= 0))
        return 0;
    return static_cast<int>(std::lround(std::min(steps, double{maxLoadSetting})));
}

} // namespace

LoadAmps loadAmps(const LoadSettings& s) {
    return {output5.amps(s.load5), output12.amps(s.load12), output33.amps(s.load33)};
}

SetLoads loadFrame(bool supplyOn, const LoadAmps& wanted) {
    const LoadSettings settings{nearestSetting(output5, wanted.amps5),
                                nearestSetting(output12, wanted.amps12),
                                nearestSetting(output33, wanted.amps33)};
    return {controlFrame(supplyOn, settings), settings, loadAmps(settings)};
}

} // namespace velmor
