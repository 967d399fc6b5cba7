#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <variant>

namespace velmor::results {

// A journal the disk or a crash damaged is set aside under a dated name, never deleted, and what
// can still be read from it goes into a new one, so that those records are delivered after all.

// Why the journal at the path is damaged (PRAGMA quick_check, or SQLite finding it malformed or
// no database at all); nothing when it is sound or missing, or when it cannot be told now.
std::optional<QString> journalDamage(const QString& path);

// Renames the journal and its -wal and -shm files to "<path>.damaged-<UTC time>" (and -wal,
// -shm); the new name, or why it could not be renamed.
struct KeptAs {
    QString path;
};
std::variant<KeptAs, QString> setDamagedJournalAside(const QString& path);

struct Salvage {
    qint64 entries = 0; // entries read and put into the new journal
    qint64 open = 0;    // sweeps and sessions it knew to be open
};

// Copies every entry that can still be read from the damaged journal at the path into the new
// one, in order, and the list of open records.
std::variant<Salvage, QString> salvageJournal(const QString& damagedPath, QSqlDatabase& journal);

} // namespace velmor::results
