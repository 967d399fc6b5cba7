#pragma once

#include "Limits.h"

namespace velmor {

// The limits a sweep ran with.
struct SweepLimits {
    int loadLimit1 = 0;
    int loadLimit2 = 0;
    int powerLimit = 0;
};

// The limits a sweep takes from those the windows share.
constexpr SweepLimits sweepLimitsOf(const LoadLimits& limits) {
    return {limits.loadLimit1, limits.loadLimit2, limits.powerLimit};
}

} // namespace velmor
