#pragma once

#include "PlanRecorder.h"
#include "RunReport.h"

namespace velmor {

// Keeps a plan run as its report takes it while the run goes: hand it to PlanRun as its recorder
// (or from the one that is), then fill in what a plan run does not know (host, port, end state)
// and save the report. A sweep step's map stays empty until the cells are rebuilt from its
// readings.
class RunReportCollector final : public PlanRecorder {
public:
    void runStarted(const Plan& plan, const UnitIdentity& unit) override;
    void stepStarted(int index, const StepSpec& step) override;
    void readingTaken(int stepIndex, const StepReading& reading, Settling settling) override;
    void stepEnded(int index, const StepResult& result) override;
    void runEnded(Outcome outcome, RunEnd how) override;

    const RunReportInput& input() const { return run_; }
    RunReportInput& input() { return run_; }

private:
    RunReportStep* step(int index);

    RunReportInput run_;
};

} // namespace velmor
