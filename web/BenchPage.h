#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// /benches: bench against bench for a model and period: each bench's mean of each output at each
// reference point against the mean over all benches, in volts and reading steps, a bench more
// than two steps apart marked.
Reply benchPage(QSqlDatabase& db, int version, const QUrlQuery& query);

} // namespace velmor::web
