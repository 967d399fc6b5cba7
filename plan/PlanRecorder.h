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
};

// The run's end state as its record keeps it: a run with a verdict "completed"; one without
// "link-lost" or "aborted" (stopped, or it could not go on).
QString runEndState(Outcome outcome, RunEnd how);

} // namespace velmor
