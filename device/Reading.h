#pragma once

#include "Frames.h"
#include "Unit.h"

#include <QString>

namespace velmor {

// A reply taken into volts, its raw bytes kept beside them (records store the bytes).
struct Reading {
    ReplyFrame raw;
    double volts5 = 0;
    double volts12 = 0;
    double volts33 = 0;

    // A byte of 0 or 255 on any output: the reading is no value there (Unit.h).
    bool beyondRange() const {
        return rangeEnd(raw.b2) != RangeEnd::Inside || rangeEnd(raw.b3) != RangeEnd::Inside ||
               rangeEnd(raw.b4) != RangeEnd::Inside;
    }
};

// The two windows work the +5 V out differently (see Conversions.h): the graph window, the sweep,
// its map files and reports in one step, the manual window and its session records through the
// two-decimal converter voltage. Both keep their own volts to the bit.
Reading graphReading(const ReplyFrame& reply);
Reading manualReading(const ReplyFrame& reply);

// Volts of an output as people read them, "." as the decimal point: "5.02", or "< 4.00" and
// "> 6.00" where the value is an end of the unit's range. The windows keep their own readouts.
QString shownVolts(const UnitOutput& output, double volts, int decimals = 2);

} // namespace velmor
