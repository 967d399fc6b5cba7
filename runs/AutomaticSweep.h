#pragma once

#include "AutomaticRun.h"
#include "RunProgress.h"
#include "RunSettings.h"
#include "SweepRunRecorder.h"
#include "SweepRunStep.h"

#include <memory>
#include <optional>

namespace velmor {

// The cross-load sweep on the unit, composed once: what the graph window does from its load to
// the save, as a run of the sweep step on the engine, its record kept as the graph window keeps
// it, the machine kept awake. Once the unit is switched off, save() keeps the map (drawn as the
// graph window draws it), its data, the summary and, if asked, the report.
class AutomaticSweep final : public AutomaticRun {
    Q_OBJECT
public:
    AutomaticSweep(SweepRunSettings settings, const PortFactory& makePort);
    ~AutomaticSweep() override;

    const SweepRunSettings& settings() const { return settings_; }
    const SweepRunStep& step() const { return step_; }

    // Where the sweep stands at a tick: cells painted of those expected, the time gone and left,
    // the tick's volts (or the last ones heard).
    SweepProgress progress(const StepReading& reading) const;

    // The map and its files saved, all or none; why not, or nothing.
    std::optional<QString> save();

private:
    void taken(const StepReading& reading) override;

    SweepRunSettings settings_;
    qreal ratio_; // the map's device pixels per logical pixel, as the graph window would have it
    SweepRunStep step_;
    std::unique_ptr<SweepRunRecorder> recording_;
    std::optional<double> volts5_; // the latest reading's
    std::optional<double> volts12_;
};

} // namespace velmor
