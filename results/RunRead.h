#pragma once

#include "UnitIdentity.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// A plan run read back from the store, every value checked against what the bench writes.

struct StoredMeasurement {
    QString name;
    double value = 0;
    QString unit;
    std::optional<double> low;
    std::optional<double> high;
    std::optional<double> guardLow;
    std::optional<double> guardHigh;
    std::optional<double> asked;
    QString outcome;                     // an outcomeName
    std::optional<double> uncertainty{}; // of a judged reading of volts (k = 2)
    friend bool operator==(const StoredMeasurement&, const StoredMeasurement&) = default;
};

struct StoredRunStep {
    int seq = 0;
    QString kind;
    QString name;
    QString startedAt;
    QString endedAt;
    QString outcome;
    QString keyFigure;
    int judged = 0;
    int unsettled = 0;
    QString reason; // a stored Finding, or empty
    std::vector<StoredMeasurement> measurements;
    friend bool operator==(const StoredRunStep&, const StoredRunStep&) = default;
};

struct StoredRunReading {
    QString at;
    int stepSeq = 0;
    bool supplyOn = false;
    int load5 = 0, load12 = 0, load33 = 0; // settings of the frame it answers
    int b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    QString settling; // "judged", "supply-off", "powering-up", "load-jump", "after-shutdown"
    friend bool operator==(const StoredRunReading&, const StoredRunReading&) = default;
};

struct StoredRun {
    QString id;
    QString startedAt;
    QString endedAt;  // empty while open
    QString endState; // "completed", "aborted", "link-lost", "abandoned"; empty while open
    QString host;
    QString port;
    UnitIdentity unit{};
    QString planName;
    QString planFile;
    QString planText;
    QString profile;
    // A calibration's id or "uncalibrated"; "overdue" or "missing" where the bench's calibration
    // was; both empty in runs stored before calibrations.
    QString calibration{};
    QString calibrationWarning{};
    QString outcome; // an outcomeName; empty while open
    QString failingStep;
    QString keyFigure;
    QString reason;                         // a stored Finding, or empty
    std::vector<StoredRunStep> steps;       // in order
    std::vector<StoredRunReading> readings; // in order; none when only counted
    qint64 readingCount = 0;                // read or counted
    bool completed() const { return endState == QLatin1String("completed"); }
    friend bool operator==(const StoredRun&, const StoredRun&) = default;
};

// The readings of a run by what the settled rule made of them.
struct SettlingCounts {
    int judged = 0, supplyOff = 0, poweringUp = 0, loadJump = 0, shutDown = 0;
};
SettlingCounts settlingCounts(const StoredRun& run);

// Whether a run is read with its readings, or with only their number: a page's, which an
// eight-hour hold's 288,000 readings would cost a second.
enum class RunReadings { All, Counted };
std::variant<StoredRun, QString> loadRun(QSqlDatabase& db, const QString& id,
                                         RunReadings readings = RunReadings::All);

} // namespace velmor::results
