#pragma once

#include "Calibrations.h"

#include <QString>

#include <vector>

namespace velmor::results {

// `velmor-results calibrations`: a line each, newest first, in aligned columns.
QString calibrationsText(const std::vector<CalibrationRecord>& records);
// `velmor-results show ID` of a calibration: who, against what, each input's correction and
// uncertainty at nominal, and every point with its residual.
QString calibrationText(const CalibrationRecord& record);

} // namespace velmor::results
