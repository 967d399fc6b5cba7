#pragma once

#include "Sql.h"

#include <functional>
#include <optional>

namespace velmor::results {

// Runs a query over a PostgreSQL connection through libpq itself, its rows read as the server
// sends them (one at a time, while it still works on the rest) and each value made the QVariant
// Qt's driver makes of it. Qt's driver either waits for the whole answer or hands over a row per
// call at several times the cost, and prepares, asks the catalogue and deallocates around every
// query: over 10,000 rows, a third of the time. Names the columns in answer; hands each row to
// each as it is read, or without each keeps the rows in answer. Nothing when the connection is
// not a PostgreSQL one libpq can be asked through: the caller reads through Qt then.
std::optional<std::optional<QString>>
readPostgresRows(QSqlDatabase& db, const QString& statement, const QVariantList& values,
                 Rows& answer, const std::function<void(const Row& row)>* each);

// The socket of a PostgreSQL connection, or -1 for any other.
int postgresSocket(const QSqlDatabase& db);

} // namespace velmor::results
