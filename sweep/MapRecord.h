#pragma once

#include "Frames.h"
#include "Reading.h"
#include "Sweep.h"

#include <QtGlobal>

#include <vector>

namespace velmor {

// What one painted map cell was painted from: its place and the reply that coloured it. The
// currents, voltages and the cell class follow from these (see MapSummary.h, MapCsv.h), so a full
// map of 128 x 128 cells stays under 200 KB.
struct MapCell {
    qint16 row = 0;    // Load5Step
    qint16 column = 0; // Load12Step
    quint8 b2 = 0;     // +5 V reading
    quint8 b3 = 0;     // +12 V reading
    quint8 b4 = 0;     // +3.3 V reading
    quint8 k5 = 0;     // deviation classes
    quint8 k12 = 0;
    friend bool operator==(const MapCell&, const MapCell&) = default;
};

// The painted cells in painting order: what the map shows.
using MapRecord = std::vector<MapCell>;

// The cell at a place painted from a reply.
MapCell mapCell(int row, int column, const ReplyFrame& reply);

// The cell a painting tick put on the map, from the reply the tick read. The place is read off
// the painted box, so the record cannot disagree with the map.
MapCell paintedCell(const ReplyFrame& reply, const SweepTick& tick);

// The cell's reading in the graph window's volts.
Reading cellReading(const MapCell& cell);

} // namespace velmor
