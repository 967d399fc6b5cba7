#include "StepKinds.h"

#include <array>

namespace velmor {

namespace {

// One line per kind.
constexpr std::array kinds{
    StepKind{"points", readPointsStep},
};

} // namespace

std::span<const StepKind> stepKinds() {
    return kinds;
}

} // namespace velmor
