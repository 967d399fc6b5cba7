#include "SweepRunRecorder.h"

#include <utility>

namespace velmor {

SweepRunRecorder::SweepRunRecorder(SweepRecorder& recorder, const SweepRunStep& step,
                                   QSize mapPixels, qreal ratio, Calibration calibration,
                                   QString calibrationWarning)
    : recorder_(recorder), step_(step), mapPixels_(mapPixels), ratio_(ratio),
      calibration_(std::move(calibration)), calibrationWarning_(std::move(calibrationWarning)) {}

void SweepRunRecorder::runStarted() {
    recorder_.sweepStarted(step_.limits(), mapPixels_, ratio_, calibration_, calibrationWarning_);
}

void SweepRunRecorder::readingTaken(const StepReading&, const StepAnswer&) {
    const MapRecord& cells = step_.record();
    for (; cellsTold_ < cells.size(); ++cellsTold_)
        recorder_.cellPainted(cells[cellsTold_]);
}

void SweepRunRecorder::runEnded(RunEnd end) {
    switch (end) {
    case RunEnd::Completed:
        recorder_.sweepEnded(SweepEnd::Completed);
        return;
    case RunEnd::Aborted:
        recorder_.sweepEnded(SweepEnd::Abandoned);
        return;
    case RunEnd::LinkLost:
        recorder_.sweepEnded(SweepEnd::LinkLost);
        return;
    }
}

} // namespace velmor
