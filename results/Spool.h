#pragma once

#include "Records.h"
#include "StoreAddress.h"

#include <QSqlDatabase>

#include <QStringList>

#include <optional>
#include <vector>

namespace velmor::results {

// The bench's local journal of records not yet stored: an SQLite file beside the default store,
// one for each store, which it names. Records wait there, in order, until they are in that store,
// so neither a store that is down nor a crash loses them; it also knows which sweeps and sessions
// are still open.

struct SpooledRecord {
    qint64 seq = 0;
    Record record;
};

// What an open record is, as the journal's open_records keeps it.
enum class OpenKind { Session = 0, Sweep = 1, Run = 2 };

struct OpenRecord {
    QString id;
    OpenKind kind = OpenKind::Sweep;
    QString lastAt; // the time of its latest record
};

// The record that ends an open one, as the bench left it: abandoned.
Record abandoned(const OpenRecord& open);

// A record as the journal keeps it: its encoding behind a mark and a checksum of it, so that an
// entry the disk changed is found out rather than delivered.
QByteArray journalEntry(const Record& record);

// The record a journal entry holds, or why it cannot be read: its checksum fails, or its encoding
// cannot be decoded. Entries of earlier programs, without a checksum, are read as they are.
std::variant<Record, QString> readJournalEntry(const QByteArray& entry);

// Creates the journal's tables if need be; a journal made for another store is refused.
std::optional<QString> prepareSpool(QSqlDatabase& spool, const StoreAddress& store);

// Appends the records in one transaction and keeps the list of open records.
std::optional<QString> spoolRecords(QSqlDatabase& spool, const std::vector<Record>& records);

struct Waiting {
    std::vector<SpooledRecord> records;
    QStringList unreadable; // why each entry that cannot be read was set aside
};

// The oldest records waiting, at most `limit` of them. An entry that cannot be read is set aside
// into the table refused with the reason, as a record the store refuses is.
std::variant<Waiting, QString> waitingRecords(QSqlDatabase& spool, int limit);

// How many entries wait.
std::variant<qint64, QString> waitingCount(QSqlDatabase& spool);

// Forgets the records up to seq, once they are stored.
std::optional<QString> forgetUpTo(QSqlDatabase& spool, qint64 seq);

// Moves a record the store refused out of the journal into the table refused, with the reason,
// so that the records after it are delivered; it stays there for whoever looks into it.
std::optional<QString> setAside(QSqlDatabase& spool, qint64 seq, const QString& reason);

// The records begun and not ended.
std::variant<std::vector<OpenRecord>, QString> openRecords(QSqlDatabase& spool);

// Whether the disk holding the folder is full: less room than SQLite needs to go on.
bool diskFull(const QString& folder);

// A failure to write the journal at the path, saying so when its disk is full: SQLite reports a
// full tmpfs as a "disk I/O error".
QString journalTrouble(const QString& path, const QString& error);

// The journal of a store, in QStandardPaths::AppDataLocation: spool.sqlite for the default
// store, spool-<hash of the store's address>.sqlite for any other.
QString journalPath(const StoreAddress& store);

// The same for a store named by its address text (addressText), as a journal names it.
QString journalPathOf(const QString& store);

} // namespace velmor::results
