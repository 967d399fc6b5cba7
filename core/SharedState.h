#pragma once

#include "Limits.h"
#include "SweepPosition.h"

#include <QByteArray>

namespace velmor {

// What lives as long as the program and both windows reach: the limits, the sweep position and
// what the last tick of either window read from the port. Everything starts at zero.
struct SharedState : Limits, SweepPosition {
    QByteArray lastReply;
};

} // namespace velmor
