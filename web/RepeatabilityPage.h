#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// /repeatability?unit=SERIAL&plan=NAME: each measurement of the unit's completed runs of the plan
// with n, mean, σ, the tolerance and %GRR, rated.
Reply repeatabilityPage(QSqlDatabase& db, int version, const QUrlQuery& query);

} // namespace velmor::web
