#pragma once

#include "StoreAddress.h"

#include <QSqlDatabase>
#include <QString>

#include <variant>

namespace velmor::results {

// Opens a connection of the calling thread under the name. An SQLite file is created with its
// folder on first use and written in WAL mode; a symbolic link in its place is refused.
std::variant<QSqlDatabase, QString> openStore(const StoreAddress& address,
                                              const QString& connectionName);

// The connect options for Qt's PostgreSQL driver: the address's parameters as libpq keyword and
// quoted value pairs, with a connect_timeout of 3 s unless the address gives its own.
QString postgresConnectOptions(const StoreAddress& address);

} // namespace velmor::results
