#include "StepKinds.h"

#include <array>

namespace velmor {

namespace {

// One line per kind.
constexpr std::array kinds{
    StepKind{"points", readPointsStep},
    StepKind{"sweep", readSweepStep},
    StepKind{"trip", readTripStep},
};

} // namespace

std::span<const StepKind> stepKinds() {
    return kinds;
}

} // namespace velmor
