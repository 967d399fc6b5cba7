#include "Measurement.h"

#include <utility>

namespace velmor {

Outcome judge(double value, const Limits& limits) {
    if ((limits.low && value < *limits.low) || (limits.high && value > *limits.high))
        return Outcome::Fail;
    if ((limits.guardLow && value < *limits.guardLow) ||
        (limits.guardHigh && value > *limits.guardHigh))
        return Outcome::Marginal;
    return Outcome::Pass;
}

Measurement measured(QString name, double value, QString unit, const Limits& limits) {
    return {std::move(name), value, std::move(unit), limits, judge(value, limits), std::nullopt};
}

Outcome worstOf(const std::vector<Measurement>& measurements) {
    Outcome worst = Outcome::Pass;
    for (const Measurement& m : measurements)
        worst = worse(worst, m.outcome);
    return worst;
}

} // namespace velmor
