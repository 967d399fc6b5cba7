#pragma once

#include "MapExport.h"
#include "MapRecord.h"

namespace velmor {

// The ATX ±5 % verdict of a sweep. Cell (0, 0) shows the reply to the all-off frame sent before
// the supply is switched on, so it is on the map but not judged; every other cell is.
struct SweepVerdict {
    MapRecord judged;   // the judged cells, in painting order
    MapSummary summary; // of the judged cells: how many inside the band, the worst of each output
    bool passed() const { return summary.cells > 0 && summary.insideBand == summary.cells; }
};

SweepVerdict judgeSweep(const MapRecord& record);

} // namespace velmor
