#pragma once

#include "FrameHold.h"
#include "PlanStep.h"
#include "Reading.h"

#include <optional>
#include <vector>

namespace velmor {

// Which protection a trip step looks for: over-power with all loads rising together, or one
// output's over-current.
enum class TripOutput { All, Plus5, Plus12, Plus33 };

// The trip step: from the start load, the step added every dwell until the supply trips or the
// end load has been held. A trip is the outputs collapsing: every output below power-good (under
// 90 % of nominal) while the supply was up. Then the loads go off, the supply is switched off
// and on again, and the step ends once it is power-good. It passes when the load it tripped at
// lies inside the window: percent of the label's watts (All) or of the output's amperes.
class TripStepSpec final : public StepSpec {
public:
    struct Ramp {
        TripOutput output = TripOutput::All;
        LoadAmps start{};
        LoadAmps step{};
        LoadAmps end{};
        qint64 dwellMs = 0;
        double windowLow = 0; // percent
        double windowHigh = 0;
    };
    explicit TripStepSpec(const Ramp& ramp);

    QString kind() const override { return QStringLiteral("trip"); }
    qint64 estimatedMs(const PlanContext& context) const override;
    QString describe() const override;
    std::unique_ptr<PlanStep> make(const PlanContext& context) const override;

    const Ramp& ramp() const { return ramp_; }
    // The loads of the ramp in order, start first, none beyond the end.
    const std::vector<LoadAmps>& levels() const { return levels_; }

private:
    Ramp ramp_;
    std::vector<LoadAmps> levels_;
};

// How long the supply is held off after a trip before it is switched on again.
inline constexpr qint64 tripOffMs = 1000;

class TripStep final : public PlanStep {
public:
    TripStep(const TripStepSpec::Ramp& ramp, std::vector<LoadAmps> levels,
             const PlanContext& context);

    ControlFrame firstFrame() override;
    StepAnswer take(const StepReading& reading, Settling settling) override;
    StepResult result() const override;
    double progress() const override;
    bool expectsShutdown() const override { return true; }

    // The level it tripped at, once it has.
    std::optional<int> tripLevel() const { return tripLevel_; }

private:
    enum class Phase { Ramp, Off, PoweringOn, Done };
    StepAnswer ramp(const StepReading& reading, Settling settling);
    StepAnswer recover(const StepReading& reading, Settling settling);

    TripStepSpec::Ramp spec_;
    std::vector<LoadAmps> levels_;
    SupplyLabel label_;
    Calibration calibration_; // the trip and the power-good are judged in its corrected volts
    FrameHold hold_;
    FrameHold offHold_;
    Phase phase_ = Phase::Ramp;
    int level_ = 0;
    std::optional<int> tripLevel_;
    std::optional<Reading> before_; // the last judged reading before the trip, corrected
    int judged_ = 0;
    int unsettled_ = 0;
};

} // namespace velmor
