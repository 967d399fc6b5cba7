#include "GoldenPage.h"
#include "WebText.h"

#include "Html.h"
#include "NumberText.h"
#include "QualityFilter.h"
#include "RecordText.h"
#include "Table.h"

namespace velmor::web {

namespace {

QString unitLink(const QString& serial) {
    return link(QStringLiteral("/golden?serial=") + urlPart(serial), serial);
}

// What the move was held to: the reading's uncertainty, or the steps.
QString boundCell(const results::GoldenPoint& p) {
    return html(p.byUncertainty() ? WebText::tr("± %1 V, uncertainty").arg(fixed(p.boundVolts(), 4))
                                  : WebText::tr("%1 steps, %2 V")
                                        .arg(results::GoldenPoint::stepsMoved)
                                        .arg(fixed(p.boundVolts(), 4)));
}

// The readings at a glance, oldest first: the last few, in volts.
QString seriesCell(const results::GoldenPoint& p) {
    constexpr std::size_t shown = 10;
    const std::size_t from = p.readings.size() > shown ? p.readings.size() - shown : 0;
    QStringList values;
    if (from > 0)
        values << QStringLiteral("…");
    for (std::size_t i = from; i < p.readings.size(); ++i)
        values << fixed(p.readings[i].volts, 3);
    return html(values.join(QStringLiteral(" → ")));
}

QString driftCell(const results::GoldenPoint& p) {
    return p.drifted()
               ? QStringLiteral("<span class=\"fail\">%1</span>").arg(html(WebText::tr("drifted")))
               : QStringLiteral("<span class=\"pass\">%1</span>").arg(html(WebText::tr("steady")));
}

// Each reading of the unit at each bench and point, oldest first, against its first runs.
QString readingsTable(const results::GoldenDrift& drift) {
    std::vector<QStringList> rows;
    for (const results::GoldenPoint& p : drift.points)
        for (const results::GoldenReading& r : p.readings)
            rows.push_back({html(p.host), html(shownRecordText(p.name)),
                            link(QStringLiteral("/record/") + urlPart(r.run), r.run.left(8)),
                            html(results::shownTime(r.at)), fixed(r.volts, 4),
                            r.uncertainty ? fixed(*r.uncertainty, 4) : QStringLiteral("-"),
                            fixed(p.moved(r), 4), fixed(p.inSteps(r), 1)});
    return table({WebText::tr("bench"), WebText::tr("measurement"), WebText::tr("run"),
                  WebText::tr("start"), WebText::tr("volts"), WebText::tr("uncertainty ±"),
                  WebText::tr("moved, V"), WebText::tr("in steps")},
                 rows);
}

} // namespace

QString goldenSection(const results::GoldenDrift& drift, const QStringList& named) {
    QString out =
        QStringLiteral("<p>%1</p>\n")
            .arg(html(WebText::tr(
                          "A known-good supply tested now and then on each bench: its latest "
                          "reading at each reference point against the mean of its first %1 runs "
                          "on that bench, in volts and in the unit's reading steps. A bench whose "
                          "golden reading moved by more than the reading's uncertainty (where its "
                          "run was judged with a calibration), else by more than %2 steps, has "
                          "drifted.")
                          .arg(results::GoldenPoint::firstRuns)
                          .arg(results::GoldenPoint::stepsMoved)));
    QStringList links;
    for (const QString& serial : named)
        links << unitLink(serial);
    out += named.isEmpty()
               ? QStringLiteral("<p>%1</p>\n")
                     .arg(html(WebText::tr("The models file names no golden unit: golden = "
                                           "[\"SERIAL\", …] under its model names it.")))
               : QStringLiteral("<p>%1 %2</p>\n")
                     .arg(html(WebText::tr("Golden units of the models file:")),
                          links.join(QStringLiteral(", ")));
    for (const QString& refused : drift.refused)
        out += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(refused));
    if (drift.points.empty())
        return out + QStringLiteral("<p>%1</p>\n")
                         .arg(html(WebText::tr("No completed run of a golden unit with volts at a "
                                               "reference point.")));
    std::vector<QStringList> rows;
    for (const results::GoldenPoint& p : drift.points)
        rows.push_back({unitLink(p.serial), html(p.host), html(shownRecordText(p.name)),
                        QString::number(p.readings.size()), fixed(p.first, 4),
                        fixed(p.latest().volts, 4), html(results::shownTime(p.latest().at)),
                        fixed(p.moved(p.latest()), 4), fixed(p.inSteps(p.latest()), 1),
                        boundCell(p), driftCell(p), seriesCell(p)});
    return out +
           table({WebText::tr("golden unit"), WebText::tr("bench"), WebText::tr("measurement"),
                  WebText::tr("runs"), WebText::tr("first runs' mean, V"), WebText::tr("latest, V"),
                  WebText::tr("latest run"), WebText::tr("moved, V"), WebText::tr("in steps"),
                  WebText::tr("bound"), QString(), WebText::tr("readings, V, oldest first")},
                 rows);
}

Reply goldenPage(QSqlDatabase& db, int version, const QUrlQuery& query, const QStringList& named) {
    const QString serial = queryValue(query, "serial");
    QString body =
        qualityForm(QStringLiteral("/golden"), query, {{"serial", WebText::tr("Golden unit")}});
    const auto found =
        results::goldenDrift(db, version, serial.isEmpty() ? named : QStringList{serial});
    if (const auto* error = std::get_if<QString>(&found))
        return failure(500, *error);
    const results::GoldenDrift& drift = std::get<results::GoldenDrift>(found);
    body += goldenSection(drift, named);
    if (serial.isEmpty())
        return {200, "text/html; charset=utf-8", page(WebText::tr("Golden units"), body)};
    if (!drift.points.empty())
        body += QStringLiteral("<h2>%1</h2>\n").arg(html(WebText::tr("Readings over time"))) +
                readingsTable(drift);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Golden unit %1").arg(serial), body)};
}

} // namespace velmor::web
