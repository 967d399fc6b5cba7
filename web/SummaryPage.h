#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QStringList>

namespace velmor::web {

// The completed sweeps by model, bench and day (UTC): how many, how many passed, and the
// first-pass yield (the share of units whose first sweep of the group passed). Then, from a store
// of version 4, the completed plan runs likewise with their most frequent failing step, and each
// output's mean, spread and Cpk at the plans' reference load points (see RunSummary.h), and the
// drift of the golden units (the serials the models file names) on each bench.
Reply summaryPage(QSqlDatabase& db, int version, const QStringList& golden);

} // namespace velmor::web
