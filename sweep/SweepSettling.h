#pragma once

#include "MapRecord.h"
#include "Settling.h"

#include <vector>

namespace velmor {

// The settled rule (Settling.h) over a map painted one cell a tick.

// The cells as readings for the settled rule, with the frame each one answers: the first cell
// the all-off frame sent on loading or reset, every later cell the frame the tick before it sent,
// one +12 V step on from the cell before. Time runs at one tick per cell.
std::vector<RunReading> sweepReadings(const MapRecord& record);

// Which cells are judged, and why the others are not.
SettledRun settleSweep(const MapRecord& record);

} // namespace velmor
