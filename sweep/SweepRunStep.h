#pragma once

#include "MapRecord.h"
#include "RunStep.h"
#include "SharedState.h"
#include "Sweep.h"

namespace velmor {

// The cross-load sweep as a step of a test run: each reading advances the sweep as a tick of the
// graph window does (advanceSweep), so both send the same frames and paint the same cells. A
// supply that shuts down ends the sweep on that reading, failed.
class SweepRunStep final : public RunStep {
public:
    explicit SweepRunStep(const SweepLimits& limits);

    StepAnswer take(const StepReading& reading) override;
    // The loads off, the supply as the sweep had it.
    std::optional<ControlFrame> endFrame() const override;
    int tickMs() const override { return sweepTickMs; }

    const SweepLimits& limits() const { return limits_; }
    const SharedState& position() const { return state_; }
    const MapRecord& record() const { return record_; }

private:
    SweepLimits limits_;
    SharedState state_;
    MapRecord record_;
};

} // namespace velmor
