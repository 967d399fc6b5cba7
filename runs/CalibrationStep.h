#pragma once

#include "Calibration.h"
#include "RunStep.h"

#include <deque>
#include <optional>

namespace velmor {

// One point of the calibration on the engine: the supply off and no load throughout (every reply
// is answered with the all-off frame), one input's readings averaged until they are steady. A
// reading at an end of the range (0 or 255) is no value: it is counted, never averaged.
class CalibrationStep final : public RunStep {
public:
    // The source has just been set: readings this soon after the start are not taken.
    static constexpr qint64 settleMs = 500;
    // The mean of the last `window` readings, steady when it differs from the mean of the window
    // before by less than half a step.
    static constexpr int window = 20;
    static constexpr double steadyWithin = 0.5;

    explicit CalibrationStep(Input input) : input_(input) {}

    std::optional<ControlFrame> firstFrame() const override { return allOffFrame; }
    StepAnswer take(const StepReading& reading) override;
    std::optional<ControlFrame> endFrame() const override { return allOffFrame; }
    bool pacedByReplies() const override { return true; }

    struct Progress {
        int readings = 0;   // averaged so far
        double mean = 0;    // of the last window, in reading steps
        double spread = 0;  // their standard deviation
        int atRangeEnd = 0; // readings at 0 or 255 in a row
    };
    const Progress& progress() const { return progress_; }
    // The point once steady (the meter's volts still to be given), or once its input has read
    // only range ends for two windows, with the mean at that end.
    const std::optional<CalibrationPoint>& point() const { return point_; }

private:
    Input input_;
    std::deque<int> recent_; // the last two windows of readings
    Progress progress_;
    std::optional<CalibrationPoint> point_;
};

} // namespace velmor
