#include "MeasurementCycle.h"

#include "Conversions.h"
#include "LoadFrame.h"
#include "Reading.h"

namespace velmor {

QChar readableByte(quint8 byte) {
    if (byte >= 0x20 && byte <= 0x7E)
        return QChar(byte);
    return QChar(0x00B7);
}

QString diagnosticLine(const ReplyFrame& reply) {
    const ConverterDigits digits = diagnosticDigits(reply);
    return QString(readableByte(reply.b1)) + u'_' + readableByte(reply.b2) + QStringLiteral("__") +
           QString::number(reply.b1) + u' ' + QString::number(reply.b2) + QStringLiteral("__") +
           QString::number(digits.units) + QStringLiteral(" _") + QString::number(digits.tenths) +
           QStringLiteral("_ ") + QString::number(digits.hundredths);
}

bool isOverload(double power, int powerLimit) {
    return power > powerLimitWatts(powerLimit);
}

ManualMeasurement measurementStep(const std::optional<ReplyFrame>& reply,
                                  const LoadSettings& settings, const LoadLimits& limits,
                                  bool supplyOn) {
    ManualMeasurement m;
    if (!reply) {
        m.volts5Caption = noLink5;
        m.volts12Caption = noLink12;
        m.volts33Caption = noLink33;
        return m;
    }
    m.linked = true;
    m.diagnostic = diagnosticLine(*reply);
    const Reading reading = manualReading(*reply);
    m.volts5Caption = formatReading(reading.volts5);
    m.volts12Caption = formatReading(reading.volts12);
    m.volts33Caption = formatReading(reading.volts33);
    // The power works from the voltages as the operator sees them, not from the exact ones.
    m.volts5 = parseReading(m.volts5Caption);
    m.volts12 = parseReading(m.volts12Caption);
    m.volts33 = parseReading(m.volts33Caption);

    m.clamped = {clampToLimit(settings.load5, limits.loadLimit1),
                 clampToLimit(settings.load12, limits.loadLimit2),
                 clampToLimit(settings.load33, limits.loadLimit3)};
    const LoadAmps amps = loadAmps(m.clamped);
    m.amps5Caption = formatReading(amps.amps5);
    m.amps12Caption = formatReading(amps.amps12);
    m.amps33Caption = formatReading(amps.amps33);

    m.power = totalPower(m.volts5, m.volts12, m.volts33, m.clamped.load5, m.clamped.load12,
                         m.clamped.load33);
    m.powerCaption = formatReading(m.power);
    m.overload = isOverload(m.power, limits.powerLimit);
    m.settings = m.overload ? LoadSettings{} : m.clamped;
    if (m.overload)
        m.powerBack = red;

    // Last, so the unit never gets more load than the clamp and the cut allow.
    m.frame = controlFrame(supplyOn, m.settings);
    return m;
}

} // namespace velmor
