#include "LimitSetting.h"

#include "Conversions.h"

namespace velmor {

LimitDisplays limitDisplays(int position5, int position12, int position33, int positionPower) {
    return {formatReading(current5(position5)), formatReading(current12(position12)),
            formatReading(current33(position33)),
            formatReading(static_cast<double>(powerLimitWatts(positionPower)))};
}

} // namespace velmor
