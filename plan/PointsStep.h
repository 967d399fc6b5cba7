#pragma once

#include "FirstFindings.h"
#include "FrameHold.h"
#include "PlanStep.h"
#include "PlanTable.h"

#include <array>
#include <optional>
#include <vector>

namespace velmor {

// `kind = "points"`: a list of load points, each held for its dwell with the supply on. Every
// settled reading is judged on all three outputs; the step keeps, per point and output, the
// reading furthest from nominal and the load set, and per output the load regulation over the
// step: (highest - lowest settled reading) / nominal.
class PointsSpec final : public StepSpec {
public:
    std::vector<AskedLoad> points;
    qint64 dwellMs = 1000; // per point

    QString kind() const override { return QStringLiteral("points"); }
    qint64 estimatedMs(const PlanContext& context) const override;
    QString describe() const override;
    std::unique_ptr<PlanStep> make(const PlanContext& context) const override;
};

class PointsStep final : public PlanStep {
public:
    PointsStep(const PointsSpec& spec, const PlanContext& context);

    ControlFrame firstFrame() override;
    StepAnswer take(const StepReading& reading, Settling settling) override;
    StepResult result() const override;
    double progress() const override;
    QString where() const override;

private:
    struct Spread { // of one output's settled readings
        double low = 0;
        double high = 0;
    };
    ControlFrame frameOf(std::size_t point) const;
    void endPoint();

    PointsSpec spec_;
    PlanContext context_;
    std::size_t point_ = 0; // the point under way
    FrameHold hold_;        // of the point under way
    qint64 heldMs_ = 0;     // how long it has been held, at the last reading
    // Of the point under way: each output's settled reading furthest from nominal.
    std::array<std::optional<double>, 3> furthest_{};
    std::array<std::optional<Spread>, 3> spread_{}; // over the step
    std::optional<std::size_t> unsettledPoint_;     // the first point without a settled reading
    std::vector<Measurement> measurements_;         // of the points ended
    int judged_ = 0;
    int unsettled_ = 0;
    FirstFindings findings_; // at their points
};

} // namespace velmor
