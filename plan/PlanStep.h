#pragma once

#include "Calibration.h"
#include "Finding.h"
#include "Measurement.h"
#include "Profile.h"
#include "RunStep.h"
#include "Settling.h"
#include "SupplyLabel.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace velmor {

// The time between two readings of a plan run.
inline constexpr int planTickMs = 100;

// A plan's settle time unless it gives one: a tick, as safe as the ticks' pace; and its bounds.
inline constexpr qint64 defaultSettleMs = planTickMs;
inline constexpr int minSettleMs = 1;
inline constexpr int maxSettleMs = 5000;

// What every step of a plan knows of the run: the supply under test, the profile it is judged by
// and the plan's bounds.
struct PlanContext {
    SupplyLabel label{};
    Profile profile{};
    double powerBoundWatts = 0; // no load point of the plan may draw more at nominal volts
    bool paceByReplies = false; // a step may take its next frame as soon as the settle rule is met
    qint64 settleMs = defaultSettleMs; // a reading is judged this long after a load change
    // The bench's calibration its readings are judged with, and their uncertainties.
    Calibration calibration{};
};

// What a step came to: its outcome, its measurements and the one figure a summary shows.
struct StepResult {
    Outcome outcome = Outcome::Pass;
    std::vector<Measurement> measurements;
    QString keyFigure; // "regulation +12 V 1.8 %", "trip at 412 W", "1598 of 1640 cells inside"
    int judged = 0;    // readings judged, and readings kept but not judged
    int unsettled = 0;
    std::optional<Finding> finding{}; // what decided a step that did not pass
};

// One step of a plan run, driven reading by reading by the plan's run step (PlanRun). Like a
// RunStep it knows nothing of ports, timers, stores or windows.
class PlanStep {
public:
    virtual ~PlanStep() = default;

    // The frame the step begins with; the supply stays on from the step before unless it says
    // otherwise.
    virtual ControlFrame firstFrame() = 0;

    // Each reading after the first frame went out, with what the settled rule makes of it (only a
    // Settling::Judged reading may be judged). The answer's use says whether the step judged it.
    virtual StepAnswer take(const StepReading& reading, Settling settling) = 0;

    // What the step has come to so far; final once take() answered done.
    virtual StepResult result() const = 0;

    // How far the step is, 0..1, for the progress line.
    virtual double progress() const = 0;

    // Where the step is, for a finding: "P4", "cell 12, 40", "1 min 30 s".
    virtual QString where() const { return {}; }

    // A step that drives the supply into its protection looks for the shutdown itself; for every
    // other step the plan's run takes a shutdown for a failure.
    virtual bool expectsShutdown() const { return false; }
};

// A step as the plan file gives it: checked when the plan is read, made into a PlanStep for each
// run. One class per kind, in a file of its own; the kinds are listed in StepKinds.cpp.
class StepSpec {
public:
    virtual ~StepSpec() = default;

    virtual QString kind() const = 0; // "points", "sweep", "trip", "hold"
    QString name;                     // the plan's name for the step, or the kind

    // How long the step takes on a unit that answers every tick.
    virtual qint64 estimatedMs(const PlanContext& context) const = 0;
    // One line for --check-plan: "5 load points, 3 s each".
    virtual QString describe() const = 0;
    virtual std::unique_ptr<PlanStep> make(const PlanContext& context) const = 0;
};

} // namespace velmor
