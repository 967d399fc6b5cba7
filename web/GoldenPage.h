#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// /golden?serial=S: the golden unit's readings at the reference points on each bench, its latest
// against its first runs there, in volts and reading steps; a bench past two steps marked.
Reply goldenPage(QSqlDatabase& db, int version, const QUrlQuery& query);

} // namespace velmor::web
