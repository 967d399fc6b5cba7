#pragma once

#include <QString>

namespace velmor {

// Raw reply bytes to volts, load settings to amperes, both to watts, from the unit's figures
// (Unit.h). Each voltage maps its byte onto 80 %..120 % of nominal. Currents are not measured:
// they follow from the load settings the host sends. A formula (a * k) / 255 + c is evaluated
// in exactly that order. Outside the device, a reply is taken in through Reading.h.

double volts12(int b3);     // 9.60 .. 14.40
double volts33(int b4);     // 2.64 .. 3.96
double volts5Graph(int b2); // one step: (b2 * 2) / 255 + 4

// The +5 V converter voltage X = (b2 * 5) / 255 rounded to two decimals; the manual window
// works on from the rounded value, which is why its +5 V differs from the one-step form by
// 0.01 V for 30 of the 256 byte values.
double converterVolts(int b2);
double volts5Manual(int b2); // converterVolts(b2) / 2.5 + 4

// The units, tenths and hundredths digits of a two-decimal converter voltage.
struct ConverterDigits {
    int units = 0;
    int tenths = 0;
    int hundredths = 0;
};
ConverterDigits converterDigits(double converterVolts);

double current5(int setting);  // 0.00 .. 40.00 A
double current12(int setting); // 0.00 .. 21.00 A
double current33(int setting); // 0.00 .. 26.52 A

// Total power from the voltages as shown (two decimals) and the load settings; the current
// factor is the unrounded product, not the shown current.
double totalPower(double shown5, double shown12, double shown33, int setting5, int setting12,
                  int setting33);

// The power limit is kept in units of 2 W.
constexpr int powerLimitWatts(int powerLimit) {
    return 2 * powerLimit;
}

// The readouts' number shape ("###0.00" for volts and amperes, "####0.00" for watts): at least
// one integer digit, exactly two decimals, rounded to nearest, "." as the separator.
QString formatReading(double value);

// Reads a shown reading back as a number, whatever decimal separator it was shown with.
// Nothing-like text ("---", "нет") reads as 0.
double parseReading(const QString& shown, bool* ok = nullptr);

} // namespace velmor
