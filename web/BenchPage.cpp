#include "BenchPage.h"
#include "WebText.h"

#include "BenchAgreement.h"
#include "Html.h"
#include "NumberText.h"
#include "QualityFilter.h"
#include "RecordText.h"

namespace velmor::web {

Reply benchPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const auto filter = qualityFilter(query);
    if (const auto* refused = std::get_if<QString>(&filter))
        return failure(400, *refused);
    const auto found = results::benchAgreement(db, version, std::get<results::ListFilter>(filter));
    if (const auto* error = std::get_if<QString>(&found))
        return failure(500, *error);
    const results::BenchAgreement& a = std::get<results::BenchAgreement>(found);
    QString body = qualityForm(QStringLiteral("/benches"), query);
    body += QStringLiteral("<p>%1</p>\n")
                .arg(html(WebText::tr("For each model, plan and output at a reference point: "
                                      "each bench's mean over the completed runs against the "
                                      "mean over all benches, in volts and in the unit's reading "
                                      "steps. A bench more than %1 steps apart reads differently "
                                      "from the others: check it before its results are "
                                      "trusted.")
                              .arg(results::BenchMean::stepsApart)));
    for (const QString& refused : a.refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(refused));
    std::vector<QStringList> rows;
    for (const results::PointAgreement& p : a.points)
        for (const results::BenchMean& b : p.benches)
            rows.push_back({html(p.model), html(p.plan), html(shownRecordText(p.name)),
                            fixed(p.mean, 4), html(b.host), QString::number(b.values),
                            fixed(b.mean, 4), fixed(b.volts, 4), fixed(b.steps, 1),
                            b.apart() ? QStringLiteral("<span class=\"fail\">%1</span>")
                                            .arg(html(WebText::tr("apart")))
                                      : QStringLiteral("<span class=\"pass\">%1</span>")
                                            .arg(html(WebText::tr("agrees")))});
    body += rows.empty()
                ? QStringLiteral("<p>%1</p>\n")
                      .arg(html(WebText::tr("No volts at a reference "
                                            "point in the completed runs.")))
                : table({WebText::tr("model"), WebText::tr("plan"), WebText::tr("measurement"),
                         WebText::tr("mean of all, V"), WebText::tr("bench"), WebText::tr("values"),
                         WebText::tr("its mean, V"), WebText::tr("difference, V"),
                         WebText::tr("in steps"), QString()},
                        rows);
    return {200, "text/html; charset=utf-8", page(WebText::tr("Bench against bench"), body)};
}

} // namespace velmor::web
