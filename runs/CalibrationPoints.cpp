#include "CalibrationPoints.h"

#include <cmath>

namespace velmor {

std::vector<ReferencePoint> suggestedPoints() {
    std::vector<ReferencePoint> points;
    for (const Input input : allInputs) {
        const double nominal = unitOutputOf(input).nominalVolts;
        for (const double share : {0.88, 1.0, 1.12})
            points.push_back({input, std::round(nominal * share * 10) / 10, std::nullopt});
    }
    return points;
}

std::optional<double> typedNumber(const QString& text, double low, double high) {
    bool ok = false;
    const double value =
        QString(text.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (ok && value >= low && value <= high)
        return value;
    return std::nullopt;
}

} // namespace velmor
