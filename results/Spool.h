#pragma once

#include "Records.h"

#include <QSqlDatabase>

#include <optional>
#include <vector>

namespace velmor::results {

// The bench's local journal of records not yet stored: an SQLite file beside the default store.
// Records wait there, in order, until they are in the store, so neither a store that is down nor
// a crash loses them; it also knows which sweeps and sessions are still open.

struct SpooledRecord {
    qint64 seq = 0;
    Record record;
};

struct OpenRecord {
    QString id;
    bool sweep = true;
    QString lastAt; // the time of its latest record
};

// Creates the journal's tables if need be.
std::optional<QString> prepareSpool(QSqlDatabase& spool);

// Appends the records in one transaction and keeps the list of open records.
std::optional<QString> spoolRecords(QSqlDatabase& spool, const std::vector<Record>& records);

// The oldest records waiting, at most `limit` of them.
std::variant<std::vector<SpooledRecord>, QString> waitingRecords(QSqlDatabase& spool, int limit);

// Forgets the records up to seq, once they are stored.
std::optional<QString> forgetUpTo(QSqlDatabase& spool, qint64 seq);

// Moves a record the store refused out of the journal into the table refused, with the reason,
// so that the records after it are delivered; it stays there for whoever looks into it.
std::optional<QString> setAside(QSqlDatabase& spool, qint64 seq, const QString& reason);

// The records begun and not ended.
std::variant<std::vector<OpenRecord>, QString> openRecords(QSqlDatabase& spool);

// The spool file of a user: spool.sqlite in QStandardPaths::AppDataLocation.
QString defaultSpoolPath();

} // namespace velmor::results
