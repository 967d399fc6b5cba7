#include "Conversions.h"

#include "Unit.h"

#include <cmath>

namespace velmor {

double volts12(int b3) {
    return output12.volts(b3);
}

double volts33(int b4) {
    return output33.volts(b4);
}

double volts5Graph(int b2) {
    return output5.volts(b2);
}

double converterVolts(int b2) {
    const double x = static_cast<double>(b2 * 5) / maxReading;
    return std::round(x * 100) / 100;
}

double volts5Manual(int b2) {
    return converterVolts(b2) / 2.5 + 4;
}

ConverterDigits converterDigits(double converterVolts) {
    const int n = static_cast<int>(std::lround(converterVolts * 100));
    ConverterDigits d;
    d.units = n / 100;
    d.tenths = n / 10 - 10 * d.units;
    d.hundredths = n - 100 * d.units - 10 * d.tenths;
    return d;
}

double current5(int setting) {
    return output5.amps(setting);
}

double current12(int setting) {
    return output12.amps(setting);
}

double current33(int setting) {
    return output33.amps(setting);
}

double totalPower(double shown5, double shown12, double shown33, int setting5, int setting12,
                  int setting33) {
    const double p5 = (shown5 * (setting5 * output5.fullScaleAmps)) / maxLoadSetting;
    const double p12 = (shown12 * (setting12 * output12.fullScaleAmps)) / maxLoadSetting;
    const double p33 = (shown33 * (setting33 * output33.fullScaleAmps)) / maxLoadSetting;
    return (p5 + p12) + p33;
}

QString formatReading(double value) {
    return QString::number(value, 'f', 2);
}

double parseReading(const QString& shown, bool* ok) {
    QString text = shown.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool parsed = false;
    const double value = text.toDouble(&parsed);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0.0;
}

} // namespace velmor
