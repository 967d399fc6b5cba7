#include "MeasurementCycle.h"

#include "Conversions.h"

namespace velmor {

QChar readableByte(quint8 byte) {
    if (byte >= 0x20 && byte <= 0x7E)
        return QChar(byte);
    return QChar(0x00B7);
}

QString diagnosticLine(const ReplyFrame& reply) {
    const ConverterDigits digits = converterDigits(converterVolts(reply.b2));
    return QString(readableByte(reply.b1)) + u'_' + readableByte(reply.b2) + QStringLiteral("__") +
           QString::number(reply.b1) + u' ' + QString::number(reply.b2) + QStringLiteral("__") +
           QString::number(digits.units) + QStringLiteral(" _") + QString::number(digits.tenths) +
           QStringLiteral("_ ") + QString::number(digits.hundredths);
}

bool isOverload(double power, int powerLimit) {
    return power > powerLimitWatts(powerLimit);
}

} // namespace velmor
