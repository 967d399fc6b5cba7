#pragma once

#include "Limits.h"
#include "SweepPosition.h"
#include "UnitIdentity.h"

#include <QByteArray>

namespace velmor {

// What lives as long as the program and both windows reach: the limits, the sweep position,
// what the last tick of either window read from the port, and the unit under test. Everything
// starts at zero.
struct SharedState : LoadLimits, SweepPosition {
    QByteArray lastReply;
    UnitIdentity unit;
};

} // namespace velmor
