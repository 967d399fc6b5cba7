#pragma once

#include "Conversions.h"
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

    // Where each output's byte lies in the unit's range: at an end (0 or 255) the reading is no
    // value there (Unit.h).
    RangeEnd end5() const { return rangeEnd(raw.b2); }
    RangeEnd end12() const { return rangeEnd(raw.b3); }
    RangeEnd end33() const { return rangeEnd(raw.b4); }

    // A byte of 0 or 255 on any output.
    bool beyondRange() const {
        return end5() != RangeEnd::Inside || end12() != RangeEnd::Inside ||
               end33() != RangeEnd::Inside;
    }
};

// The two windows work the +5 V out differently (see Conversions.h): the graph window, the sweep,
// its map files and reports in one step, the manual window and its session records through the
// two-decimal converter voltage. Both keep their own volts to the bit.
Reading graphReading(const ReplyFrame& reply);
Reading manualReading(const ReplyFrame& reply);

// The digits of the +5 V converter voltage the manual window's diagnostic line shows.
ConverterDigits diagnosticDigits(const ReplyFrame& reply);

// Two readings no further apart on +5 V and +12 V (a map's outputs) than the unit's resolution,
// one step of each byte: a change of deviation class between them may be the last bit alone.
bool withinOneStep(const Reading& a, const Reading& b);

// Volts of an output as people read them, "." as the decimal point: "5.02", or "< 4.00" and
// "> 6.00" where the value is an end of the unit's range. The windows keep their own readouts.
QString shownVolts(const UnitOutput& output, double volts, int decimals = 2);

} // namespace velmor
