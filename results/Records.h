#pragma once

#include "UnitIdentity.h"

#include <QString>
#include <QtGlobal>

#include <limits>
#include <variant>

namespace velmor::results {

// What the bench hands to the results store, one value per happening, in the order they happen.
// Times are UTC, ISO 8601 with milliseconds ("2026-12-07T14:32:05.120Z"): they sort as text and
// read the same in every engine. Ids are UUIDs made on the bench, so a record delivered twice is
// stored once; seq numbers a record's cells, ticks and events from 0.

struct SweepBegan {
    QString id;
    QString at;
    QString host;
    QString port;
    int loadLimit1 = 0, loadLimit2 = 0, powerLimit = 0;
    // The map picture in device pixels, and device pixels per logical pixel.
    int mapWidth = 0, mapHeight = 0;
    double mapRatio = 1;
    UnitIdentity unit{};   // the unit under test and the operator, empty where not given
    QString calibration{}; // as a run's (RunBegan)
    QString calibrationWarning{};
};

struct CellPainted {
    QString sweepId;
    int seq = 0;
    QString at;
    int row = 0, column = 0;
    int b2 = 0, b3 = 0, b4 = 0;
    int k5 = 0, k12 = 0;
};

struct SweepSaved {
    QString sweepId;
    QString name;
    QString bmp;
    QString csv;
    QString txt;
};

struct SessionBegan {
    QString id;
    QString at;
    QString host;
    QString port;
    UnitIdentity unit{};
};

// A tick of a manual session; a session read back from the store holds its ticks as this too.
struct TickRead {
    QString sessionId;
    int seq = 0;
    QString at;
    int b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    int load5 = 0, load12 = 0, load33 = 0;
    double power = 0;
    bool overload = false;
};

// "clamp", "overload-cut", "link-lost" (detail: why) or "link-back".
struct SessionEvent {
    QString sessionId;
    int seq = 0;
    QString at;
    QString kind;
    QString detail;
};

// The end of a sweep or a session: "completed", "reset", "abandoned", "link-lost" for a sweep;
// "switched-off", "hand-over", "exit", "abandoned" for a session.
struct RecordEnded {
    QString id;
    bool sweep = true;
    QString at;
    QString state;
};

// A plan run: its beginning with the plan as it was read, each reading with the frame it answers
// and what the settled rule made of it, each step's end with its measurements, and its end.
struct RunBegan {
    QString id;
    QString at;
    QString host;
    QString port;
    QString planName;
    QString planFile;
    QString planText;
    QString profile;
    UnitIdentity unit{};
    // What the run was judged with: a calibration's id or "uncalibrated"; and "overdue" or
    // "missing" where the bench's calibration was.
    QString calibration{};
    QString calibrationWarning{};
};

struct RunReadingTaken {
    QString runId;
    int seq = 0;
    QString at;
    int stepSeq = 0;
    bool supplyOn = false; // the frame it answers, its load settings 0..255
    int load5 = 0, load12 = 0, load33 = 0;
    int b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    QString settling; // "judged", "supply-off", "powering-up", "load-jump", "after-shutdown"
};

struct RunStepEnded {
    QString runId;
    int seq = 0;
    QString at; // its end
    QString startedAt;
    QString kind;
    QString name;
    QString outcome;
    QString keyFigure;
    int judged = 0, unsettled = 0;
    QString reason{}; // what decided a step that did not pass (a stored Finding), or empty
};

// A limit or an asked value that is not there is NaN here and NULL in the store.
struct RunMeasurement {
    QString runId;
    int stepSeq = 0;
    int seq = 0;
    QString name;
    double value = 0;
    QString unit;
    double low = 0, high = 0;
    double guardLow = 0, guardHigh = 0;
    double asked = 0;
    QString outcome;
    // Of a judged reading of volts (k = 2); NaN (stored NULL) for none.
    double uncertainty = std::numeric_limits<double>::quiet_NaN();
};

// The run's end: "completed", "aborted", "link-lost", "abandoned"; the failing step's name, or
// empty; what decided a run that did not pass (a stored Finding), or empty.
struct RunEnded {
    QString id;
    QString at;
    QString state;
    QString outcome;
    QString failingStep;
    QString keyFigure;
    QString reason{};
};

using Record =
    std::variant<SweepBegan, CellPainted, SweepSaved, SessionBegan, TickRead, SessionEvent,
                 RecordEnded, RunBegan, RunReadingTaken, RunStepEnded, RunMeasurement, RunEnded>;

// The sweep, session or run a record belongs to.
QString recordId(const Record& record);

} // namespace velmor::results
