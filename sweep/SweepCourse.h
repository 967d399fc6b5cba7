#pragma once

#include "MapRecord.h"
#include "SharedState.h"
#include "Sweep.h"

#include <optional>
#include <vector>

namespace velmor {

// What every sweep tick does to the sweep's own state, for the graph window and the sweep run
// from the command line alike: the steps advance and a painted cell joins the record. The caller
// shows the outcome, paints the cell and sends the frame.
SweepTick advanceSweep(SharedState& state, const std::optional<ReplyFrame>& reply,
                       MapRecord& record);

// The places of the cells a whole sweep with these limits paints, in painting order (rows and
// columns set, readings blank).
std::vector<MapCell> sweepPlaces(const SweepLimits& limits);

// How many cells a whole sweep with these limits paints: one per tick, the tick after the last
// one ends the sweep.
int expectedSweepCells(const SweepLimits& limits);

// How many of those cells the settled rule would judge were every reading nominal: none means
// the sweep cannot give a verdict whatever the supply.
int judgeableSweepCells(const SweepLimits& limits);

} // namespace velmor
