#pragma once

#include "Calibration.h"
#include "Calibrations.h"

#include <utility>
#include <vector>

namespace velmor {

// Every input of a calibration's points fitted: the fits to show, or the refusals that keep the
// whole calibration from being kept.
struct CalibrationFit {
    std::vector<std::pair<Input, InputFit>> fits;
    std::vector<FitRefused> refusals;
    bool accepted() const { return refusals.empty(); }
};

// Fits each input of the record's points, its corrections and each point's residual set in the
// record (in the points' order) for every input that fitted.
CalibrationFit fitCalibration(results::CalibrationRecord& record);

// The record dated now, with the meter it was made against, due so many months on.
void dateCalibration(results::CalibrationRecord& record, const ReferenceMeter& meter,
                     int dueMonths);

} // namespace velmor
