#include "LimitSetting.h"

#include "Conversions.h"
#include "LoadFrame.h"

namespace velmor {

LimitDisplays limitDisplays(int position5, int position12, int position33, int positionPower) {
    const LoadAmps amps = loadAmps({position5, position12, position33});
    return {formatReading(amps.amps5), formatReading(amps.amps12), formatReading(amps.amps33),
            formatReading(static_cast<double>(powerLimitWatts(positionPower)))};
}

} // namespace velmor
