#pragma once

#include "MapExport.h"
#include "Unit.h"

#include <QString>

#include <optional>

namespace velmor {

// Where an unattended sweep stands, for its progress output.
struct SweepProgress {
    int cellsDone = 0;
    int cellsExpected = 0;
    int row = 0; // the row just finished, for the plain lines
    qint64 elapsedMs = 0;
    qint64 remainingMs = 0;
    std::optional<double> volts5; // the latest readings; none before the first reply
    std::optional<double> volts12;
};

// One line for a terminal, redrawn in place: a bar, cells done of cells expected, elapsed and
// remaining time, the present +5 V and +12 V readings.
QString progressBar(const SweepProgress& progress);

// One plain line for a finished row, for a log.
QString progressRowLine(const SweepProgress& progress);

// The verdict line printed at the end: "PASS: 1598 of 1598 judged cells inside the ATX ±5 % band
// (42 of 1640 not judged)", "FAIL: the supply shut down at row 12, column 40 (...) (...)",
// "FAIL: the supply did not power on (...)" or "NO VERDICT: ...".
QString verdictLine(const MapSummary& summary, const MapRecord& record);

// "1:05" for 65 s.
QString minutesSeconds(qint64 milliseconds);

// A progress line's reading of an output: "5.02", "< 4.00" at an end of the unit's range, "-"
// before the first reply.
QString progressVolts(const UnitOutput& output, const std::optional<double>& volts);

} // namespace velmor
