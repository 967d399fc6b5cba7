#pragma once

#include "Plan.h"
#include "RunRecorder.h"
#include "UnitIdentity.h"

namespace velmor {

// What a plan run tells whoever keeps its test record: one record per run of a plan on a unit.
// Every call returns at once.
class PlanRecorder {
public:
    virtual ~PlanRecorder() = default;
    // The port is open and has the all-off frame.
    virtual void runStarted(const Plan& plan, const UnitIdentity& unit) = 0;
    virtual void stepStarted(int index, const StepSpec& step) = 0;
    // Every reading of the run, judged or not, with the step it belongs to; a tick without a reply
    // is no reading.
    virtual void readingTaken(int stepIndex, const StepReading& reading, Settling settling) = 0;
    virtual void stepEnded(int index, const StepResult& result) = 0;
    // After the all-off frame; outcome is the run's (Aborted, Error, or the worst of its steps),
    // how the engine's run ended (a lost link is an Error of its own).
    virtual void runEnded(Outcome outcome, RunEnd how) = 0;
    // The id of the record of the run begun last; empty where the recorder keeps none.
    virtual QString recordId() const { return {}; }
};

// Tells two recorders alike (either may be none): the store's record and the report's.
class BothRecorders final : public PlanRecorder {
public:
    BothRecorders(PlanRecorder* first, PlanRecorder* second) : first_(first), second_(second) {}
    void runStarted(const Plan& plan, const UnitIdentity& unit) override {
        each([&](PlanRecorder& r) { r.runStarted(plan, unit); });
    }
    void stepStarted(int index, const StepSpec& step) override {
        each([&](PlanRecorder& r) { r.stepStarted(index, step); });
    }
    void readingTaken(int stepIndex, const StepReading& reading, Settling settling) override {
        each([&](PlanRecorder& r) { r.readingTaken(stepIndex, reading, settling); });
    }
    void stepEnded(int index, const StepResult& result) override {
        each([&](PlanRecorder& r) { r.stepEnded(index, result); });
    }
    void runEnded(Outcome outcome, RunEnd how) override {
        each([&](PlanRecorder& r) { r.runEnded(outcome, how); });
    }
    QString recordId() const override {
        const QString first = first_ ? first_->recordId() : QString();
        return first.isEmpty() && second_ ? second_->recordId() : first;
    }

private:
    template <typename Call> void each(Call call) {
        if (first_)
            call(*first_);
        if (second_)
            call(*second_);
    }
    PlanRecorder* first_;
    PlanRecorder* second_;
};

// The run's end state as its record keeps it: a run with a verdict "completed"; one without
// "link-lost" or "aborted" (stopped, or it could not go on).
QString runEndState(Outcome outcome, RunEnd how);

} // namespace velmor
