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

QString formInput(const FormField& field, const QUrlQuery& query) {
    return QStringLiteral("<label>%1<input type=\"%2\" name=\"%3\" value=\"%4\"></label>\n")
        .arg(html(field.label), QLatin1String(field.type), QLatin1String(field.name),
             html(queryValue(query, field.name)));
}

std::vector<FormField> qualityFields(std::vector<FormField> own) {
    std::vector<FormField> fields{{"model", WebText::tr("Model")}, {"bench", WebText::tr("Bench")}};
    fields.insert(fields.end(), own.begin(), own.end());
    fields.push_back({"from", WebText::tr("From"), "date"});
    fields.push_back({"to", WebText::tr("To"), "date"});
    return fields;
}

QString qualityForm(const QString& action, const QUrlQuery& query,
                    const std::vector<FormField>& fields) {
    QString form =
        QStringLiteral("<form method=\"get\" action=\"%1\">\n").arg(action.toHtmlEscaped());
    for (const FormField& field : fields)
        form += formInput(field, query);
    return form + QStringLiteral("<button type=\"submit\">%1</button>\n</form>\n")
                      .arg(html(WebText::tr("Show")));
}

} // namespace velmor::web
