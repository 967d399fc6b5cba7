#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// Records listed on one page.
inline constexpr int recordsPerPage = 50;

// The records, newest first, a page at a time, with the form of their filters: unit, model,
// bench, operator, saved name, kind, verdict, and the days from and to (UTC, as the store keeps
// them). A value the filters do not take is refused with 400.
Reply listPage(QSqlDatabase& db, int version, const QUrlQuery& query);

// /measurements.csv: the measurements of the runs the same filters choose, a line each, as
// velmor-results export --format csv --measurements writes them.
Reply measurementsFile(QSqlDatabase& db, int version, const QUrlQuery& query);

} // namespace velmor::web
