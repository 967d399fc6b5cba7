#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <variant>

namespace velmor::results {

// A journal the disk or a crash damaged is set aside under a dated name, never deleted, and what
// can still be read from it goes into a new one, so that those records are delivered after all.
// A journal found in the place of another store's (the data folder moved) is moved to its own.

// Why the journal at the path is damaged (PRAGMA quick_check, SQLite finding it malformed or no
// database at all, or the file emptied); nothing when it is sound or missing, or when it cannot be
// told now.
std::optional<QString> journalDamage(const QString& path);

// Renames the journal and its -wal and -shm files to "<path>.<why>-<UTC time>" (and -wal,
// -shm): "damaged", or "taken" once its entries are in another journal; the new name, or why it
// could not be renamed.
struct KeptAs {
    QString path;
};
std::variant<KeptAs, QString> setJournalAside(const QString& path, const char* why);

// The store a journal names (its table destination) and how many entries it holds, read without
// changing it; nothing when it names none or cannot be read.
struct JournalOf {
    QString store;
    qint64 entries = 0;
};
std::optional<JournalOf> journalOf(const QString& path);

// Renames the journal and its -wal and -shm files to `to`, or where a file stands there to
// "<to>.waiting-<UTC time>"; the new name, or why it could not be renamed.
std::variant<KeptAs, QString> moveJournal(const QString& from, const QString& to);

struct Salvage {
    qint64 entries = 0; // entries read and put into the new journal
    qint64 open = 0;    // sweeps and sessions it knew to be open
};

// Copies every entry that can still be read from the damaged journal at the path into the new
// one, in order, and the list of open records.
std::variant<Salvage, QString> salvageJournal(const QString& damagedPath, QSqlDatabase& journal);

} // namespace velmor::results
