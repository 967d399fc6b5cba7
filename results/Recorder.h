#pragma once

#include "PlanRecorder.h"
#include "Records.h"
#include "SessionRecorder.h"
#include "SweepRecorder.h"

#include <functional>

namespace velmor::results {

// What the windows and plan runs record through: turns each happening into a record with its id,
// sequence number and time, and hands it to the writer. Runs on the caller's thread and never
// waits.
class Recorder final : public SweepRecorder, public SessionRecorder, public PlanRecorder {
public:
    // Records go to post, usually RecordWriter::post. The bench is named by the machine's host
    // name; port is the unit's device.
    using Post = std::function<void(Record)>;
    Recorder(Post post, QString port);

    // The unit under test and the operator, for the sweeps and sessions that begin from now on.
    void setUnit(const UnitIdentity& unit) { unit_ = unit; }

    void sweepStarted(const SweepLimits& limits, QSize mapPixels, qreal ratio,
                      const Calibration& calibration, const QString& calibrationWarning) override;
    void cellPainted(const MapCell& cell) override;
    void sweepEnded(SweepEnd end) override;
    void sweepSaved(const QString& name, const MapFiles& files) override;

    void sessionStarted() override;
    void reading(const SessionReading& reading) override;
    void linkChanged(const std::optional<QString>& lostReason) override;
    void sessionEnded(SessionEnd how) override;

    void runStarted(const Plan& plan, const UnitIdentity& unit) override;
    void stepStarted(int index, const StepSpec& step) override;
    void readingTaken(int stepIndex, const StepReading& reading, Settling settling) override;
    void stepEnded(int index, const StepResult& result) override;
    void runEnded(Outcome outcome, RunEnd how) override;
    QString recordId() const override { return lastRun_; }

private:
    void event(const QString& at, const QString& kind, const QString& detail = {});

    Post post_;
    QString host_;
    QString port_;
    UnitIdentity unit_;
    QString sweep_; // the open sweep
    QString lastSweep_;
    int cellSeq_ = 0;
    QString session_; // the open session
    int tickSeq_ = 0;
    int eventSeq_ = 0;

    // The open run, its step under way and the steps ended.
    struct RunStepSoFar {
        int index = -1;
        QString kind;
        QString name;
        QString startedAt;
        int judged = 0;
        int unsettled = 0;
    };
    struct StepOutcome {
        QString name;
        Outcome outcome;
        QString keyFigure;
        QString reason;
    };
    QString run_;
    QString lastRun_;
    int readingSeq_ = 0;
    RunStepSoFar step_;
    std::vector<StepOutcome> stepsEnded_;
};

// Now, as the records write times.
QString recordTime();

// A new record id.
QString newRecordId();

} // namespace velmor::results
