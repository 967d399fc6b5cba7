#pragma once

#include "GoldenDrift.h"
#include "Reply.h"

#include <QSqlDatabase>
#include <QStringList>
#include <QUrlQuery>

namespace velmor::web {

// The golden units' drift, a row per unit, bench and reference point: the first runs' mean, the
// latest reading, how far it moved in volts and reading steps, the bound it is held to and
// whether the bench drifted; each unit a link to its /golden page. `named`: the golden serials of
// the models file, said above the table.
QString goldenSection(const results::GoldenDrift& drift, const QStringList& named);

// /golden?serial=S: that unit's drift on each bench and its readings there over time; without a
// serial, the golden units the models file names.
Reply goldenPage(QSqlDatabase& db, int version, const QUrlQuery& query, const QStringList& named);

} // namespace velmor::web
