#include "RunTables.h"
#include "WebText.h"

#include "Finding.h"
#include "Html.h"
#include "Measurement.h"
#include "RecordText.h"

#include <algorithm>

namespace velmor::web {

namespace {

QString number(const std::optional<double>& value) {
    return value ? QString::number(*value, 'g', 6) : QStringLiteral("-");
}

QString numberCell(const QString& text) {
    return QStringLiteral("<td class=\"n\">") + html(text) + QStringLiteral("</td>");
}

QString headerRow(const QStringList& header) {
    QString out = QStringLiteral("<tr>");
    for (const QString& h : header)
        out += QStringLiteral("<th>") + html(h) + QStringLiteral("</th>");
    return out + QStringLiteral("</tr>\n");
}

// The row's class: the outcome's colour where it did not pass.
QString rowStart(const QString& outcome) {
    const bool marked = outcome == QLatin1String("marginal") || outcome == QLatin1String("fail") ||
                        outcome == QLatin1String("error") || outcome == QLatin1String("aborted");
    if (!marked)
        return QStringLiteral("<tr>");
    return QStringLiteral("<tr class=\"%1\">")
        .arg(outcome == QLatin1String("aborted") ? QStringLiteral("error") : outcome);
}

} // namespace

QString runStepsTable(const results::StoredRun& run) {
    if (run.steps.empty())
        return QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No step has ended.")));
    QString out =
        QStringLiteral("<table class=\"steps\">\n") +
        headerRow({WebText::tr("step"), WebText::tr("kind"), WebText::tr("name"),
                   WebText::tr("outcome"), WebText::tr("decided by"), WebText::tr("key figure"),
                   WebText::tr("judged"), WebText::tr("unsettled")});
    for (const results::StoredRunStep& s : run.steps)
        out += rowStart(s.outcome) + numberCell(QString::number(s.seq + 1)) +
               QStringLiteral("<td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>")
                   .arg(html(s.kind), html(s.name), outcomeCell(s.outcome),
                        s.reason.isEmpty() ? QStringLiteral("-") : html(shownFinding(s.reason)),
                        s.keyFigure.isEmpty() ? QStringLiteral("-")
                                              : html(shownRecordText(s.keyFigure))) +
               numberCell(QString::number(s.judged)) + numberCell(QString::number(s.unsettled)) +
               QStringLiteral("</tr>\n");
    return out + QStringLiteral("</table>\n");
}

QString runMeasurementTables(const results::StoredRun& run) {
    QString out;
    for (const results::StoredRunStep& s : run.steps) {
        if (s.measurements.empty())
            continue;
        // A step judged with uncertainties (stored since calibrations are kept) shows each one.
        const bool uncertain = std::any_of(
            s.measurements.begin(), s.measurements.end(),
            [](const results::StoredMeasurement& m) { return m.uncertainty.has_value(); });
        QStringList header{WebText::tr("measurement"), WebText::tr("value"), WebText::tr("unit")};
        if (uncertain)
            header << WebText::tr("uncertainty ±");
        header << WebText::tr("low") << WebText::tr("high") << WebText::tr("guard low")
               << WebText::tr("guard high") << WebText::tr("asked") << WebText::tr("outcome");
        out += QStringLiteral("<h3>%1</h3>\n<table class=\"measurements\">\n")
                   .arg(html(WebText::tr("Step %1 \"%2\"").arg(s.seq + 1).arg(s.name))) +
               headerRow(header);
        for (const results::StoredMeasurement& m : s.measurements) {
            // held to no limit: recorded, not passed
            const QString outcome = m.low || m.high ? m.outcome : QString();
            out += rowStart(outcome) +
                   QStringLiteral("<td>%1</td>").arg(html(shownRecordText(m.name))) +
                   numberCell(shownValue(m.name, m.value, m.unit)) +
                   QStringLiteral("<td>%1</td>").arg(html(m.unit)) +
                   (uncertain ? numberCell(number(m.uncertainty)) : QString()) +
                   numberCell(number(m.low)) + numberCell(number(m.high)) +
                   numberCell(number(m.guardLow)) + numberCell(number(m.guardHigh)) +
                   numberCell(number(m.asked)) +
                   QStringLiteral("<td>%1</td></tr>\n").arg(outcomeCell(outcome));
        }
        out += QStringLiteral("</table>\n");
    }
    return out;
}

} // namespace velmor::web
