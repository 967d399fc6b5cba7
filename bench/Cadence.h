#pragma once

#include <QtGlobal>

#include <vector>

namespace velmor::bench {

// How evenly frames came: the periods between consecutive receive times against the design
// period. Deviations are absolute, per period.
struct Cadence {
    int periods = 0;
    double meanMs = 0;
    double errorPercent = 0; // (mean - design) / design
    double p50DeviationMs = 0;
    double p99DeviationMs = 0;
    double maxDeviationMs = 0;
    double spanMs = 0; // first to last stamp
};

// From receive times in microseconds, in arrival order; needs at least two.
Cadence cadence(const std::vector<qint64>& stampsUs, double designMs);

// The nearest-rank percentile (0..100) of the values; 0 for none.
double percentile(std::vector<double> values, double percent);

} // namespace velmor::bench
