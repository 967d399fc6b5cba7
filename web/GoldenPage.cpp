#include "GoldenPage.h"
#include "WebText.h"

#include "GoldenDrift.h"
#include "Html.h"
#include "NumberText.h"
#include "QualityFilter.h"
#include "RecordText.h"
#include "Table.h"

namespace velmor::web {

Reply goldenPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const QString serial = queryValue(query, "serial");
    QString body = QStringLiteral("<form method=\"get\" action=\"/golden\">\n") +
                   formInput("serial", WebText::tr("Golden unit"), query) +
                   QStringLiteral("<button type=\"submit\">%1</button>\n</form>\n")
                       .arg(html(WebText::tr("Show")));
    body += QStringLiteral("<p>%1</p>\n")
                .arg(html(WebText::tr("A known-good supply tested now and then on each bench: its "
                                      "latest reading at each reference point against the mean of "
                                      "its first %1 runs on that bench, in volts and in the "
                                      "unit's reading steps. A bench whose golden readings moved "
                                      "by more than %2 steps has drifted.")
                              .arg(results::GoldenPoint::firstRuns)
                              .arg(results::GoldenPoint::stepsMoved)));
    if (serial.isEmpty())
        return {200, "text/html; charset=utf-8", page(WebText::tr("Golden unit"), body)};
    const auto found = results::goldenDrift(db, version, serial);
    if (const auto* error = std::get_if<QString>(&found))
        return failure(500, *error);
    const results::GoldenDrift& g = std::get<results::GoldenDrift>(found);
    for (const QString& refused : g.refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(refused));
    std::vector<QStringList> rows;
    for (const results::GoldenPoint& p : g.points)
        rows.push_back({html(p.host), html(shownRecordText(p.name)), QString::number(p.runs),
                        fixed(p.first, 4), fixed(p.latest, 4), html(results::shownTime(p.latestAt)),
                        fixed(p.volts, 4), fixed(p.steps, 1),
                        p.drifted() ? QStringLiteral("<span class=\"fail\">%1</span>")
                                          .arg(html(WebText::tr("drifted")))
                                    : QStringLiteral("<span class=\"pass\">%1</span>")
                                          .arg(html(WebText::tr("steady")))});
    body += rows.empty() ? QStringLiteral("<p>%1</p>\n")
                               .arg(html(WebText::tr("No completed run of this unit with volts "
                                                     "at a reference point.")))
                         : table({WebText::tr("bench"), WebText::tr("measurement"),
                                  WebText::tr("runs"), WebText::tr("first runs' mean, V"),
                                  WebText::tr("latest, V"), WebText::tr("latest run"),
                                  WebText::tr("moved, V"), WebText::tr("in steps"), QString()},
                                 rows);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Golden unit %1").arg(serial), body)};
}

} // namespace velmor::web
