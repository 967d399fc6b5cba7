#pragma once

#include "MapSummary.h"
#include "Outcome.h"
#include "RunProgress.h"
#include "Unit.h"

#include <QString>

#include <optional>

namespace velmor {

// A plan run's line: step i of n and its name, a bar of the step, elapsed and remaining time of
// the run, the three volts. Redrawn in place on a terminal, written as it is into a log.
QString planProgressLine(const PlanProgress& progress);

// A step's end: "step 2 of 4 \"hold\": PASS, 8 h, 287,400 judged, none outside".
QString stepEndLine(int step, int steps, const QString& name, Outcome outcome,
                    const QString& keyFigure);

// A sweep's line for a terminal, redrawn in place: a bar, cells done of cells expected, elapsed
// and remaining time, the present +5 V and +12 V readings.
QString progressBar(const SweepProgress& progress);

// A sweep's plain line for a finished row, for a log.
QString progressRowLine(const SweepProgress& progress);

// The sweep's verdict line printed at the end: "PASS: 1598 of 1598 judged cells inside the ATX
// ±5 % band (42 of 1640 not judged)", "FAIL: the supply shut down at row 12, column 40 (...)
// (...)", "FAIL: the supply did not power on (...)" or "NO VERDICT: ...".
QString verdictLine(const MapSummary& summary, const MapRecord& record);

// A progress line's reading of an output: "5.02", "< 4.00" at an end of the unit's range, "-"
// before the first reply.
QString progressVolts(const UnitOutput& output, const std::optional<double>& volts);

} // namespace velmor
