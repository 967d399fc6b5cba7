#include "Reading.h"

#include <cstdlib>

namespace velmor {

namespace {

// Every reply the program takes into volts passes here, whichever way its +5 V is worked out:
// the one place a correction of the unit's readings applies.
Reading takenIntoVolts(const ReplyFrame& reply, double (*volts5)(int b2)) {
    return {reply, volts5(reply.b2), volts12(reply.b3), volts33(reply.b4)};
}

} // namespace

Reading graphReading(const ReplyFrame& reply) {
    return takenIntoVolts(reply, volts5Graph);
}

Reading manualReading(const ReplyFrame& reply) {
    return takenIntoVolts(reply, volts5Manual);
}

ConverterDigits diagnosticDigits(const ReplyFrame& reply) {
    return converterDigits(converterVolts(reply.b2));
}

bool withinOneStep(const Reading& a, const Reading& b) {
    return std::abs(a.raw.b2 - b.raw.b2) <= 1 && std::abs(a.raw.b3 - b.raw.b3) <= 1;
}

QString shownVolts(const UnitOutput& output, double volts, int decimals) {
    switch (output.endOf(volts)) {
    case RangeEnd::Below:
        return QStringLiteral("< ") + QString::number(output.lowestVolts(), 'f', decimals);
    case RangeEnd::Above:
        return QStringLiteral("> ") + QString::number(output.highestVolts(), 'f', decimals);
    case RangeEnd::Inside:
        break;
    }
    return QString::number(volts, 'f', decimals);
}

} // namespace velmor
