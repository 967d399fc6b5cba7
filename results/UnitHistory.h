#pragma once

#include <QSqlDatabase>
#include <QString>

#include <utility>
#include <variant>
#include <vector>

namespace velmor::results {

// The ids of every sweep (true) and session (false) of the unit, oldest first; version is the
// store's schema version.
std::variant<std::vector<std::pair<QString, bool>>, QString>
unitRecords(QSqlDatabase& db, int version, const QString& serial);

} // namespace velmor::results
