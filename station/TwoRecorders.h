#pragma once

#include "PlanRecorder.h"

namespace velmor {

// One plan run told to two recorders (the report's collector and the test record), the first
// first; the second may be none.
class TwoRecorders final : public PlanRecorder {
public:
    TwoRecorders(PlanRecorder& first, PlanRecorder* second) : first_(first), second_(second) {}
    void runStarted(const Plan& plan, const UnitIdentity& unit) override {
        first_.runStarted(plan, unit);
        if (second_)
            second_->runStarted(plan, unit);
    }
    void stepStarted(int index, const StepSpec& step) override {
        first_.stepStarted(index, step);
        if (second_)
            second_->stepStarted(index, step);
    }
    void readingTaken(int stepIndex, const StepReading& reading, Settling settling) override {
        first_.readingTaken(stepIndex, reading, settling);
        if (second_)
            second_->readingTaken(stepIndex, reading, settling);
    }
    void stepEnded(int index, const StepResult& result) override {
        first_.stepEnded(index, result);
        if (second_)
            second_->stepEnded(index, result);
    }
    void runEnded(Outcome outcome, RunEnd how) override {
        first_.runEnded(outcome, how);
        if (second_)
            second_->runEnded(outcome, how);
    }

private:
    PlanRecorder& first_;
    PlanRecorder* second_;
};

} // namespace velmor
