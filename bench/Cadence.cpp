#include "Cadence.h"

#include <algorithm>
#include <cmath>

namespace velmor::bench {

double percentile(std::vector<double> values, double percent) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(percent / 100.0 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

Cadence cadence(const std::vector<qint64>& stampsUs, double designMs) {
    Cadence c;
    if (stampsUs.size() < 2)
        return c;
    std::vector<double> deviations;
    for (std::size_t i = 1; i < stampsUs.size(); ++i) {
        const double periodMs = static_cast<double>(stampsUs[i] - stampsUs[i - 1]) / 1000.0;
        deviations.push_back(std::abs(periodMs - designMs));
    }
    c.periods = static_cast<int>(deviations.size());
    c.spanMs = static_cast<double>(stampsUs.back() - stampsUs.front()) / 1000.0;
    c.meanMs = c.spanMs / c.periods;
    c.errorPercent = (c.meanMs - designMs) / designMs * 100.0;
    c.p50DeviationMs = percentile(deviations, 50);
    c.p99DeviationMs = percentile(deviations, 99);
    c.maxDeviationMs = *std::max_element(deviations.begin(), deviations.end());
    return c;
}

} // namespace velmor::bench
