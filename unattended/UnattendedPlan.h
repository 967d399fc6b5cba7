#pragma once

#include "AutomaticPlanRun.h"
#include "PlanRequest.h"
#include "UnattendedRun.h"

namespace velmor {

// A test plan without a window: the automatic plan run, its progress on a stream, and at its end
// each step's outcome and the run's. The run opens the port with the all-off frame and ends,
// however it ends, with the all-off frame; finished() then gives the exit status (PlanExit).
class UnattendedPlan : public UnattendedRun {
    Q_OBJECT
public:
    // The settings' recorder, if any, keeps the run's test record; the report, if asked for,
    // goes into the settings' reports folder.
    UnattendedPlan(Plan plan, PlanRunSettings settings, const PortFactory& makePort, Output output);
    ~UnattendedPlan() override;

private:
    void ticked(const StepReading& reading);
    void switchedOff(RunEnd end);
    // The lines of the steps ended since the last call.
    void showStepsEnded();
    void showProgress(qint64 elapsedMs);
    int concluded(RunEnd end);
    // False when the report could not be written (stderr says why).
    bool writeReport();

    AutomaticPlanRun run_;
    int stepShown_ = 0;          // the step of the last progress shown, 1-based
    std::size_t stepsEnded_ = 0; // step results written
    qint64 lineShownMs_ = -1;    // when the last plain progress line was written
};

} // namespace velmor
