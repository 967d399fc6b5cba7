#include "RecordTables.h"
#include "WebText.h"

#include "Html.h"
#include "MapSummary.h"
#include "MapSummaryText.h"
#include "NumberText.h"
#include "Reading.h"
#include "SessionSheet.h"
#include "SessionSheetOf.h"
#include "Table.h"
#include "Unit.h"

#include <map>

namespace velmor::web {

namespace {

QString figureHeading(const QString& title) {
    return QStringLiteral("<h2>%1</h2>\n").arg(html(title));
}

// Rows of a name and a count, the counts right-aligned as the tables' numbers are.
QString figureCounts(const std::vector<std::pair<QString, QString>>& rows) {
    QString out = QStringLiteral("<table class=\"counts\">\n");
    for (const auto& [name, value] : rows)
        out += QStringLiteral("<tr><th>%1</th><td class=\"n\">%2</td></tr>\n")
                   .arg(html(name), html(value));
    return out + QStringLiteral("</table>\n");
}

QString cellCount(int n) {
    return QString::number(n);
}

QStringList worstCellRow(const QString& label, const MapCell* cell, Output output) {
    if (!cell)
        return {html(label),         QStringLiteral("-"), QStringLiteral("-"),
                QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
    const OutputReading r = outputReading(*cell, output);
    return {html(label),
            fixed(r.volts, 3),
            signedFixed(r.deviation(), 3),
            signedFixed(r.percent(), 2),
            cellCount(r.deviationClass),
            cellCount(cell->row),
            cellCount(cell->column),
            fixed(nominalCurrent5(cell->row), 2),
            fixed(nominalCurrent12(cell->column), 2)};
}

} // namespace

QString sweepTables(const results::StoredSweep& sweep) {
    // The band judged with the sweep's calibration, as its verdict is.
    const MapSummary s = summarize(sweep.cells, sweep.calibration);
    QString out = figureHeading(WebText::tr("Cells"));
    out += figureCounts(
        {{WebText::tr("cells"), cellCount(s.cells)},
         {WebText::tr("judged"), cellCount(s.judged)},
         {WebText::tr("not judged: answering the all-off frame"), cellCount(s.supplyOff)},
         {WebText::tr("not judged: before the supply was up"), cellCount(s.poweringUp)},
         {WebText::tr("not judged: just after a load jump"), cellCount(s.loadJump)},
         {WebText::tr("not judged: after a shutdown"), cellCount(s.afterShutdown)},
         {WebText::tr("inside the ±5 % band on +5 V and +12 V"),
          s.judged == 0 ? QStringLiteral("-")
                        : QStringLiteral("%1 (%2 %)")
                              .arg(s.insideBand)
                              .arg(percentOf(s.insideBand, s.judged))}});
    if (s.didNotPowerOn)
        out += QStringLiteral("<p class=\"fail\">%1</p>\n")
                   .arg(html(WebText::tr("The supply did not power on: not all three outputs "
                                         "within ±10 % %1 s after switch-on.")
                                 .arg(powerOnTimeoutMs / 1000)));
    if (const auto shutdown = shutDownText(sweep.cells, s))
        out += QStringLiteral("<p class=\"fail\">%1</p>\n").arg(html(*shutdown));
    out += figureHeading(WebText::tr("Worst cells"));
    out += table({WebText::tr("output"), WebText::tr("V"), WebText::tr("from nominal, V"),
                  WebText::tr("from nominal, %"), WebText::tr("class"), WebText::tr("row"),
                  WebText::tr("column"), WebText::tr("+5 V load, A"), WebText::tr("+12 V load, A")},
                 {worstCellRow(QStringLiteral("+5 V"), worstCell(sweep.cells, s, Output::Plus5),
                               Output::Plus5),
                  worstCellRow(QStringLiteral("+12 V"), worstCell(sweep.cells, s, Output::Plus12),
                               Output::Plus12)});
    return out;
}

QString sessionTables(const results::StoredSession& session) {
    const std::vector<SessionSample> samples = results::samplesOf(session);
    const SettledRun settled = settleSession(samples);
    QString out = figureHeading(WebText::tr("Readings"));
    out += figureCounts(
        {{WebText::tr("readings"), cellCount(static_cast<int>(samples.size()))},
         {WebText::tr("judged"), cellCount(settled.judged)},
         {WebText::tr("not judged: answering a supply-off frame"), cellCount(settled.supplyOff)},
         {WebText::tr("not judged: before the supply was up"), cellCount(settled.poweringUp)},
         {WebText::tr("not judged: just after a load jump"), cellCount(settled.loadJump)}});
    if (settled.didNotPowerOn)
        out += QStringLiteral("<p class=\"fail\">%1</p>\n")
                   .arg(html(WebText::tr("The supply did not power on: not all three outputs "
                                         "within ±10 % %1 s after switch-on.")
                                 .arg(powerOnTimeoutMs / 1000)));
    if (settled.judged > 0) {
        std::vector<QStringList> rows;
        const auto output = [&](const QString& name, double SessionSample::*v,
                                const UnitOutput& unit) {
            const OutputFigures f = outputFigures(samples, v, unit);
            rows.push_back({html(name), html(shownVolts(unit, f.min, 3)),
                            html(shownVolts(unit, f.max, 3)),
                            f.averaged > 0 ? fixed(f.mean, 3) : QStringLiteral("-")});
        };
        output(QStringLiteral("+5 V"), &SessionSample::volts5, output5);
        output(QStringLiteral("+12 V"), &SessionSample::volts12, output12);
        output(QStringLiteral("+3.3 V"), &SessionSample::volts33, output33);
        out += figureHeading(WebText::tr("Outputs")) +
               table({WebText::tr("output"), WebText::tr("min, V"), WebText::tr("max, V"),
                      WebText::tr("mean, V")},
                     rows);
    }
    std::map<QString, int> counts;
    std::vector<QStringList> cuts;
    for (const results::StoredEvent& e : session.events) {
        ++counts[e.kind];
        if (e.kind == QLatin1String("overload-cut"))
            cuts.push_back({html(results::shownTime(e.at)), html(e.detail)});
    }
    out += figureHeading(WebText::tr("Events"));
    out += figureCounts({{WebText::tr("overload cuts"), cellCount(counts["overload-cut"])},
                         {WebText::tr("clamps"), cellCount(counts["clamp"])},
                         {WebText::tr("link lost"), cellCount(counts["link-lost"])},
                         {WebText::tr("link back"), cellCount(counts["link-back"])}});
    if (!cuts.empty())
        out += table({WebText::tr("overload cut at"), WebText::tr("detail")}, cuts);
    return out;
}

} // namespace velmor::web
