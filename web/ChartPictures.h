#pragma once

#include "QualityCharts.h"

#include <QImage>

namespace velmor::web {

// The first-pass yield per day, a line per model, 0 to 100 %, the days along the bottom.
QImage yieldPicture(const results::YieldByDay& yields);

// A control chart: each value in the order of its run, joined; the limits (red), the mean
// (green) and mean ± 3σ (dashed); a value beyond ±3σ a red ring. `title` names the measurement.
QImage controlPicture(const results::ControlValues& values, const QString& title);

} // namespace velmor::web
