#pragma once

#include "AutomaticRun.h"
#include "PlanRun.h"
#include "RunProgress.h"
#include "RunReportCollector.h"
#include "RunSettings.h"

#include <optional>

namespace velmor {

// A test plan run on the unit, composed once for the command line and the station: the plan as
// one step of the engine, the store's record and the report's, the machine kept awake, and at the
// end the report saved. What a run is asked with comes in its settings.
class AutomaticPlanRun final : public AutomaticRun {
    Q_OBJECT
public:
    AutomaticPlanRun(Plan plan, PlanRunSettings settings, const PortFactory& makePort);
    ~AutomaticPlanRun() override;

    const PlanRunSettings& settings() const { return settings_; }
    const PlanRun& planRun() const { return run_; }
    int steps() const { return static_cast<int>(run_.plan().steps.size()); }

    // Where the run stands at a tick this long after the start: the step under way and its share
    // done, the time gone and an estimate of the time left, the latest volts; nothing once the
    // last step has ended.
    std::optional<PlanProgress> progress(qint64 elapsedMs) const;

    // The run's PDF report (settings().report), saved into the reports folder once the run has
    // ended: where it went, or why it was not written.
    struct SavedReport {
        QString path;
        std::optional<QString> error;
    };
    SavedReport saveReport();

private:
    void taken(const StepReading& reading) override;

    PlanRunSettings settings_;
    RunReportCollector report_;
    BothRecorders recorders_; // the store's record and the report's
    PlanRun run_;
    std::optional<double> volts_[3]; // the latest reading's, +5 V, +12 V, +3.3 V
};

} // namespace velmor
