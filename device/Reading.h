#pragma once

#include "Frames.h"

namespace velmor {

// A reply taken into volts, its raw bytes kept beside them (records store the bytes).
struct Reading {
    ReplyFrame raw;
    double volts5 = 0;
    double volts12 = 0;
    double volts33 = 0;
};

// The two windows work the +5 V out differently (see Conversions.h): the graph window, the sweep,
// its map files and reports in one step, the manual window and its session records through the
// two-decimal converter voltage. Both keep their own volts to the bit.
Reading graphReading(const ReplyFrame& reply);
Reading manualReading(const ReplyFrame& reply);

} // namespace velmor
