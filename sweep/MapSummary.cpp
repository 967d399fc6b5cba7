#include "MapSummary.h"

#include "Deviation.h"
#include "SweepSettling.h"
#include "Unit.h"

#include <cmath>

namespace velmor {

double cellDeviation5(const MapCell& cell) {
    return cellReading(cell).volts5 - output5.nominalVolts;
}

double cellDeviation12(const MapCell& cell) {
    return cellReading(cell).volts12 - output12.nominalVolts;
}

OutputReading outputReading(const MapCell& cell, Output output) {
    const Reading reading = cellReading(cell);
    if (output == Output::Plus5)
        return {reading.volts5, output5.nominalVolts, cell.k5};
    return {reading.volts12, output12.nominalVolts, cell.k12};
}

bool insideAtxBand(const MapCell& cell, const Calibration& calibration) {
    if (!calibration.isCalibrated())
        return insideAtxBand(cell);
    const Reading r = calibration.corrected(cellReading(cell));
    return deviationClass(output5, r.volts5) <= 4 && deviationClass(output12, r.volts12) <= 4;
}

MapSummary summarize(const MapRecord& record) {
    return summarize(record, settleSweep(record));
}

MapSummary summarize(const MapRecord& record, const SettledRun& settled) {
    return summarize(record, settled, Calibration{});
}

MapSummary summarize(const MapRecord& record, const Calibration& calibration) {
    return summarize(record, settleSweep(record), calibration);
}

MapSummary summarize(const MapRecord& record, const SettledRun& run,
                     const Calibration& calibration) {
    MapSummary summary;
    summary.cells = static_cast<int>(record.size());
    summary.judged = run.judged;
    summary.supplyOff = run.supplyOff;
    summary.poweringUp = run.poweringUp;
    summary.loadJump = run.loadJump;
    summary.afterShutdown = run.shutDown;
    summary.didNotPowerOn = run.didNotPowerOn;
    summary.shutDownAt = run.shutDownAt;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const MapCell& cell = record[i];
        if (run.settling[i] != Settling::Judged)
            continue;
        summary.insideBand += insideAtxBand(cell, calibration) ? 1 : 0;
        if (!summary.worst5 ||
            std::abs(cellDeviation5(cell)) > std::abs(cellDeviation5(record[*summary.worst5])))
            summary.worst5 = i;
        if (!summary.worst12 ||
            std::abs(cellDeviation12(cell)) > std::abs(cellDeviation12(record[*summary.worst12])))
            summary.worst12 = i;
    }
    if (summary.didNotPowerOn || summary.shutDownAt || summary.insideBand < summary.judged)
        summary.verdict = Verdict::Fail;
    else if (summary.judged > 0)
        summary.verdict = Verdict::Pass;
    return summary;
}

const MapCell* worstCell(const MapRecord& record, const MapSummary& summary, Output output) {
    const std::optional<std::size_t>& worst =
        output == Output::Plus5 ? summary.worst5 : summary.worst12;
    return worst ? &record[*worst] : nullptr;
}

Verdict verdictOf(const MapSummary& summary, bool completed) {
    return completed ? summary.verdict : Verdict::Incomplete;
}

} // namespace velmor
