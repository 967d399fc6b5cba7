#include "PlanProgress.h"

#include "RunReport.h"
#include "SweepProgress.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "PlanProgress".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PlanProgress)
};

} // namespace

QString runningTime(qint64 milliseconds) {
    const qint64 seconds = std::max<qint64>(0, milliseconds) / 1000;
    if (seconds < 3600)
        return minutesSeconds(milliseconds);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString planProgressLine(const PlanProgress& p) {
    constexpr int width = 10;
    const int filled = static_cast<int>(width * std::clamp(p.fraction, 0.0, 1.0));
    const QString bar =
        QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char('.'));
    return Text::tr("%1/%2 %3 [%4] %5 elapsed %6 left  +5 V %7  +12 V %8  +3.3 V %9")
        .arg(p.step)
        .arg(p.steps)
        .arg(p.name.left(16), bar, runningTime(p.elapsedMs), runningTime(p.remainingMs),
             progressVolts(output5, p.volts5), progressVolts(output12, p.volts12),
             progressVolts(output33, p.volts33));
}

QString stepEndLine(int step, int steps, const QString& name, Outcome outcome,
                    const QString& keyFigure) {
    return Text::tr("step %1 of %2 \"%3\": %4, %5")
        .arg(step)
        .arg(steps)
        .arg(name, outcomeWord(outcome), keyFigure);
}

} // namespace velmor
