#pragma once

#include "Reply.h"

#include <QSqlDatabase>
#include <QUrlQuery>

namespace velmor::web {

// /charts: the pictures over time for a model, bench and period: the first-pass yield per day
// per model, and a control chart of one measurement (?name=, "+12 V at P1" unless given) with its
// figures: n, mean, σ, the limits, Cpk (from 25 values) and the values beyond ±3σ.
Reply chartPage(QSqlDatabase& db, int version, const QUrlQuery& query);

// /chart/yield.png and /chart/control.png, drawn for the same query; 404 for another name.
Reply chartPicture(QSqlDatabase& db, int version, const QString& name, const QUrlQuery& query);

} // namespace velmor::web
