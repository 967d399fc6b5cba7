#pragma once

#include "StoreRead.h"

#include <QString>
#include <QUrlQuery>

#include <optional>
#include <variant>

namespace velmor::web {

// The quality pages' choice of runs: ?model=, ?bench=, and the period ?from= and ?to= (UTC days,
// "to" included), into a list's filter; or why not.
std::variant<results::ListFilter, QString> qualityFilter(const QUrlQuery& query);

// The period ?from= and ?to= (UTC days, "to" included) into the filter; or why not.
std::optional<QString> readPeriod(const QUrlQuery& query, results::ListFilter& filter);

// Its form, sent to the page at `action`, its fields filled from the query; `extra` is markup of
// the page's own fields.
QString qualityForm(const QString& action, const QUrlQuery& query, const QString& extra = {});

// A field of the query, decoded.
QString queryValue(const QUrlQuery& query, const char* name);

// A text field of a form, filled from the query.
QString formInput(const char* name, const QString& label, const QUrlQuery& query,
                  const char* type = "text");

} // namespace velmor::web
