#pragma once

#include "LoadFrame.h"

namespace velmor {

// The supply under test as its label rates it: total watts and amperes per output.
struct SupplyLabel {
    double ratedWatts = 0;
    LoadAmps ratedAmps{}; // +5 V, +12 V, +3.3 V
    friend bool operator==(const SupplyLabel&, const SupplyLabel&) = default;
};

// The power the loads draw at the outputs' nominal voltages.
double nominalWatts(const LoadAmps& amps);

} // namespace velmor
