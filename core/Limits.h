#pragma once

#include <QtGlobal>

namespace velmor {

// Upper bounds of the +5 V, +12 V and +3.3 V load settings (0..255), and the power limit in
// units of 2 W. The manual window presets them at every load; Limit mode sets them; the
// measurement cycle enforces them; the cross-load sweep takes its bounds from them.
struct LoadLimits {
    qint16 loadLimit1 = 0;
    qint16 loadLimit2 = 0;
    qint16 loadLimit3 = 0;
    qint16 powerLimit = 0;
    friend bool operator==(const LoadLimits&, const LoadLimits&) = default;
};

// What the manual window sets at every load: 80, 80, 70 and 140 W.
inline constexpr LoadLimits presetLimits{80, 80, 70, 70};

} // namespace velmor
