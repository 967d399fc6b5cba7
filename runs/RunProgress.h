#pragma once

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

// Where a cross-load sweep stands, for its progress output.
struct SweepProgress {
    int cellsDone = 0;
    int cellsExpected = 0;
    int row = 0; // the row just finished, for the plain lines
    qint64 elapsedMs = 0;
    qint64 remainingMs = 0;
    std::optional<double> volts5; // the latest readings; none before the first reply
    std::optional<double> volts12;
};

// "1:05" for 65 s.
QString minutesSeconds(qint64 milliseconds);

// "2:05" under an hour, "8:00:00" from an hour on.
QString runningTime(qint64 milliseconds);

} // namespace velmor
