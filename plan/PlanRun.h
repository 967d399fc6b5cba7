#pragma once

#include "Plan.h"
#include "PlanRecorder.h"
#include "RunRecorder.h"
#include "RunStep.h"

#include <memory>
#include <optional>
#include <vector>

namespace velmor {

// How a plan run came out: Aborted when stopped from outside, Error when the link was lost (the
// bench could not test), else the worst of its steps.
Outcome planOutcome(RunEnd end, const std::vector<StepResult>& steps);

// The step that made a run's outcome, the first as bad as the run; none for a pass.
const StepResult* decidingStep(const std::vector<StepResult>& steps, Outcome outcome);

// A plan as one step of the test-run engine: its steps one after the other, each reading put
// through the settled rule before the step sees it. A supply that does not power on, or that
// shuts down once it was up (outside a step that provokes it), fails the step under way at once
// and ends the run; the link lost (the engine's RunEnd::LinkLost) ends it as Error. Also the
// engine's recorder, so that the plan's record gets every reading and the run's end.
class PlanRun final : public RunStep, public RunRecorder {
public:
    // The recorder, if any, must outlive the run.
    PlanRun(Plan plan, UnitIdentity unit, PlanRecorder* recorder = nullptr);
    ~PlanRun() override;

    std::optional<ControlFrame> firstFrame() const override;
    StepAnswer take(const StepReading& reading) override;
    std::optional<ControlFrame> endFrame() const override; // loads off, the supply as it was
    int tickMs() const override;
    bool pacedByReplies() const override { return plan_.context.paceByReplies; }

    void runStarted() override;
    void readingTaken(const StepReading& reading, const StepAnswer& answer) override;
    void portLost(const QString& reason) override { portLost_ = reason; }
    void runEnded(RunEnd end) override;

    const Plan& plan() const { return plan_; }
    int stepIndex() const { return index_; } // the step under way
    const StepSpec& stepSpec(int index) const { return *plan_.steps.at(index); }
    double stepProgress() const; // of the step under way, 0..1
    const std::vector<StepResult>& results() const { return results_; } // of the steps ended
    // Once the run has ended: its outcome.
    std::optional<Outcome> outcome() const { return outcome_; }

private:
    // What take() did, told to the recorder once the answer's frame went out.
    struct Taken {
        int step = 0;
        Settling settling = Settling::Judged;
        bool stepEnded = false;
    };
    void endStep(StepResult result);
    StepAnswer endRun(StepResult result, Finding finding);

    Plan plan_;
    UnitIdentity unit_;
    PlanRecorder* recorder_;
    std::unique_ptr<PlanStep> step_;
    int index_ = 0;
    SettleTracker settle_;
    std::vector<StepResult> results_;
    std::optional<Outcome> outcome_;
    std::optional<ControlFrame> first_;
    ControlFrame lastSent_ = allOffFrame;
    std::optional<Taken> taken_;
    ShutdownWatch shutdown_;
    qint64 lastMs_ = 0; // the last reading's time, and the last reply's
    qint64 lastReplyMs_ = 0;
    std::optional<QString> portLost_; // why the port was gone when the run gave up
};

} // namespace velmor
