#include "Profile.h"

namespace velmor {

std::optional<Profile> namedProfile(QStringView name) {
    if (name == QLatin1String("atx"))
        return Profile{QStringLiteral("atx"), {-5, 5}, {-5, 5}, {-5, 5}, 0};
    if (name == QLatin1String("atx3"))
        return Profile{QStringLiteral("atx3"), {-5, 5}, {-7, 5}, {-5, 5}, 0};
    return std::nullopt;
}

Limits voltsLimits(const UnitOutput& output, const Tolerance& tolerance, double guardPercent) {
    const double v = output.nominalVolts;
    Limits limits{v * (100 + tolerance.lowPercent) / 100, v * (100 + tolerance.highPercent) / 100,
                  std::nullopt, std::nullopt};
    if (guardPercent > 0) {
        limits.guardLow = v * (100 + tolerance.lowPercent + guardPercent) / 100;
        limits.guardHigh = v * (100 + tolerance.highPercent - guardPercent) / 100;
    }
    return limits;
}

} // namespace velmor
