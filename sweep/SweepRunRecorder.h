#pragma once

#include "RunRecorder.h"
#include "SweepRecorder.h"
#include "SweepRunStep.h"

#include <QSize>

namespace velmor {

// Tells a sweep's recorder what a test run of the sweep step does, in the calls the graph window
// makes: the start with the limits, the map's size and the calibration the verdict is judged with,
// each painted cell, the end.
class SweepRunRecorder final : public RunRecorder {
public:
    SweepRunRecorder(SweepRecorder& recorder, const SweepRunStep& step, QSize mapPixels,
                     qreal ratio, Calibration calibration, QString calibrationWarning);

    void runStarted() override;
    void readingTaken(const StepReading& reading, const StepAnswer& answer) override;
    void runEnded(RunEnd end) override;

private:
    SweepRecorder& recorder_;
    const SweepRunStep& step_;
    QSize mapPixels_;
    qreal ratio_;
    Calibration calibration_;
    QString calibrationWarning_;
    std::size_t cellsTold_ = 0;
};

} // namespace velmor
