#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// Every run of the unit "?serial=", oldest first, as velmor-results history gives it, with a link
// to its records in the list.
Reply unitPage(QSqlDatabase& db, int version, const QUrlQuery& query);

} // namespace velmor::web
