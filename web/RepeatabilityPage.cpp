#include "RepeatabilityPage.h"
#include "WebText.h"

#include "Html.h"
#include "NumberText.h"
#include "QualityFilter.h"
#include "RecordText.h"
#include "Repeatability.h"

namespace velmor::web {

namespace {

QString orDash(const std::optional<double>& value, int decimals) {
    return value ? fixed(*value, decimals) : QStringLiteral("-");
}

// The rating in the colours of the outcomes it stands for.
QString ratingCell(const std::optional<double>& grr) {
    if (!grr)
        return QStringLiteral("-");
    const results::GrrRating rating = results::ratingOf(*grr);
    const char* kind = rating == results::GrrRating::Good         ? "pass"
                       : rating == results::GrrRating::Acceptable ? "marginal"
                                                                  : "fail";
    return QStringLiteral("<span class=\"%1\">%2</span>")
        .arg(QLatin1String(kind), html(results::ratingText(rating)));
}

} // namespace

Reply repeatabilityPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const QString unit = queryValue(query, "unit");
    const QString plan = queryValue(query, "plan");
    QString body = qualityForm(QStringLiteral("/repeatability"), query,
                               {{"unit", WebText::tr("Unit")}, {"plan", WebText::tr("Plan")}});
    body += QStringLiteral("<p>%1</p>\n")
                .arg(html(WebText::tr("One unit tested again and again on one plan: the spread "
                                      "of each measurement is the bench's own. %GRR = 6σ / "
                                      "tolerance × 100: below 10 % good, 10 to 30 % acceptable, "
                                      "above 30 % not acceptable.")));
    if (unit.isEmpty() || plan.isEmpty())
        return {200, "text/html; charset=utf-8", page(WebText::tr("Repeatability"), body)};
    const auto found = results::repeatability(db, version, unit, plan);
    if (const auto* error = std::get_if<QString>(&found))
        return failure(500, *error);
    const results::Repeatability& r = std::get<results::Repeatability>(found);
    for (const QString& refused : r.refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(refused));
    std::vector<QStringList> rows;
    for (const results::MeasurementSpread& m : r.measurements) {
        const auto grr = m.grr();
        rows.push_back({QString::number(m.stepSeq + 1), html(m.step), html(shownRecordText(m.name)),
                        QString::number(m.values.count()), fixed(m.values.mean(), 4),
                        orDash(m.values.sigma(), 5), html(m.unit), orDash(m.tolerance(), 4),
                        grr ? html(fixed(*grr, 2) + QStringLiteral(" %")) : QStringLiteral("-"),
                        ratingCell(grr)});
    }
    body += QStringLiteral("<p>%1</p>\n")
                .arg(html(WebText::tr("%1 completed runs of unit %2 on plan %3.")
                              .arg(r.runs)
                              .arg(unit, plan)));
    if (!rows.empty())
        body += table({WebText::tr("step"), WebText::tr("name"), WebText::tr("measurement"),
                       WebText::tr("n"), WebText::tr("mean"), WebText::tr("σ"), WebText::tr("unit"),
                       WebText::tr("tolerance"), WebText::tr("%GRR"), WebText::tr("rating")},
                      rows);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Repeatability"), body)};
}

} // namespace velmor::web
