#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// Every record of the unit "?serial=", oldest first, as velmor-results history gives them: a
// table row each, its id a link to its page, with a link to its records in the list.
Reply unitPage(QSqlDatabase& db, int version, const QUrlQuery& query);

} // namespace velmor::web
