#pragma once

#include "Finding.h"
#include "Measurement.h"
#include "Outcome.h"
#include "Profile.h"
#include "Settling.h"
#include "Sweep.h"
#include "UnitIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace velmor {

// A plan run as its report shows it, in plain fields, so that a stored run and a run just ended
// fill it alike.

// One reading of a step and the frame it answers.
struct RunReportReading {
    qint64 ms = 0; // from the run's start
    bool supplyOn = false;
    int load5 = 0; // the frame's load settings, 0..255
    int load12 = 0;
    int load33 = 0;
    quint8 b1 = 0; // the reply's four bytes
    quint8 b2 = 0;
    quint8 b3 = 0;
    quint8 b4 = 0;
    Settling settling = Settling::Judged;
};

struct RunReportStep {
    QString kind{}; // "points", "sweep", "trip", "hold"; another kind gets its figures only
    QString name{};
    QDateTime startedAt{};
    QDateTime endedAt{};
    Outcome outcome = Outcome::Pass;
    QString keyFigure{};
    QString reason{}; // what decided a step that did not pass, as stored (Finding.h), or empty
    std::vector<Measurement> measurements{};
    int judged = 0;
    int unsettled = 0;
    std::vector<RunReportReading> readings{}; // in time order
    // A sweep step's limits (all 0 when not known: the power bound is then not drawn); its map is
    // rebuilt from its readings.
    SweepLimits sweepLimits{};
};

struct RunReportInput {
    QString id{};
    UnitIdentity unit{};
    QString host{}; // the bench
    QString port{};
    QString planName{};
    QString planFile{};
    Profile profile{};
    QDateTime startedAt{};
    QDateTime endedAt{};              // invalid while the run is open
    QString endState{};               // "completed", "aborted", "link-lost", "abandoned"
    std::optional<Outcome> outcome{}; // none while the run is open
    QString calibration{};            // the calibration it was judged with; empty: uncalibrated
    QString calibrationWarning{};     // "overdue" or "missing" where the bench's calibration was
    std::vector<RunReportStep> steps{};
};

// What a report draws at most; a run beyond it is refused.
inline constexpr std::size_t maxReportSteps = 200;
inline constexpr std::size_t maxStepMeasurements = 2000;
inline constexpr std::size_t maxReportReadings = 1'000'000; // 27 h at one reading per 100 ms
inline constexpr qint64 maxReportMs = 31LL * 24 * 3600 * 1000;

// Why the run cannot be drawn as it stands, naming the step and the value, or nothing: too many
// steps, measurements or readings, a value or limit that is not a finite number, a load setting
// outside 0..255, a reading time out of order or beyond 31 days.
std::optional<QString> refusedRunReport(const RunReportInput& run);

// The PDF: a first page with the unit, the plan, the bench, the outcome and a line per step, then
// the pages of each step by its kind. Or why the run was refused.
std::variant<QByteArray, QString> runReportPdf(const RunReportInput& run);

// The volts of the whole run over time in the profile's limits, with the load settings, as a
// picture (as a hold step's page draws them); or why not: refused as the PDF is, or no readings.
std::variant<QImage, QString> runVoltsImage(const RunReportInput& run);
inline constexpr int runVoltsImageHeight = 990; // its width is voltsImageWidth

// Writes the report into the folder under fileName, whole or not at all (SafeWrite). Returns
// what went wrong, naming the file and the reason, or nothing.
std::optional<QString> saveRunReport(const QString& folder, const QString& fileName,
                                     const RunReportInput& run);

// "run-PSU-0001-20261208-143205.pdf": the unit's serial with anything but letters, digits, dots,
// dashes and underscores made "_", and the run's start in UTC.
QString runReportFileName(const RunReportInput& run);

// The outcome as a report and a command-line run show it, in the run's language: "PASS",
// "MARGINAL", "FAIL", "ERROR", "ABORTED"; "INCOMPLETE" for a run still open.
QString outcomeWord(std::optional<Outcome> outcome);

// What a run or sweep was judged with ("Judged with calibration ID", or uncalibrated for an empty
// id) and what was amiss with the bench's calibration ("overdue" or "missing"), in the run's
// language.
QString calibrationLine(const QString& calibration, const QString& warning);

} // namespace velmor
