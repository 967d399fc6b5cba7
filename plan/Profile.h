#pragma once

#include "Measurement.h"
#include "Unit.h"

#include <QString>

#include <optional>

namespace velmor {

// How far each output may stray from nominal, in percent (low negative, high positive).
struct Tolerance {
    double lowPercent = -5;
    double highPercent = 5;
    friend bool operator==(const Tolerance&, const Tolerance&) = default;
};

// The tolerance profile a plan judges the three outputs by, with an optional guard band: a
// reading closer than guardPercent (percentage points) to a limit is marginal.
struct Profile {
    QString name; // "atx", "atx3", or the plan's own name for a table of its own
    Tolerance out5{};
    Tolerance out12{};
    Tolerance out33{};
    double guardPercent = 0;
    friend bool operator==(const Profile&, const Profile&) = default;
};

// `atx`: ±5 % on every output; `atx3`: +12 V −7 %/+5 %, the others ±5 %.
std::optional<Profile> namedProfile(QStringView name);

// The volts limits of one output under a profile's tolerance, with the guard band.
Limits voltsLimits(const UnitOutput& output, const Tolerance& tolerance, double guardPercent);

} // namespace velmor
