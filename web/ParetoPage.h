#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// /pareto: the failed and errored plan runs of a model, bench and period by cause, most first,
// with each cause's share of all and the running sum; the first-pass and final yield side by
// side; the units tested more than once.
Reply paretoPage(QSqlDatabase& db, int version, const QUrlQuery& query);

} // namespace velmor::web
