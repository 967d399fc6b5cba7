#pragma once

#include "Frames.h"

namespace velmor {

// Load currents in amperes on the +5 V, +12 V and +3.3 V outputs.
struct LoadAmps {
    double amps5 = 0;
    double amps12 = 0;
    double amps33 = 0;
    friend bool operator==(const LoadAmps&, const LoadAmps&) = default;
};

// The currents the unit's loads draw at these settings.
LoadAmps loadAmps(const LoadSettings& settings);

// A frame asking for loads in amperes: each rounded to the nearest load setting and held within
// no load .. full scale, with the settings and the currents actually set.
struct SetLoads {
    ControlFrame frame;
    LoadSettings settings;
    LoadAmps amps;
};
SetLoads loadFrame(bool supplyOn, const LoadAmps& wanted);

} // namespace velmor
