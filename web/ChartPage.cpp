#include "ChartPage.h"
#include "WebText.h"

#include "ChartPictures.h"
#include "Html.h"
#include "NumberText.h"
#include "QualityFilter.h"
#include "RecordText.h"

namespace velmor::web {

namespace {

QString measurementOf(const QUrlQuery& query) {
    const QString name = queryValue(query, "name");
    return name.isEmpty() ? QStringLiteral("+12 V at P1") : name;
}

QString orDash(const std::optional<double>& value, int decimals) {
    return value ? fixed(*value, decimals) : QStringLiteral("-");
}

QString figuresTable(const results::ControlValues& v) {
    const int n = v.spread.count();
    const bool limits = v.low && v.high;
    const auto control = v.controlLimits();
    int beyond = 0;
    if (control)
        for (const results::ChartPoint& p : v.points)
            beyond += p.value < control->first || p.value > control->second ? 1 : 0;
    // Cpk only from enough values; below that the count says why there is none.
    const QString cpk =
        !limits ? QStringLiteral("-")
        : n < results::Capability::fewestForCpk
            ? WebText::tr("- (%1 of %2 values)").arg(n).arg(results::Capability::fewestForCpk)
            : orDash(v.spread.cpk(), 2);
    return table({WebText::tr("values"), WebText::tr("mean"), WebText::tr("σ"), WebText::tr("LSL"),
                  WebText::tr("USL"), WebText::tr("Cpk"), WebText::tr("beyond ±3σ")},
                 {{QString::number(n), n ? fixed(v.spread.mean(), 4) : QStringLiteral("-"),
                   orDash(v.spread.sigma(), 5), orDash(v.low, 3), orDash(v.high, 3), html(cpk),
                   QString::number(beyond)}});
}

} // namespace

Reply chartPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const auto filter = qualityFilter(query);
    if (const auto* refused = std::get_if<QString>(&filter))
        return failure(400, *refused);
    const QString name = measurementOf(query);
    const auto values =
        results::controlValues(db, version, std::get<results::ListFilter>(filter), name);
    if (const auto* error = std::get_if<QString>(&values))
        return failure(500, *error);
    const results::ControlValues& v = std::get<results::ControlValues>(values);
    QUrlQuery pictures = query;
    pictures.removeAllQueryItems(QStringLiteral("token"));
    const QString asked = pictures.toString(QUrl::FullyEncoded).toHtmlEscaped();
    QString body = qualityForm(QStringLiteral("/charts"), query,
                               qualityFields({{"name", WebText::tr("Measurement")}}));
    for (const QString& refused : v.refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(refused));
    body += QStringLiteral("<h2>%1</h2>\n<img class=\"chart\" src=\"/chart/yield.png?%2\" "
                           "width=\"900\" height=\"360\" alt=\"%3\">\n")
                .arg(html(WebText::tr("First-pass yield per day")), asked,
                     html(WebText::tr("the first-pass yield per day and model")));
    body += QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
                .arg(html(WebText::tr("Control chart: %1").arg(shownRecordText(name))),
                     html(WebText::tr("Each completed run's value in the order the runs started, "
                                      "against the newest run's limits, with the mean and "
                                      "mean ± 3σ; a value beyond ±3σ is ringed. Cpk is shown "
                                      "from %1 values on.")
                              .arg(results::Capability::fewestForCpk)));
    body += figuresTable(v);
    body += QStringLiteral("<img class=\"chart\" src=\"/chart/control.png?%1\" width=\"900\" "
                           "height=\"360\" alt=\"%2\">\n")
                .arg(asked, html(WebText::tr("the control chart")));
    return {200, "text/html; charset=utf-8", page(WebText::tr("Charts"), body)};
}

Reply chartPicture(QSqlDatabase& db, int version, const QString& name, const QUrlQuery& query) {
    const auto filter = qualityFilter(query);
    if (const auto* refused = std::get_if<QString>(&filter))
        return failure(400, *refused);
    const auto& f = std::get<results::ListFilter>(filter);
    if (name == QLatin1String("yield.png")) {
        const auto yields = results::yieldByDay(db, version, f);
        if (const auto* error = std::get_if<QString>(&yields))
            return failure(500, *error);
        return pngReply(yieldPicture(std::get<results::YieldByDay>(yields)));
    }
    if (name == QLatin1String("control.png")) {
        const QString measurement = measurementOf(query);
        const auto values = results::controlValues(db, version, f, measurement);
        if (const auto* error = std::get_if<QString>(&values))
            return failure(500, *error);
        return pngReply(
            controlPicture(std::get<results::ControlValues>(values), shownRecordText(measurement)));
    }
    return failure(404, WebText::tr("no such picture"));
}

} // namespace velmor::web
