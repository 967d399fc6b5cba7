#pragma once

#include "StoreAddress.h"

#include <QSqlDatabase>
#include <QString>

#include <variant>

namespace velmor::results {

// Opens the store for reading only, on the calling thread: an SQLite file that must exist, opened
// read-only (nothing created, no journal mode set); a PostgreSQL session whose transactions are
// read-only (the role should be too: docs/web.md lists its grants).
std::variant<QSqlDatabase, QString> openReadOnly(const StoreAddress& address,
                                                 const QString& connectionName);

} // namespace velmor::results
