#pragma once

#include "RunRead.h"

#include <QString>

namespace velmor::web {

// A run's steps, one row each: its kind and name, its outcome coloured, what decided it, its key
// figure and its readings judged and unsettled.
QString runStepsTable(const results::StoredRun& run);

// Each step's measurements under its name: value, unit, limits, guard band, the load asked and the
// outcome coloured, the row marked as the outcome; a value held to no limit has none.
QString runMeasurementTables(const results::StoredRun& run);

} // namespace velmor::web
