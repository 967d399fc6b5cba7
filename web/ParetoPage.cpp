#include "ParetoPage.h"
#include "WebText.h"

#include "Html.h"
#include "NumberText.h"
#include "Pareto.h"
#include "QualityFilter.h"

namespace velmor::web {

namespace {

QString share(int part, int whole) {
    return whole == 0 ? QStringLiteral("-") : percentOf(part, whole) + QStringLiteral(" %");
}

QString yieldTable(const results::FailurePareto& p) {
    return table({WebText::tr("units"), WebText::tr("first-pass yield"), WebText::tr("final yield"),
                  WebText::tr("failed and errored runs")},
                 {{QString::number(p.units), html(share(p.firstPassed, p.units)),
                   html(share(p.finallyPassed, p.units)), QString::number(p.failures)}});
}

QString causeTable(const results::FailurePareto& p) {
    if (p.causes.empty())
        return QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No failed or errored runs.")));
    std::vector<QStringList> rows;
    int sum = 0;
    for (const results::CauseCount& c : p.causes) {
        sum += c.runs;
        // A bar of the cause's share (the style sheet's only: no inline style passes the policy).
        const QString bar = QStringLiteral("<meter min=\"0\" max=\"%1\" value=\"%2\"></meter>")
                                .arg(p.failures)
                                .arg(c.runs);
        rows.push_back({html(results::causeText(c.cause)), QString::number(c.runs),
                        html(share(c.runs, p.failures)), html(share(sum, p.failures)), bar});
    }
    return table({WebText::tr("cause"), WebText::tr("runs"), WebText::tr("share"),
                  WebText::tr("cumulative"), QString()},
                 rows);
}

QString retestTable(const results::FailurePareto& p) {
    if (p.retested.empty())
        return QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No unit was tested twice.")));
    // The units most retested; the rest counted.
    constexpr std::size_t shown = 100;
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < p.retested.size() && i < shown; ++i) {
        const results::Retests& r = p.retested[i];
        rows.push_back(
            {link(QStringLiteral("/unit?serial=") + urlPart(r.serial), r.serial),
             QString::number(r.retests),
             outcomeCell(r.passedAtLast ? QStringLiteral("pass") : QStringLiteral("fail"))});
    }
    QString out = table(
        {WebText::tr("unit"), WebText::tr("retests"), WebText::tr("last completed run")}, rows);
    if (p.retested.size() > shown)
        out += QStringLiteral("<p>%1</p>\n")
                   .arg(html(WebText::tr("and %1 more units tested more than once")
                                 .arg(p.retested.size() - shown)));
    return out;
}

} // namespace

Reply paretoPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const auto filter = qualityFilter(query);
    if (const auto* refused = std::get_if<QString>(&filter))
        return failure(400, *refused);
    const auto found = results::failurePareto(db, version, std::get<results::ListFilter>(filter));
    if (const auto* error = std::get_if<QString>(&found))
        return failure(500, *error);
    const results::FailurePareto& p = std::get<results::FailurePareto>(found);
    QString body = qualityForm(QStringLiteral("/pareto"), query);
    for (const QString& r : p.refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(r));
    body += QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
                .arg(html(WebText::tr("Yield")),
                     html(WebText::tr("Over the completed plan runs: a unit passed first when "
                                      "its first run passed (pass or marginal), at last when its "
                                      "last one did.")));
    body += yieldTable(p);
    body += QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
                .arg(html(WebText::tr("Failures by cause")),
                     html(WebText::tr("The failed and errored runs by what decided them: the "
                                      "measurement that crossed its limit and where, a "
                                      "shutdown, a supply that did not power on, a unit gone "
                                      "silent.")));
    body += causeTable(p);
    body += QStringLiteral("<h2>%1</h2>\n").arg(html(WebText::tr("Retests per unit")));
    body += retestTable(p);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Failures by cause"), body)};
}

} // namespace velmor::web
