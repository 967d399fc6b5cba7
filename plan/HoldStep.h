#pragma once

#include "FirstFindings.h"
#include "PlanStep.h"
#include "PlanTable.h"

#include <array>
#include <vector>

namespace velmor {

// A hold: each level's load kept for its time, the list of levels run `repeat` times, every
// judged reading checked against the profile on all three outputs as it comes. With a power
// cycle the supply is switched off for a while and on again between two levels.
class HoldSpec final : public StepSpec {
public:
    struct Level {
        qint64 ms = 0;
        AskedLoad load{};
    };

    std::vector<Level> levels;
    int repeat = 1;
    bool powerCycle = false;

    // How long the supply stays off between two levels of a power-cycled hold.
    static constexpr qint64 offMs = 2000;

    QString kind() const override { return QStringLiteral("hold"); }
    qint64 estimatedMs(const PlanContext& context) const override;
    QString describe() const override;
    std::unique_ptr<PlanStep> make(const PlanContext& context) const override;
};

// A hold step under way. It keeps running figures only (lowest, highest, counts), so an
// eight-hour hold costs no more memory than a minute's.
class HoldStep final : public PlanStep {
public:
    HoldStep(const HoldSpec& spec, const PlanContext& context);

    ControlFrame firstFrame() override;
    StepAnswer take(const StepReading& reading, Settling settling) override;
    StepResult result() const override;
    double progress() const override;
    QString where() const override;

private:
    struct Output {
        double lowest = 0;
        double highest = 0;
        int outside = 0; // judged readings outside the limits
    };

    ControlFrame levelFrame(int position) const;
    void judge(const ReplyFrame& reply, const LoadSettings& loads);
    qint64 elapsedMs() const; // the time held so far

    HoldSpec spec_;
    std::array<Limits, 3> limits_; // +5 V, +12 V, +3.3 V
    Calibration calibration_;
    std::array<Output, 3> outputs_{};
    int position_ = 0; // the level under way, counted over every repetition
    bool started_ = false;
    bool off_ = false;        // switched off between two levels
    qint64 phaseStartMs_ = 0; // when the level, or the time off, began
    qint64 doneMs_ = 0;       // the held and off time of the levels before
    qint64 lastMs_ = 0;
    bool done_ = false;
    int judged_ = 0;
    int unsettled_ = 0;
    int outside_ = 0; // judged readings with any output outside
    FirstFindings findings_;
};

} // namespace velmor
