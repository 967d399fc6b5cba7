#include "MapExport.h"

#include "Conversions.h"
#include "Sweep.h"

#include <QStringList>

#include <cmath>

namespace velmor {

namespace {

// QString::number never uses the locale: "." stays the decimal point.
QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

// The currents are multiples of 1/128 A: ten significant digits write them exactly and short.
QString exact(double value) {
    return QString::number(value, 'g', 10);
}

QString percentOf(double part, double whole) {
    return fixed(part / whole * 100, 2);
}

QString signedFixed(double value, int decimals) {
    return (value >= 0 ? QStringLiteral("+") : QString()) + fixed(value, decimals);
}

QString cellPlace(const MapCell& cell) {
    return QStringLiteral("row %1, column %2 (+5 V %3 A, +12 V %4 A)")
        .arg(cell.row)
        .arg(cell.column)
        .arg(fixed(nominalCurrent5(cell.row), 2), fixed(nominalCurrent12(cell.column), 2));
}

// "Worst +5 V: 4.745 V, -0.255 V (-5.10 %), class 5, at row 3, column 7 (...)", or "none".
QString worstLine(const QString& output, const MapCell* cell, double volts, double nominal,
                  int deviationClass) {
    const QString label = QStringLiteral("Worst %1: ").arg(output);
    if (!cell)
        return label + QStringLiteral("none");
    const double deviation = volts - nominal;
    return label + QStringLiteral("%1 V, %2 V (%3 %), class %4, at %5")
                       .arg(fixed(volts, 3), signedFixed(deviation, 3),
                            signedFixed(deviation / nominal * 100, 2))
                       .arg(deviationClass)
                       .arg(cellPlace(*cell));
}

} // namespace

const QByteArray crossLoadCsvHeader =
    "row,column,load5_setting,load12_setting,current5_A,current12_A,b2,b3,b4,"
    "volts5_V,volts12_V,volts33_V,k5,k12,cell_class";

double cellDeviation5(const MapCell& cell) {
    return cellReading(cell).volts5 - output5.nominalVolts;
}

double cellDeviation12(const MapCell& cell) {
    return cellReading(cell).volts12 - output12.nominalVolts;
}

QByteArray crossLoadCsv(const MapRecord& record) {
    QByteArray csv = crossLoadCsvHeader + '\n';
    csv.reserve(csv.size() + static_cast<qsizetype>(record.size()) * 80);
    for (const MapCell& cell : record) {
        const Reading reading = cellReading(cell);
        const QStringList fields{QString::number(cell.row),
                                 QString::number(cell.column),
                                 QString::number(2 * cell.row),
                                 QString::number(2 * cell.column),
                                 exact(nominalCurrent5(cell.row)),
                                 exact(nominalCurrent12(cell.column)),
                                 QString::number(cell.b2),
                                 QString::number(cell.b3),
                                 QString::number(cell.b4),
                                 fixed(reading.volts5, 4),
                                 fixed(reading.volts12, 4),
                                 fixed(reading.volts33, 4),
                                 QString::number(cell.k5),
                                 QString::number(cell.k12),
                                 QString::number(cellClass(cell.k5, cell.k12))};
        csv += fields.join(QLatin1Char(',')).toLatin1() + '\n';
    }
    return csv;
}

std::vector<RunReading> sweepReadings(const MapRecord& record) {
    std::vector<RunReading> readings;
    readings.reserve(record.size());
    for (std::size_t i = 0; i < record.size(); ++i) {
        const Reading reading = cellReading(record[i]);
        RunReading r{static_cast<qint64>(i) * sweepTickMs,
                     i > 0,
                     0,
                     0,
                     0,
                     reading.volts5 / output5.nominalVolts,
                     reading.volts12 / output12.nominalVolts,
                     reading.volts33 / output33.nominalVolts};
        if (i > 0) {
            const MapCell& before = record[i - 1];
            const LoadSettings loads = loadSettings(sweepFrame(1, before.column + 1, before.row));
            r.load5 = loads.load5;
            r.load12 = loads.load12;
            r.load33 = loads.load33;
        }
        readings.push_back(r);
    }
    return readings;
}

SettledRun settleSweep(const MapRecord& record) {
    return settleRun(sweepReadings(record));
}

QString verdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pass:
        return QStringLiteral("pass");
    case Verdict::Fail:
        return QStringLiteral("fail");
    case Verdict::None:
        return QStringLiteral("none");
    case Verdict::Incomplete:
        break;
    }
    return QStringLiteral("incomplete");
}

MapSummary summarize(const MapRecord& record) {
    const SettledRun run = settleSweep(record);
    MapSummary summary;
    summary.cells = static_cast<int>(record.size());
    summary.judged = run.judged;
    summary.supplyOff = run.supplyOff;
    summary.poweringUp = run.poweringUp;
    summary.loadJump = run.loadJump;
    summary.didNotPowerOn = run.didNotPowerOn;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const MapCell& cell = record[i];
        if (run.settling[i] != Settling::Judged)
            continue;
        summary.insideBand += insideAtxBand(cell) ? 1 : 0;
        if (!summary.worst5 ||
            std::abs(cellDeviation5(cell)) > std::abs(cellDeviation5(record[*summary.worst5])))
            summary.worst5 = i;
        if (!summary.worst12 ||
            std::abs(cellDeviation12(cell)) > std::abs(cellDeviation12(record[*summary.worst12])))
            summary.worst12 = i;
    }
    if (summary.didNotPowerOn || summary.insideBand < summary.judged)
        summary.verdict = Verdict::Fail;
    else if (summary.judged > 0)
        summary.verdict = Verdict::Pass;
    return summary;
}

QString unjudgedReasons(const MapSummary& summary) {
    QStringList reasons;
    if (summary.supplyOff > 0)
        reasons << QStringLiteral("%1 answer%2 the all-off frame")
                       .arg(summary.supplyOff)
                       .arg(summary.supplyOff == 1 ? QStringLiteral("s") : QString());
    if (summary.poweringUp > 0)
        reasons << QStringLiteral("%1 before the supply was up").arg(summary.poweringUp);
    if (summary.loadJump > 0)
        reasons << QStringLiteral("%1 just after a load jump").arg(summary.loadJump);
    return reasons.isEmpty() ? QStringLiteral("none") : reasons.join(QStringLiteral(", "));
}

Verdict verdictOf(const MapSummary& summary, bool completed) {
    return completed ? summary.verdict : Verdict::Incomplete;
}

QByteArray crossLoadSummary(const MapRecord& record, const SweepLimits& limits, const QString& name,
                            bool completed) {
    const MapSummary summary = summarize(record);
    QStringList lines;
    lines << QStringLiteral("Cross-load map \"%1\"").arg(name);
    lines << QStringLiteral("Limits: LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3 (%4 W)")
                 .arg(limits.loadLimit1)
                 .arg(limits.loadLimit2)
                 .arg(limits.powerLimit)
                 .arg(powerLimitWatts(limits.powerLimit));
    lines << QStringLiteral("Cells: %1, judged %2, not judged %3: %4")
                 .arg(summary.cells)
                 .arg(summary.judged)
                 .arg(summary.unjudged())
                 .arg(unjudgedReasons(summary));
    const QString band = QStringLiteral("Inside the ATX ±5 % band on both +5 V and +12 V "
                                        "(classes 0 to 4): ");
    lines << band + (summary.judged == 0 ? QStringLiteral("no judged cells")
                                         : QStringLiteral("%1 of %2 judged cells, %3 %")
                                               .arg(summary.insideBand)
                                               .arg(summary.judged)
                                               .arg(percentOf(summary.insideBand, summary.judged)));
    const MapCell* worst5 = summary.worst5 ? &record[*summary.worst5] : nullptr;
    const MapCell* worst12 = summary.worst12 ? &record[*summary.worst12] : nullptr;
    lines << worstLine(QStringLiteral("+5 V"), worst5, worst5 ? cellReading(*worst5).volts5 : 0, 5,
                       worst5 ? worst5->k5 : 0);
    lines << worstLine(QStringLiteral("+12 V"), worst12,
                       worst12 ? cellReading(*worst12).volts12 : 0, 12, worst12 ? worst12->k12 : 0);
    if (summary.didNotPowerOn)
        lines << QStringLiteral("Power-on: the supply did not power on (not all three outputs "
                                "within ±10 % %1 s after switch-on)")
                     .arg(powerOnTimeoutMs / 1000);
    lines << QStringLiteral("Verdict (ATX ±5 %): ") + verdictName(verdictOf(summary, completed));
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace velmor
