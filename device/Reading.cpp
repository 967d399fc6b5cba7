#include "Reading.h"

#include "Conversions.h"

namespace velmor {

Reading graphReading(const ReplyFrame& reply) {
    return {reply, volts5Graph(reply.b2), volts12(reply.b3), volts33(reply.b4)};
}

Reading manualReading(const ReplyFrame& reply) {
    return {reply, volts5Manual(reply.b2), volts12(reply.b3), volts33(reply.b4)};
}

QString shownVolts(const UnitOutput& output, double volts, int decimals) {
    switch (output.endOf(volts)) {
    case RangeEnd::Below:
        return QStringLiteral("< ") + QString::number(output.volts(0), 'f', decimals);
    case RangeEnd::Above:
        return QStringLiteral("> ") + QString::number(output.volts(maxReading), 'f', decimals);
    case RangeEnd::Inside:
        break;
    }
    return QString::number(volts, 'f', decimals);
}

} // namespace velmor
