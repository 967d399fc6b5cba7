#include "StepKinds.h"

#include <array>

namespace velmor {

namespace {

// One line per kind.
constexpr std::array kinds{
    StepKind{"points", readPointsStep},
    StepKind{"sweep", readSweepStep},
    StepKind{"trip", readTripStep},
    StepKind{"hold", readHoldStep},
};

} // namespace

std::span<const StepKind> stepKinds() {
    return kinds;
}

} // namespace velmor
