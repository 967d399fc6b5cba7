#include "SweepProgress.h"

#include "Reading.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "SweepProgress".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SweepProgress)
};

} // namespace

QString progressVolts(const UnitOutput& output, const std::optional<double>& volts) {
    return volts ? shownVolts(output, *volts) : QStringLiteral("-");
}

QString verdictLine(const MapSummary& s, const MapRecord& record) {
    const QString unjudged = Text::tr("%1 of %2 not judged").arg(s.unjudged()).arg(s.cells);
    const QString word = verdictWord(s.verdict);
    if (const auto shutDown = shutDownText(record, s))
        return Text::tr("%1: %2 (%3)").arg(word, *shutDown, unjudged);
    if (s.didNotPowerOn)
        return Text::tr("%1: the supply did not power on (%2)").arg(word, unjudged);
    if (s.verdict == Verdict::None)
        return Text::tr("%1: no reading was judged (%2)").arg(word, unjudged);
    return Text::tr("%1: %2 of %3 judged cells inside the ATX ±5 % band (%4)")
        .arg(word)
        .arg(s.insideBand)
        .arg(s.judged)
        .arg(unjudged);
}

QString minutesSeconds(qint64 milliseconds) {
    const qint64 seconds = std::max<qint64>(0, milliseconds) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString progressBar(const SweepProgress& p) {
    constexpr int width = 14; // the whole line stays within 79 columns
    const int filled = p.cellsExpected > 0
                           ? width * std::min(p.cellsDone, p.cellsExpected) / p.cellsExpected
                           : width;
    const QString bar =
        QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char('.'));
    return Text::tr("[%1] %2/%3  %4 elapsed  %5 left  +5 V %6  +12 V %7")
        .arg(bar)
        .arg(p.cellsDone)
        .arg(p.cellsExpected)
        .arg(minutesSeconds(p.elapsedMs), minutesSeconds(p.remainingMs),
             progressVolts(output5, p.volts5), progressVolts(output12, p.volts12));
}

QString progressRowLine(const SweepProgress& p) {
    return Text::tr("row %1 done: %2/%3 cells, %4 elapsed, %5 left, +5 V %6 V, +12 V %7 V")
        .arg(p.row)
        .arg(p.cellsDone)
        .arg(p.cellsExpected)
        .arg(minutesSeconds(p.elapsedMs), minutesSeconds(p.remainingMs),
             progressVolts(output5, p.volts5), progressVolts(output12, p.volts12));
}

} // namespace velmor
