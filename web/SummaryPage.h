#pragma once

#include "Reply.h"

#include <QSqlDatabase>

namespace velmor::web {

// The completed sweeps by model, bench and day (UTC): how many, how many passed, and the
// first-pass yield (the share of units whose first sweep of the group passed).
Reply summaryPage(QSqlDatabase& db, int version);

} // namespace velmor::web
