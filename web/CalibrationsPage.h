#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QString>

namespace velmor::web {

// /calibrations: the bench units' calibrations, newest first, each linked to its page.
Reply calibrationsPage(QSqlDatabase& db);
// /calibrations/ID (or the start of it, at least 4 characters): who calibrated against what, each
// input's correction and uncertainty, and the points.
Reply calibrationPage(QSqlDatabase& db, const QString& id);

} // namespace velmor::web
