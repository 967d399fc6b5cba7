#pragma once

#include "RunRead.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <variant>
#include <vector>

namespace velmor::results {

// A sweep or session of a unit as its history first reads it: where it falls, and what to load.
struct UnitRecord {
    QString startedAt; // as stored
    QString id;
    bool sweep = true; // else a session
};

// Every sweep and session of the unit, oldest first (a sweep before a session started at the same
// time); version is the store's schema version.
std::variant<std::vector<UnitRecord>, QString> unitRecords(QSqlDatabase& db, int version,
                                                           const QString& serial);

// Hands the runs of the unit to each, in no particular order, with what a history's line shows
// of it (its id, times, end, bench, operator, plan's name, outcome and key figure; the rest
// empty), without steps or readings: every run, or with newest > 0 the newest that many (by start,
// then id). The answer is how many runs that leaves out, or the first one refused, which ends it.
// each must not use the connection.
std::variant<qint64, QString> eachUnitRun(QSqlDatabase& db, int version, const QString& serial,
                                          int newest,
                                          const std::function<void(const StoredRun&)>& each);

} // namespace velmor::results
