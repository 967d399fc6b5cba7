#pragma once

#include <QString>

namespace velmor {

// What Limit mode shows for the four scroll positions: each load limit as the current it allows
// (in the place where the measurement shows that current) and the power limit in watts.
struct LimitDisplays {
    QString current5;
    QString current12;
    QString current33;
    QString powerWatts;
};

LimitDisplays limitDisplays(int position5, int position12, int position33, int positionPower);

} // namespace velmor
