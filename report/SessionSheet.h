#pragma once

#include "Settling.h"
#include "Unit.h"
#include "UnitIdentity.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace velmor {

// A manual-window session as its report shows it: the readings tick by tick and what happened.
struct SessionSample {
    qint64 ms = 0; // since the session began
    double volts5 = 0;
    double volts12 = 0;
    double volts33 = 0;
    int load5 = 0; // load settings 0..255
    int load12 = 0;
    int load33 = 0;
    double power = 0;      // W
    bool overload = false; // the tick cut every load: its frame carried none
};

struct SessionMark {
    enum class Kind { OverloadCut, LinkLost, LinkBack };
    qint64 ms = 0;
    Kind kind = Kind::OverloadCut;
};

struct SessionSheet {
    QString id;
    QDateTime startedAt;
    QString host;
    QString port;
    QString endState;
    std::vector<SessionSample> samples; // in time order
    std::vector<SessionMark> marks;     // in time order
    UnitIdentity unit{};
};

// The settled rule (Settling.h) over a session's readings: the first answers the frame sent
// before the switch-on, each later one the frame the tick before it sent.
SettledRun settleSession(const std::vector<SessionSample>& samples);

// Lowest, highest and mean of one output over the judged samples, and how long it was outside
// ±5 % of nominal: each judged sample counts until the next sample. A sample at an end of the
// unit's range is outside and may be the lowest or the highest (shown as "< 4.00"), but it is
// no value to take a mean of.
struct OutputFigures {
    double min = 0;
    double max = 0;
    double mean = 0;
    qint64 msOutside = 0;
    int judged = 0;   // samples the figures are from
    int averaged = 0; // of them, inside the unit's range: the mean's
};
OutputFigures outputFigures(const std::vector<SessionSample>& samples, double SessionSample::*volts,
                            const UnitOutput& output);

} // namespace velmor
