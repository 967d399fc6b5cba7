#pragma once

#include <QChar>
#include <QString>

#include <cmath>

namespace velmor {

// Numbers as the summaries, the reports, the records' texts and the web view write them: a fixed
// count of decimals and "." as the decimal point whatever the locale.

inline QString fixed(double value, int decimals) {
    // QString::number never uses the locale: "." stays the decimal point.
    return QString::number(value, 'f', decimals);
}

// The same with its sign: "+" for zero and above, `minus` below (the summary's "-", the report's
// typographic "−").
inline QString signedFixed(double value, int decimals, QChar minus = QLatin1Char('-')) {
    return (value >= 0 ? QStringLiteral("+") : QString(minus)) + fixed(std::abs(value), decimals);
}

// The share of part in whole in per cent, with two decimals ("99.75").
inline QString percentOf(double part, double whole) {
    return fixed(part / whole * 100, 2);
}

} // namespace velmor
