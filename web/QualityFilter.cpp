#include "QualityFilter.h"
#include "WebText.h"

#include "Html.h"

#include <QDate>

namespace velmor::web {

QString queryValue(const QUrlQuery& query, const char* name) {
    return query.queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
}

std::optional<QString> readPeriod(const QUrlQuery& query, results::ListFilter& filter) {
    for (const auto& [name, day] : {std::pair{"from", 0}, std::pair{"to", 1}}) {
        const QString text = queryValue(query, name);
        if (text.isEmpty())
            continue;
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid())
            return WebText::tr("a day is given as YYYY-MM-DD");
        (day == 0 ? filter.since : filter.before) = date.addDays(day).toString(Qt::ISODate);
    }
    return std::nullopt;
}

std::variant<results::ListFilter, QString> qualityFilter(const QUrlQuery& query) {
    results::ListFilter filter;
    filter.model = queryValue(query, "model");
    filter.host = queryValue(query, "bench");
    if (auto refused = readPeriod(query, filter))
        return *refused;
    return filter;
}

QString formInput(const char* name, const QString& label, const QUrlQuery& query,
                  const char* type) {
    return QStringLiteral("<label>%1<input type=\"%2\" name=\"%3\" value=\"%4\"></label>\n")
        .arg(html(label), QLatin1String(type), QLatin1String(name), html(queryValue(query, name)));
}

QString qualityForm(const QString& action, const QUrlQuery& query, const QString& extra) {
    return QStringLiteral("<form method=\"get\" action=\"%1\">\n").arg(action.toHtmlEscaped()) +
           formInput("model", WebText::tr("Model"), query) +
           formInput("bench", WebText::tr("Bench"), query) + extra +
           formInput("from", WebText::tr("From"), query, "date") +
           formInput("to", WebText::tr("To"), query, "date") +
           QStringLiteral("<button type=\"submit\">%1</button>\n</form>\n")
               .arg(html(WebText::tr("Show")));
}

} // namespace velmor::web
