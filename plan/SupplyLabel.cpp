#include "SupplyLabel.h"

namespace velmor {

double nominalWatts(const LoadAmps& amps) {
    return amps.amps5 * output5.nominalVolts + amps.amps12 * output12.nominalVolts +
           amps.amps33 * output33.nominalVolts;
}

} // namespace velmor
