#pragma once

#include "RunRead.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace velmor::results {

// The ids of every sweep (true) and session (false) of the unit, oldest first; version is the
// store's schema version.
std::variant<std::vector<std::pair<QString, bool>>, QString>
unitRecords(QSqlDatabase& db, int version, const QString& serial);

// Hands every run of the unit to each, in no particular order, with what a history's line shows
// of it (its id, times, end, bench, operator, plan's name, outcome and key figure; the rest
// empty), without steps or readings; the first one refused ends it, and is the answer. each must
// not use the connection.
std::optional<QString> eachUnitRun(QSqlDatabase& db, int version, const QString& serial,
                                   const std::function<void(const StoredRun&)>& each);

} // namespace velmor::results
