#pragma once

#include "RecordList.h"

#include <QString>
#include <QUrlQuery>

#include <optional>
#include <variant>
#include <vector>

namespace velmor::web {

// The quality pages' choice of runs: ?model=, ?bench=, and the period ?from= and ?to= (UTC days,
// "to" included), into a list's filter; or why not.
std::variant<results::ListFilter, QString> qualityFilter(const QUrlQuery& query);

// The period ?from= and ?to= (UTC days, "to" included) into the filter; or why not.
std::optional<QString> readPeriod(const QUrlQuery& query, results::ListFilter& filter);

// A field of a page's form: the query's name, its label and the input's type.
struct FormField {
    const char* name;
    QString label;
    const char* type = "text";
};
// The quality pages' choice: model, bench, then the page's own fields, then the period.
std::vector<FormField> qualityFields(std::vector<FormField> own = {});

// A page's form, sent to it at `action`, its fields filled from the query.
QString qualityForm(const QString& action, const QUrlQuery& query,
                    const std::vector<FormField>& fields = qualityFields());

// A field of the query, decoded.
QString queryValue(const QUrlQuery& query, const char* name);

// A field of a form, filled from the query.
QString formInput(const FormField& field, const QUrlQuery& query);

} // namespace velmor::web
