#include "ListPage.h"
#include "WebText.h"

#include "Html.h"
#include "MeasurementCsv.h"
#include "Outcome.h"
#include "QualityFilter.h"
#include "RecordList.h"
#include "Table.h"
#include "Verdict.h"

#include <QDate>

#include <optional>

namespace velmor::web {

namespace {

struct Query {
    results::ListFilter filter;
    int page = 0;
};

// The filter's fields by their names in the form.
const struct Field {
    const char* name;
    QString results::ListFilter::*field;
} textFields[] = {{"unit", &results::ListFilter::unit},
                  {"model", &results::ListFilter::model},
                  {"bench", &results::ListFilter::host},
                  {"operator", &results::ListFilter::operatorName},
                  {"name", &results::ListFilter::name}};

std::variant<Query, QString> readQuery(const QUrlQuery& query) {
    Query q;
    for (const Field& f : textFields)
        q.filter.*f.field = queryValue(query, f.name);
    q.filter.verdict = queryValue(query, "verdict");
    if (!q.filter.verdict.isEmpty() && !verdictNamed(q.filter.verdict) &&
        !parseOutcome(q.filter.verdict))
        return WebText::tr("the verdict is one of pass, fail, none and incomplete, or a run's "
                           "marginal, error and aborted");
    q.filter.kind = queryValue(query, "kind");
    if (!q.filter.kind.isEmpty() && q.filter.kind != QLatin1String("sweep") &&
        q.filter.kind != QLatin1String("session") && q.filter.kind != QLatin1String("run"))
        return WebText::tr("the kind is sweep, session or run");
    if (auto refused = readPeriod(query, q.filter))
        return *refused;
    const QString page = queryValue(query, "page");
    bool ok = true;
    q.page = page.isEmpty() ? 0 : page.toInt(&ok);
    if (!ok || q.page < 0 || q.page > 100000)
        return WebText::tr("the page is a number from 0");
    return q;
}

QString choice(const char* name, const QString& label, const QStringList& values,
               const QUrlQuery& query) {
    QString out = QStringLiteral("<label>%1<select name=\"%2\"><option value=\"\">%3</option>")
                      .arg(html(label), QLatin1String(name), html(WebText::tr("any")));
    for (const QString& v : values)
        out += QStringLiteral("<option%1>%2</option>")
                   .arg(queryValue(query, name) == v ? QStringLiteral(" selected") : QString(), v);
    return out + QStringLiteral("</select></label>\n");
}

QString filterForm(const QUrlQuery& query) {
    return QStringLiteral("<form method=\"get\" action=\"/\">\n") +
           formInput({"unit", WebText::tr("Unit")}, query) +
           formInput({"model", WebText::tr("Model")}, query) +
           formInput({"bench", WebText::tr("Bench")}, query) +
           formInput({"operator", WebText::tr("Operator")}, query) +
           formInput({"name", WebText::tr("Name")}, query) +
           choice("kind", WebText::tr("Kind"),
                  {QStringLiteral("sweep"), QStringLiteral("session"), QStringLiteral("run")},
                  query) +
           choice("verdict", WebText::tr("Verdict"),
                  {QStringLiteral("pass"), QStringLiteral("marginal"), QStringLiteral("fail"),
                   QStringLiteral("error"), QStringLiteral("aborted"), QStringLiteral("none"),
                   QStringLiteral("incomplete")},
                  query) +
           formInput({"from", WebText::tr("From"), "date"}, query) +
           formInput({"to", WebText::tr("To"), "date"}, query) +
           QStringLiteral("<button type=\"submit\">%1</button>\n</form>\n")
               .arg(html(WebText::tr("Show")));
}

// The address of another page of the same list.
QString pageLink(QUrlQuery query, int page, const QString& text) {
    query.removeAllQueryItems(QStringLiteral("page"));
    query.removeAllQueryItems(QStringLiteral("token"));
    query.addQueryItem(QStringLiteral("page"), QString::number(page));
    return link(QStringLiteral("/?") + query.toString(QUrl::FullyEncoded), text);
}

} // namespace

Reply measurementsFile(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const auto read = readQuery(query);
    if (const auto* refused = std::get_if<QString>(&read))
        return failure(400, *refused);
    const auto rows = results::measurementsCsv(db, version, std::get<Query>(read).filter);
    if (const auto* error = std::get_if<QString>(&rows))
        return failure(500, *error);
    return {200,
            "text/csv; charset=utf-8",
            std::get<results::MeasurementRows>(rows).csv,
            {{"Content-Disposition", "attachment; filename=\"measurements.csv\""}}};
}

Reply listPage(QSqlDatabase& db, int version, const QUrlQuery& query) {
    const auto read = readQuery(query);
    if (const auto* refused = std::get_if<QString>(&read))
        return failure(400, *refused);
    Query q = std::get<Query>(read);
    // One more than the page shows, to know whether another follows.
    q.filter.first = (q.page + 1) * recordsPerPage + 1;
    const auto listed = results::listRecords(db, version, q.filter);
    if (const auto* error = std::get_if<QString>(&listed))
        return failure(500, *error);
    const results::Listing& listing = std::get<results::Listing>(listed);
    const std::size_t from = static_cast<std::size_t>(q.page) * recordsPerPage;
    std::vector<QStringList> rows;
    for (std::size_t i = from; i < listing.records.size() && i < from + recordsPerPage; ++i) {
        const results::Listed& r = listing.records[i];
        rows.push_back({link(QStringLiteral("/record/") + r.id, results::shortId(r.id)),
                        shownWord(r.run     ? QStringLiteral("run")
                                  : r.sweep ? QStringLiteral("sweep")
                                            : QStringLiteral("session")),
                        html(results::shownTime(r.startedAt)),
                        shownWord(results::shownState(r.endState)), html(r.host),
                        r.unit.isEmpty()
                            ? QString()
                            : link(QStringLiteral("/unit?serial=") + urlPart(r.unit), r.unit),
                        html(r.name), QString::number(r.count), outcomeCell(r.verdict)});
    }
    QString body = filterForm(query);
    for (const QString& refused : listing.refused)
        body += QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(refused));
    body += rows.empty()
                ? QStringLiteral("<p>%1</p>\n").arg(html(WebText::tr("No records.")))
                : table({WebText::tr("id"), WebText::tr("kind"), WebText::tr("started"),
                         WebText::tr("end"), WebText::tr("bench"), WebText::tr("unit"),
                         WebText::tr("name"), WebText::tr("cells/ticks"), WebText::tr("verdict")},
                        rows);
    // The runs of the list's filters, a line per measurement.
    QUrlQuery exported = query;
    exported.removeAllQueryItems(QStringLiteral("page"));
    exported.removeAllQueryItems(QStringLiteral("token"));
    body +=
        QStringLiteral("<p>%1</p>\n")
            .arg(link(QStringLiteral("/measurements.csv?") + exported.toString(QUrl::FullyEncoded),
                      WebText::tr("The measurements of these runs as CSV")));
    QStringList pages;
    if (q.page > 0)
        pages << pageLink(query, q.page - 1, WebText::tr("newer"));
    if (listing.records.size() > from + recordsPerPage)
        pages << pageLink(query, q.page + 1, WebText::tr("older"));
    if (!pages.isEmpty())
        body +=
            QStringLiteral("<p>%1 %2</p>\n")
                .arg(html(WebText::tr("Page %1.").arg(q.page + 1)), pages.join(QLatin1Char(' ')));
    return {200, "text/html; charset=utf-8", page(WebText::tr("Test records"), body)};
}

} // namespace velmor::web
