#pragma once

#include "FrameHold.h"
#include "MapRecord.h"
#include "MapSummary.h"
#include "PlanStep.h"
#include "Settling.h"
#include "Sweep.h"

#include <optional>
#include <vector>

namespace velmor {

// The cross-load sweep as a step of a plan: the graph window's cells (sweepPlaces) in its order,
// each painted from the first reading the settled rule judges once the cell's frame has been held
// for the dwell, so every cell of the map is judged. The readings before it are kept, unsettled,
// and answered with the cell's frame again.
// Only +5 V and +12 V are loaded and judged, as on the graph window's map.
class SweepStepSpec final : public StepSpec {
public:
    SweepStepSpec(const SweepLimits& limits, std::optional<qint64> dwellMs);

    QString kind() const override { return QStringLiteral("sweep"); }
    qint64 estimatedMs(const PlanContext& context) const override;
    QString describe() const override;
    std::unique_ptr<PlanStep> make(const PlanContext& context) const override;

    const SweepLimits& limits() const { return limits_; }
    // The plan's dwell per cell; none: one tick, or one settled reply when paced by replies.
    std::optional<qint64> dwellMs() const { return dwellMs_; }

private:
    SweepLimits limits_;
    std::optional<qint64> dwellMs_;
};

class SweepStep final : public PlanStep {
public:
    SweepStep(const SweepLimits& limits, qint64 dwellMs, const PlanContext& context);

    ControlFrame firstFrame() override;
    StepAnswer take(const StepReading& reading, Settling settling) override;
    StepResult result() const override;
    double progress() const override;
    QString where() const override;

    const MapRecord& record() const { return record_; }

private:
    std::vector<MapCell> places_;
    Profile profile_;
    Calibration calibration_;
    FrameHold hold_;
    MapRecord record_;
    int judged_ = 0;
    int unsettled_ = 0;
};

// A reading of a sweep step as its run record keeps it: the frame it answers, the reply (none
// without a link) and what the settled rule made of it.
struct KeptReading {
    bool supplyOn = false;
    LoadSettings loads{};
    std::optional<ReplyFrame> reply;
    Settling settling = Settling::SupplyOff;
};

// The map a sweep step painted, from its readings in order: each cell is the last reading that
// answers the cell's frame, when the rule judged it. The map of an ended step is the step's own;
// for a step cut short, its last cell may have been read before the dwell was out.
MapRecord sweepStepRecord(const std::vector<KeptReading>& readings);

// The map's summary: every cell of a plan's sweep is judged.
MapSummary sweepStepSummary(const MapRecord& record);

// The step's result from its map, judged by the profile in the calibration's corrected volts, each
// worst reading with its uncertainty; the map keeps the design's volts.
StepResult sweepStepResult(const MapRecord& record, const Profile& profile, int unsettled,
                           const Calibration& calibration);

} // namespace velmor
