#include "Recorder.h"

#include "Calibrations.h"

#include <QDateTime>
#include <QSysInfo>
#include <QUuid>

#include <algorithm>
#include <limits>

namespace velmor::results {

namespace {

QString sweepEndState(SweepEnd end) {
    switch (end) {
    case SweepEnd::Completed:
        return QStringLiteral("completed");
    case SweepEnd::Reset:
        return QStringLiteral("reset");
    case SweepEnd::LinkLost:
        return QStringLiteral("link-lost");
    case SweepEnd::Abandoned:
        break;
    }
    return QStringLiteral("abandoned");
}

QString sessionEndState(SessionEnd end) {
    switch (end) {
    case SessionEnd::SwitchedOff:
        return QStringLiteral("switched-off");
    case SessionEnd::HandedOver:
        return QStringLiteral("hand-over");
    case SessionEnd::Exited:
        break;
    }
    return QStringLiteral("exit");
}

} // namespace

QString recordTime() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

QString newRecordId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

Recorder::Recorder(Post post, QString port)
    : post_(std::move(post)), host_(QSysInfo::machineHostName()), port_(std::move(port)) {}

void Recorder::sweepStarted(const SweepLimits& limits, QSize mapPixels, qreal ratio,
                            const Calibration& calibration, const QString& calibrationWarning) {
    sweep_ = lastSweep_ = newRecordId();
    cellSeq_ = 0;
    post_(SweepBegan{sweep_, recordTime(), host_, port_, limits.loadLimit1, limits.loadLimit2,
                     limits.powerLimit, mapPixels.width(), mapPixels.height(), ratio, unit_,
                     calibrationName(calibration), calibrationWarning});
}

void Recorder::cellPainted(const MapCell& cell) {
    if (sweep_.isEmpty())
        return;
    post_(CellPainted{sweep_, cellSeq_++, recordTime(), cell.row, cell.column, cell.b2, cell.b3,
                      cell.b4, cell.k5, cell.k12});
}

void Recorder::sweepEnded(SweepEnd end) {
    if (sweep_.isEmpty())
        return;
    post_(RecordEnded{sweep_, true, recordTime(), sweepEndState(end)});
    sweep_.clear();
}

void Recorder::sweepSaved(const QString& name, const MapFiles& files) {
    if (!lastSweep_.isEmpty())
        post_(SweepSaved{lastSweep_, name, files.bmp, files.csv, files.txt});
}

void Recorder::sessionStarted() {
    if (!session_.isEmpty())
        return;
    session_ = newRecordId();
    tickSeq_ = eventSeq_ = 0;
    post_(SessionBegan{session_, recordTime(), host_, port_, unit_});
}

void Recorder::reading(const SessionReading& r) {
    if (session_.isEmpty())
        return;
    const QString at = recordTime();
    post_(TickRead{session_, tickSeq_++, at, r.reply.b1, r.reply.b2, r.reply.b3, r.reply.b4,
                   r.load5, r.load12, r.load33, r.power, r.overload});
    if (r.clamped)
        event(at, QStringLiteral("clamp"));
    if (r.overload)
        event(at, QStringLiteral("overload-cut"),
              QStringLiteral("%1 W").arg(QString::number(r.power, 'f', 1)));
}

void Recorder::linkChanged(const std::optional<QString>& lostReason) {
    if (!session_.isEmpty())
        event(recordTime(), lostReason ? QStringLiteral("link-lost") : QStringLiteral("link-back"),
              lostReason.value_or(QString()));
}

void Recorder::sessionEnded(SessionEnd how) {
    if (session_.isEmpty())
        return;
    post_(RecordEnded{session_, false, recordTime(), sessionEndState(how)});
    session_.clear();
}

void Recorder::runStarted(const Plan& plan, const UnitIdentity& unit) {
    run_ = newRecordId();
    lastRun_ = run_;
    readingSeq_ = 0;
    step_ = {};
    stepsEnded_.clear();
    post_(RunBegan{run_, recordTime(), host_, port_, plan.name, plan.file,
                   QString::fromUtf8(plan.text), plan.context.profile.name, unit,
                   calibrationName(plan.context.calibration), plan.calibrationWarning});
}

void Recorder::stepStarted(int index, const StepSpec& step) {
    if (!run_.isEmpty())
        step_ = {index, step.kind(), step.name, recordTime()};
}

void Recorder::readingTaken(int stepIndex, const StepReading& reading, Settling settling) {
    // A tick without a reply is no reading: the link's loss shows in the run's end.
    if (run_.isEmpty() || !reading.reply)
        return;
    const ReplyFrame& r = *reading.reply;
    const LoadSettings loads = loadSettings(reading.answers);
    post_(RunReadingTaken{run_, readingSeq_++, recordTime(), stepIndex, reading.answers.supplyOn(),
                          loads.load5, loads.load12, loads.load33, r.b1, r.b2, r.b3, r.b4,
                          settlingName(settling)});
    if (stepIndex == step_.index)
        ++(settling == Settling::Judged ? step_.judged : step_.unsettled);
}

void Recorder::stepEnded(int index, const StepResult& result) {
    if (run_.isEmpty())
        return;
    const QString at = recordTime();
    const bool known = index == step_.index;
    post_(RunStepEnded{run_, index, at, known ? step_.startedAt : at,
                       known ? step_.kind : QString(), known ? step_.name : QString(),
                       outcomeName(result.outcome), result.keyFigure, result.judged,
                       result.unsettled, storedFinding(result.finding)});
    const double none = std::numeric_limits<double>::quiet_NaN();
    int seq = 0;
    for (const Measurement& m : result.measurements) {
        const Limits& l = m.limits;
        post_(RunMeasurement{run_, index, seq++, m.name, m.value, m.unit, l.low.value_or(none),
                             l.high.value_or(none), l.guardLow.value_or(none),
                             l.guardHigh.value_or(none), m.asked.value_or(none),
                             outcomeName(m.outcome), m.uncertainty.value_or(none)});
    }
    stepsEnded_.push_back({known ? step_.name : QString(), result.outcome, result.keyFigure,
                           storedFinding(result.finding)});
    step_ = {};
}

void Recorder::runEnded(Outcome outcome, RunEnd how) {
    if (run_.isEmpty())
        return;
    const QString at = recordTime();
    // The step the run stopped in ends with the run, with what it judged so far.
    std::optional<StepOutcome> stoppedIn;
    if (step_.index >= 0) {
        post_(RunStepEnded{run_, step_.index, at, step_.startedAt, step_.kind, step_.name,
                           outcomeName(outcome), QString(), step_.judged, step_.unsettled,
                           QString()});
        stoppedIn = StepOutcome{step_.name, outcome, QString(), QString()};
    }
    // The first step as bad as the run (the one that failed, or the one the bench could not go
    // on in), else the one the run stopped in; its figure and reason, else every step's figure.
    const auto failing =
        outcome == Outcome::Pass
            ? stepsEnded_.end()
            : std::find_if(stepsEnded_.begin(), stepsEnded_.end(),
                           [outcome](const auto& s) { return s.outcome == outcome; });
    QString failingStep;
    QString keyFigure;
    QString reason;
    if (failing != stepsEnded_.end() && outcome != Outcome::Marginal) {
        failingStep = failing->name;
        keyFigure = failing->keyFigure;
        reason = failing->reason;
    } else if (stoppedIn && outcome != Outcome::Pass) {
        failingStep = stoppedIn->name;
    } else {
        QStringList figures;
        for (const StepOutcome& s : stepsEnded_)
            if (!s.keyFigure.isEmpty())
                figures << s.keyFigure;
        keyFigure = figures.join(QStringLiteral("; "));
    }
    if (outcome == Outcome::Marginal && failing != stepsEnded_.end())
        reason = failing->reason;
    post_(RunEnded{run_, at, runEndState(outcome, how), outcomeName(outcome), failingStep,
                   keyFigure, reason});
    run_.clear();
    step_ = {};
}

void Recorder::event(const QString& at, const QString& kind, const QString& detail) {
    post_(SessionEvent{session_, eventSeq_++, at, kind, detail});
}

} // namespace velmor::results
