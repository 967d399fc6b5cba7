#pragma once

#include "Calibration.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace velmor {

// What the source is set to at a point of the calibration and, where given, what the reference
// meter showed then.
struct ReferencePoint {
    Input input = Input::Volts5;
    double sourceVolts = 0;
    std::optional<double> meterVolts;
};

// The points a calibration takes when none are given: low, nominal and high on each input.
std::vector<ReferencePoint> suggestedPoints();

// The highest meter reading taken for an input: twice its nominal volts.
inline double meterCeiling(Input input) {
    return unitOutputOf(input).nominalVolts * 2;
}

// A number as the operator types it, "," or "." as the decimal point, when it lies within
// low..high; none otherwise.
std::optional<double> typedNumber(const QString& text, double low, double high);

// Months until a calibration is due: the default and the most a lab may give.
inline constexpr int defaultDueMonths = 12;
inline constexpr int maxDueMonths = 60;

// Sets the simulated unit's reference source onto an input (the others read nothing); none on a
// real unit, where the operator sets the source.
using SetSource = std::function<void(Input input, double volts)>;

} // namespace velmor
