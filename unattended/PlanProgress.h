#pragma once

#include "Outcome.h"

#include <QString>

#include <optional>

namespace velmor {

// Where a plan run stands, for its progress output.
struct PlanProgress {
    int step = 0; // 1-based
    int steps = 0;
    QString name;        // the step's, printable
    double fraction = 0; // of the step, 0..1
    qint64 elapsedMs = 0;
    qint64 remainingMs = 0;
    std::optional<double> volts5; // the latest reading; none before the first reply
    std::optional<double> volts12;
    std::optional<double> volts33;
};

// One line: step i of n and its name, a bar of the step, elapsed and remaining time of the run,
// the three volts. Redrawn in place on a terminal, written as it is into a log.
QString planProgressLine(const PlanProgress& progress);

// "2:05" under an hour, "8:00:00" from an hour on.
QString runningTime(qint64 milliseconds);

// A step's end: "step 2 of 4 \"hold\": PASS, 8 h, 287,400 judged, none outside".
QString stepEndLine(int step, int steps, const QString& name, Outcome outcome,
                    const QString& keyFigure);

} // namespace velmor
