#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace velmor::results {

// The schema the program writes and reads, the same for SQLite and PostgreSQL. Its version is
// kept in schema_version; each version adds to the one before.
inline constexpr int schemaVersion = 8;

// The versions velmor-results reads as they are (each one's columns as they were).
inline constexpr int oldestReadableVersion = 1;

// The statement that keeps the envelope of each ended run of more than 8,192 readings that has
// none yet (version 8 on): run in the transaction that ends a run.
QString keptEnvelopes();

// The schema version of the database as stored: 0 when it holds none yet; any other value,
// even one no program wrote, as it is.
qint64 storedSchemaVersion(const QSqlDatabase& db);

// Why a database of a schema version the program does not know (newer, or below 0) is left
// alone.
QString unknownSchemaRefused(const QSqlDatabase& db, qint64 stored);

// Creates the schema, or brings an older one up to `target`, in one transaction. A database of a
// schema version the program does not know is refused and left as it is. Returns what went wrong.
std::optional<QString> prepareSchema(QSqlDatabase& db, int target = schemaVersion);

} // namespace velmor::results
