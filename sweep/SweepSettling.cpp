#include "SweepSettling.h"

#include "Sweep.h"
#include "Unit.h"

namespace velmor {

std::vector<RunReading> sweepReadings(const MapRecord& record) {
    std::vector<RunReading> readings;
    readings.reserve(record.size());
    for (std::size_t i = 0; i < record.size(); ++i) {
        const Reading reading = cellReading(record[i]);
        RunReading r = runReading(static_cast<qint64>(i) * sweepTickMs, i > 0, {}, reading.volts5,
                                  reading.volts12, reading.volts33);
        if (i > 0) {
            const MapCell& before = record[i - 1];
            const LoadSettings loads = loadSettings(sweepFrame(1, before.column + 1, before.row));
            r.load5 = loads.load5;
            r.load12 = loads.load12;
            r.load33 = loads.load33;
        }
        readings.push_back(r);
    }
    return readings;
}

SettledRun settleSweep(const MapRecord& record) {
    return settleRun(sweepReadings(record), {}, AtShutdown::StopJudging);
}

} // namespace velmor
