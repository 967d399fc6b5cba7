#include "ProgressLines.h"

#include "MapSummaryText.h"
#include "Reading.h"
#include "RunReport.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmor {

namespace {

// The texts of a plan run's lines and of a sweep's, looked up in the catalogue under these.
struct PlanText {
    Q_DECLARE_TR_FUNCTIONS(PlanProgress)
};
struct SweepText {
    Q_DECLARE_TR_FUNCTIONS(SweepProgress)
};

// A bar `width` characters wide, `filled` of them done.
QString bar(int width, int filled) {
    filled = std::clamp(filled, 0, width);
    return QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char('.'));
}

} // namespace

QString progressVolts(const UnitOutput& output, const std::optional<double>& volts) {
    return volts ? shownVolts(output, *volts) : QStringLiteral("-");
}

QString planProgressLine(const PlanProgress& p) {
    constexpr int width = 10;
    return PlanText::tr("%1/%2 %3 [%4] %5 elapsed %6 left  +5 V %7  +12 V %8  +3.3 V %9")
        .arg(p.step)
        .arg(p.steps)
        .arg(p.name.left(16),
             bar(width, static_cast<int>(width * std::clamp(p.fraction, 0.0, 1.0))),
             runningTime(p.elapsedMs), runningTime(p.remainingMs), progressVolts(output5, p.volts5),
             progressVolts(output12, p.volts12), progressVolts(output33, p.volts33));
}

QString stepEndLine(int step, int steps, const QString& name, Outcome outcome,
                    const QString& keyFigure) {
    return PlanText::tr("step %1 of %2 \"%3\": %4, %5")
        .arg(step)
        .arg(steps)
        .arg(name, outcomeWord(outcome), keyFigure);
}

QString verdictLine(const MapSummary& s, const MapRecord& record) {
    const QString unjudged = SweepText::tr("%1 of %2 not judged").arg(s.unjudged()).arg(s.cells);
    const QString word = verdictWord(s.verdict);
    if (const auto shutDown = shutDownText(record, s))
        return SweepText::tr("%1: %2 (%3)").arg(word, *shutDown, unjudged);
    if (s.didNotPowerOn)
        return SweepText::tr("%1: the supply did not power on (%2)").arg(word, unjudged);
    if (s.verdict == Verdict::None)
        return SweepText::tr("%1: no reading was judged (%2)").arg(word, unjudged);
    return SweepText::tr("%1: %2 of %3 judged cells inside the ATX ±5 % band (%4)")
        .arg(word)
        .arg(s.insideBand)
        .arg(s.judged)
        .arg(unjudged);
}

QString progressBar(const SweepProgress& p) {
    constexpr int width = 14; // the whole line stays within 79 columns
    const int filled = p.cellsExpected > 0
                           ? width * std::min(p.cellsDone, p.cellsExpected) / p.cellsExpected
                           : width;
    return SweepText::tr("[%1] %2/%3  %4 elapsed  %5 left  +5 V %6  +12 V %7")
        .arg(bar(width, filled))
        .arg(p.cellsDone)
        .arg(p.cellsExpected)
        .arg(minutesSeconds(p.elapsedMs), minutesSeconds(p.remainingMs),
             progressVolts(output5, p.volts5), progressVolts(output12, p.volts12));
}

QString progressRowLine(const SweepProgress& p) {
    return SweepText::tr("row %1 done: %2/%3 cells, %4 elapsed, %5 left, +5 V %6 V, +12 V %7 V")
        .arg(p.row)
        .arg(p.cellsDone)
        .arg(p.cellsExpected)
        .arg(minutesSeconds(p.elapsedMs), minutesSeconds(p.remainingMs),
             progressVolts(output5, p.volts5), progressVolts(output12, p.volts12));
}

} // namespace velmor
