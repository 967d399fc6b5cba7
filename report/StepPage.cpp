#include "StepPages.h"

#include "NumberText.h"
#include "RecordText.h"
#include "ReportPage.h"
#include "Settling.h"

#include <array>
#include <cmath>

namespace velmor {

QString pageText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    return shown;
}

void drawLine(QPainter& p, double x, double y, double width, const QString& line) {
    p.drawText(QPointF(x, y), p.fontMetrics().elidedText(line, Qt::ElideRight, qRound(width)));
}

QString unitText(const QString& unit) {
    static const std::array<std::pair<const char*, const char*>, 4> known{
        {{"V", QT_TRANSLATE_NOOP("RunReport", "V")},
         {"A", QT_TRANSLATE_NOOP("RunReport", "A")},
         {"W", QT_TRANSLATE_NOOP("RunReport", "W")},
         {"s", QT_TRANSLATE_NOOP("RunReport", "s")}}};
    for (const auto& [word, shown] : known)
        if (unit == QLatin1String(word))
            return RunText::tr(shown);
    return pageText(unit);
}

QString valueText(double value, const QString& unit, int decimals) {
    if (!std::isfinite(value))
        return QStringLiteral("-");
    return unit.isEmpty() ? fixed(value, decimals) : fixed(value, decimals) + u' ' + unitText(unit);
}

QString measuredText(const Measurement& m) {
    const UnitOutput* output = measuredOutput(m.name, m.unit);
    if (output && output->endOf(m.value) != RangeEnd::Inside)
        return shownValue(m.name, m.value, m.unit) + u' ' + unitText(m.unit);
    return valueText(m.value, m.unit);
}

QString limitsText(const Limits& limits, const QString& unit) {
    const auto bound = [](const std::optional<double>& v) {
        return v ? fixed(*v, 3) : QStringLiteral("…");
    };
    if (!limits.low && !limits.high)
        return QStringLiteral("-");
    QString text =
        QStringLiteral("%1 – %2 %3").arg(bound(limits.low), bound(limits.high), unitText(unit));
    if (limits.guardLow || limits.guardHigh)
        text += u' ' + guardText(limits);
    return text;
}

QString guardText(const Limits& limits) {
    const auto bound = [](const std::optional<double>& v) {
        return v ? fixed(*v, 3) : QStringLiteral("…");
    };
    return RunText::tr("(guard %1 – %2)").arg(bound(limits.guardLow), bound(limits.guardHigh));
}

QString timeText(const QDateTime& time) {
    return time.isValid() ? localTimeText(time) : QStringLiteral("-");
}

Reading readingVolts(const RunReportReading& r) {
    return graphReading(storedReply(r.b1, r.b2, r.b3, r.b4));
}

std::vector<const Measurement*> allMeasurements(const RunReportStep& step) {
    std::vector<const Measurement*> all;
    all.reserve(step.measurements.size());
    for (const Measurement& m : step.measurements)
        all.push_back(&m);
    return all;
}

namespace {

QString stepTitle(const RunReportStep& step, int index, int steps) {
    return RunText::tr("Step %1 of %2: %3 \"%4\"")
        .arg(index + 1)
        .arg(steps)
        .arg(pageText(step.kind), pageText(step.name));
}

void stepText(QPainter& p, double x, double y, const QString& line, const QFont& font,
              const QColor& colour = Qt::black) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, y), line);
}

void stepCell(QPainter& p, double x, double y, double width, const QString& line) {
    drawLine(p, x, y, width - 12, line);
}

int countOf(const RunReportStep& step, Settling settling) {
    int n = 0;
    for (const RunReportReading& r : step.readings)
        n += r.settling == settling;
    return n;
}

} // namespace

void addStepHead(PageFlow& flow, const RunReportStep& step, int index, int steps) {
    const QString title = stepTitle(step, index, steps);
    flow.newPart(60, [title](QPainter& p, double top) {
        stepText(p, 0, top + 30, RunText::tr("%1 (continued)").arg(title), reportFont(12, true));
    });
    flow.add(200, [&step, title](QPainter& p, double top) {
        stepText(p, 0, top + 36, title, reportFont(16, true));
        const QString word = outcomeWord(step.outcome);
        stepText(p, 0, top + 86, word, reportFont(20, true), outcomeColour(step.outcome));
        const double after = p.fontMetrics().horizontalAdvance(word) + 30;
        p.setFont(reportFont(11));
        p.setPen(Qt::black);
        // What decided it first, the key figure after it.
        const QString decided = shownFinding(step.reason);
        const QString figure = shownRecordText(step.keyFigure);
        stepCell(p, after, top + 84, reportPageWidth - after,
                 pageText(decided.isEmpty() || figure.isEmpty()
                              ? decided + figure
                              : RunText::tr("%1; %2").arg(decided, figure)));
        stepText(p, 0, top + 124,
                 RunText::tr("Started %1, ended %2")
                     .arg(timeText(step.startedAt), timeText(step.endedAt)),
                 reportFont(9));
        p.setFont(reportFont(9));
        p.drawText(
            QRectF(0, top + 132, reportPageWidth, 60), Qt::TextWordWrap,
            RunText::tr("Readings %1: judged %2, not judged %3 (%4 supply off, %5 before the "
                        "supply was up, %6 after a load jump, %7 after a shutdown)")
                .arg(step.readings.size())
                .arg(step.judged)
                .arg(step.unsettled)
                .arg(countOf(step, Settling::SupplyOff))
                .arg(countOf(step, Settling::PoweringUp))
                .arg(countOf(step, Settling::LoadJump))
                .arg(countOf(step, Settling::ShutDown)));
    });
}

namespace {

QString ruleText(DecidingRule rule) {
    switch (rule) {
    case DecidingRule::BeyondLimit:
        return RunText::tr("beyond its limit");
    case DecidingRule::BeyondLimitWithinUncertainty:
        return RunText::tr("beyond its limit within the uncertainty");
    case DecidingRule::Uncertainty:
        return RunText::tr("within the uncertainty of its limit");
    case DecidingRule::Guard:
        return RunText::tr("outside the guard band");
    case DecidingRule::Clear:
        break;
    }
    return RunText::tr("clear of the limits");
}

// The rule that decided a measurement judged with its uncertainty (guarded acceptance), or none.
std::optional<QString> decidingRule(const Measurement& m) {
    if (!m.uncertainty || !(m.limits.low || m.limits.high))
        return std::nullopt;
    return RunText::tr("decided by: %1")
        .arg(ruleText(judgeGuarded(m.value, m.limits, *m.uncertainty).rule));
}

} // namespace

void addMeasurementList(PageFlow& flow, const std::vector<const Measurement*>& measurements) {
    if (measurements.empty())
        return;
    static constexpr std::array<double, 7> columns{0, 260, 380, 470, 540, 900, reportPageWidth};
    const auto heads = [](QPainter& p, double top) {
        p.setFont(reportFont(8, true));
        p.setPen(Qt::black);
        const QStringList names{RunText::tr("Measurement"), RunText::tr("Value"),
                                RunText::tr("± (k=2)"),     RunText::tr("Asked"),
                                RunText::tr("Limits"),      RunText::tr("Outcome")};
        for (int c = 0; c < names.size(); ++c)
            stepCell(p, columns[c], top + 20, columns[c + 1] - columns[c], names[c]);
    };
    flow.add(80, [heads](QPainter& p, double top) {
        stepText(p, 0, top + 40, RunText::tr("Measurements"), reportFont(11, true));
        heads(p, top + 48);
    });
    for (const Measurement* m : measurements)
        flow.add(decidingRule(*m) ? 42 : 28, [m](QPainter& p, double top) {
            p.setFont(reportFont(8));
            p.setPen(Qt::black);
            const double y = top + 20;
            stepCell(p, columns[0], y, columns[1] - columns[0], pageText(shownRecordText(m->name)));
            stepCell(p, columns[1], y, columns[2] - columns[1], measuredText(*m));
            stepCell(p, columns[2], y, columns[3] - columns[2],
                     m->uncertainty ? valueText(*m->uncertainty, m->unit, 4) : QStringLiteral("-"));
            stepCell(p, columns[3], y, columns[4] - columns[3],
                     m->asked ? valueText(*m->asked, m->unit) : QStringLiteral("-"));
            stepCell(p, columns[4], y, columns[5] - columns[4], limitsText(m->limits, m->unit));
            // A value held to no limit (a load set, a regulation figure, a count) is recorded,
            // not passed.
            const bool judged = m->limits.low || m->limits.high;
            p.setPen(judged ? outcomeColour(m->outcome) : QColor(Qt::black));
            stepCell(p, columns[5], y, columns[6] - columns[5],
                     judged ? outcomeWord(m->outcome) : QStringLiteral("-"));
            if (const auto rule = decidingRule(*m)) {
                p.setFont(reportFont(7));
                p.setPen(Qt::darkGray);
                stepCell(p, columns[4], y + 15, columns[6] - columns[4], *rule);
            }
        });
}

} // namespace velmor
