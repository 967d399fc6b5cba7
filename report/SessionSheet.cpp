#include "SessionSheet.h"

#include <algorithm>
#include <cmath>

namespace velmor {

namespace {

bool outsideBand(double volts, double nominal) {
    return std::abs(volts - nominal) >= 0.05 * nominal;
}

} // namespace

SettledRun settleSession(const std::vector<SessionSample>& samples) {
    std::vector<RunReading> readings;
    readings.reserve(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const SessionSample& s = samples[i];
        RunReading r = runReading(s.ms, i > 0, {}, s.volts5, s.volts12, s.volts33);
        if (i > 0 && !samples[i - 1].overload) {
            r.load5 = samples[i - 1].load5;
            r.load12 = samples[i - 1].load12;
            r.load33 = samples[i - 1].load33;
        }
        readings.push_back(r);
    }
    return settleRun(readings);
}

OutputFigures outputFigures(const std::vector<SessionSample>& samples, double SessionSample::*volts,
                            const UnitOutput& output) {
    const double nominal = output.nominalVolts;
    OutputFigures f;
    const SettledRun settled = settleSession(samples);
    if (settled.judged == 0)
        return f;
    bool first = true;
    double sum = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (settled.settling[i] != Settling::Judged)
            continue;
        const double v = samples[i].*volts;
        f.min = first ? v : std::min(f.min, v);
        f.max = first ? v : std::max(f.max, v);
        first = false;
        if (output.endOf(v) == RangeEnd::Inside) {
            sum += v;
            ++f.averaged;
        }
        if (i + 1 < samples.size() && outsideBand(v, nominal))
            f.msOutside += samples[i + 1].ms - samples[i].ms;
    }
    f.judged = settled.judged;
    f.mean = f.averaged > 0 ? sum / f.averaged : 0;
    return f;
}

} // namespace velmor
