#pragma once

#include <QtGlobal>

namespace velmor {

// Where the cross-load sweep stands between its ticks.
struct SweepPosition {
    // The present +12 V and +5 V load steps: the column and row of the map cell.
    int load12Step = 0;
    int load5Step = 0;

    // The supply switch the sweep puts first in each frame: 1 after start, 0 after reset.
    qint16 graphSupplyOn = 0;
};

} // namespace velmor
