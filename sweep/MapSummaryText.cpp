#include "MapSummaryText.h"

#include "Conversions.h"
#include "NumberText.h"
#include "Unit.h"

#include <QCoreApplication>
#include <QStringList>

namespace velmor {

namespace {

// The shutdown is told among the verdict's words.
struct ShutdownText {
    Q_DECLARE_TR_FUNCTIONS(Verdict)
};

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
    return ShutdownText::tr("the supply shut down at row %1, column %2 (+5 V %3 A, +12 V %4 A)")
        .arg(cell.row)
        .arg(cell.column)
        .arg(fixed(nominalCurrent5(cell.row), 2), fixed(nominalCurrent12(cell.column), 2));
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
