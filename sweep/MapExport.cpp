#include "MapExport.h"

#include "Conversions.h"
#include "Sweep.h"
#include "Unit.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace velmor {

namespace {

// The verdict words' texts, looked up in the catalogue under "Verdict".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Verdict)
};

// The currents are multiples of 1/128 A: ten significant digits write them exactly and short.
QString exact(double value) {
    return QString::number(value, 'g', 10);
}

QString cellPlace(const MapCell& cell) {
    return QStringLiteral("row %1, column %2 (+5 V %3 A, +12 V %4 A)")
        .arg(cell.row)
        .arg(cell.column)
        .arg(fixed(nominalCurrent5(cell.row), 2), fixed(nominalCurrent12(cell.column), 2));
}

// "Worst +5 V: 4.745 V, -0.255 V (-5.10 %), class 5, at row 3, column 7 (...)", or "none".
QString worstLine(const QString& label, const MapCell* cell, Output output) {
    const QString line = QStringLiteral("Worst %1: ").arg(label);
    if (!cell)
        return line + QStringLiteral("none");
    const OutputReading r = outputReading(*cell, output);
    return line +
           QStringLiteral("%1 V, %2 V (%3 %), class %4, at %5")
               .arg(fixed(r.volts, 3), signedFixed(r.deviation(), 3), signedFixed(r.percent(), 2))
               .arg(r.deviationClass)
               .arg(cellPlace(*cell));
}

// Where the loads stood that a cell's reading answers: the cell before's next step (at a row's
// first cell, the previous row's first load past its bound), or the cell itself for the first.
MapCell answeredPlace(const MapRecord& record, std::size_t index) {
    if (index == 0)
        return record.at(0);
    MapCell place;
    place.row = record.at(index - 1).row;
    place.column = static_cast<qint16>(record.at(index - 1).column + 1);
    return place;
}

} // namespace

QString fixed(double value, int decimals) {
    // QString::number never uses the locale: "." stays the decimal point.
    return QString::number(value, 'f', decimals);
}

QString signedFixed(double value, int decimals, QChar minus) {
    return (value >= 0 ? QStringLiteral("+") : QString(minus)) + fixed(std::abs(value), decimals);
}

QString percentOf(double part, double whole) {
    return fixed(part / whole * 100, 2);
}

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
    return settleRun(sweepReadings(record), {}, AtShutdown::StopJudging);
}

OutputReading outputReading(const MapCell& cell, Output output) {
    const Reading reading = cellReading(cell);
    if (output == Output::Plus5)
        return {reading.volts5, output5.nominalVolts, cell.k5};
    return {reading.volts12, output12.nominalVolts, cell.k12};
}

QString verdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pass:
        return Text::tr("PASS");
    case Verdict::Fail:
        return Text::tr("FAIL");
    case Verdict::None:
        return Text::tr("NO VERDICT");
    case Verdict::Incomplete:
        break;
    }
    return Text::tr("INCOMPLETE");
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

std::optional<Verdict> verdictNamed(const QString& name) {
    for (const Verdict known : {Verdict::Pass, Verdict::Fail, Verdict::None, Verdict::Incomplete})
        if (name == verdictName(known))
            return known;
    return std::nullopt;
}

MapSummary summarize(const MapRecord& record) {
    return summarize(record, settleSweep(record));
}

MapSummary summarize(const MapRecord& record, const SettledRun& run) {
    MapSummary summary;
    summary.cells = static_cast<int>(record.size());
    summary.judged = run.judged;
    summary.supplyOff = run.supplyOff;
    summary.poweringUp = run.poweringUp;
    summary.loadJump = run.loadJump;
    summary.afterShutdown = run.shutDown;
    summary.didNotPowerOn = run.didNotPowerOn;
    summary.shutDownAt = run.shutDownAt;
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
    if (summary.didNotPowerOn || summary.shutDownAt || summary.insideBand < summary.judged)
        summary.verdict = Verdict::Fail;
    else if (summary.judged > 0)
        summary.verdict = Verdict::Pass;
    return summary;
}

const MapCell* worstCell(const MapRecord& record, const MapSummary& summary, Output output) {
    const std::optional<std::size_t>& worst =
        output == Output::Plus5 ? summary.worst5 : summary.worst12;
    return worst ? &record[*worst] : nullptr;
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
    if (summary.afterShutdown > 0)
        reasons << QStringLiteral("%1 after a shutdown").arg(summary.afterShutdown);
    return reasons.isEmpty() ? QStringLiteral("none") : reasons.join(QStringLiteral(", "));
}

std::optional<QString> shutDownText(const MapRecord& record, const MapSummary& summary) {
    if (!summary.shutDownAt)
        return std::nullopt;
    const MapCell cell = answeredPlace(record, *summary.shutDownAt);
    return Text::tr("the supply shut down at row %1, column %2 (+5 V %3 A, +12 V %4 A)")
        .arg(cell.row)
        .arg(cell.column)
        .arg(fixed(nominalCurrent5(cell.row), 2), fixed(nominalCurrent12(cell.column), 2));
}

Verdict verdictOf(const MapSummary& summary, bool completed) {
    return completed ? summary.verdict : Verdict::Incomplete;
}

QByteArray crossLoadSummary(const MapRecord& record, const SweepLimits& limits, const QString& name,
                            bool completed) {
    return crossLoadSummary(record, summarize(record), limits, name, completed);
}

QByteArray crossLoadSummary(const MapRecord& record, const MapSummary& summary,
                            const SweepLimits& limits, const QString& name, bool completed) {
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
    lines << worstLine(QStringLiteral("+5 V"), worstCell(record, summary, Output::Plus5),
                       Output::Plus5);
    lines << worstLine(QStringLiteral("+12 V"), worstCell(record, summary, Output::Plus12),
                       Output::Plus12);
    if (summary.didNotPowerOn)
        lines << QStringLiteral("Power-on: the supply did not power on (not all three outputs "
                                "within ±10 % %1 s after switch-on)")
                     .arg(powerOnTimeoutMs / 1000);
    if (summary.shutDownAt)
        lines << QStringLiteral("Shutdown: the supply shut down at ") +
                     cellPlace(answeredPlace(record, *summary.shutDownAt));
    lines << QStringLiteral("Verdict (ATX ±5 %): ") + verdictName(verdictOf(summary, completed));
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace velmor
