#include "Spool.h"
#include "JournalEntry.h"

#include "Sql.h"
#include "StoreChoice.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>

namespace velmor::results {

namespace {

// An entry is the mark, the first bytes of the SHA-256 of the encoded record, then the encoded
// record. The mark is neither a kind of record nor the mark of a versioned encoding (Records.cpp),
// so an entry of an earlier program, which begins with one of those, is told apart.
constexpr char checkedMark = '\xfe';
constexpr int checksumBytes = 8;

QByteArray checksum(QByteArrayView encoded) {
    return QCryptographicHash::hash(encoded, QCryptographicHash::Sha256).left(checksumBytes);
}

template <typename T> QString latestAt(const T& r) {
    if constexpr (requires { r.at; })
        return r.at;
    else
        return {};
}

} // namespace

bool diskFull(const QString& folder) {
    constexpr qint64 roomNeeded = 64 * 1024; // a few pages of the file, its -wal and -shm
    const QStorageInfo disk(folder);
    return disk.isValid() && disk.bytesAvailable() < roomNeeded;
}

QString journalTrouble(const QString& path, const QString& error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!diskFull(folder))
        return error;
    return QCoreApplication::translate("results", "the disk holding %1 is full: %2")
        .arg(folder, error);
}

namespace {

QString journalFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString hashedJournalPath(const QString& store) {
    const QByteArray hash = QCryptographicHash::hash(store.toUtf8(), QCryptographicHash::Sha256);
    return journalFolder() +
           QStringLiteral("/spool-%1.sqlite").arg(QLatin1String(hash.toHex().left(16)));
}

} // namespace

QString journalPath(const StoreAddress& store) {
    if (store == defaultStore())
        return journalFolder() + QStringLiteral("/spool.sqlite");
    return hashedJournalPath(addressText(store));
}

QString journalPathOf(const QString& store) {
    if (store == addressText(defaultStore()))
        return journalFolder() + QStringLiteral("/spool.sqlite");
    return hashedJournalPath(store);
}

QByteArray journalEntry(const Record& record) {
    const QByteArray encoded = encode(record);
    return checkedMark + checksum(encoded) + encoded;
}

std::variant<Record, QString> readJournalEntry(const QByteArray& entry) {
    if (!entry.startsWith(checkedMark))
        return decode(entry);
    constexpr qsizetype headerBytes = 1 + checksumBytes;
    if (entry.size() < headerBytes || QByteArrayView(entry).sliced(1, checksumBytes) !=
                                          checksum(QByteArrayView(entry).sliced(headerBytes)))
        return QCoreApplication::translate("results", "its checksum fails: the disk changed it");
    return decode(entry.sliced(headerBytes));
}

std::optional<QString> prepareSpool(QSqlDatabase& spool, const StoreAddress& store) {
    for (const char* statement :
         {"CREATE TABLE IF NOT EXISTS journal (seq INTEGER PRIMARY KEY AUTOINCREMENT, "
          "body BLOB NOT NULL)",
          "CREATE TABLE IF NOT EXISTS open_records (id TEXT PRIMARY KEY, sweep INTEGER NOT NULL, "
          "last_at TEXT NOT NULL)",
          "CREATE TABLE IF NOT EXISTS refused (seq INTEGER PRIMARY KEY, body BLOB NOT NULL, "
          "reason TEXT NOT NULL)",
          "CREATE TABLE IF NOT EXISTS destination (address TEXT NOT NULL)"})
        if (auto error = run(spool, QString::fromLatin1(statement)))
            return error;
    // A journal of an earlier program, which kept one for all stores, is taken to be the one of
    // the store it is opened for.
    const QString address = addressText(store);
    QSqlQuery query(spool);
    if (!query.exec(QStringLiteral("SELECT address FROM destination")))
        return QStringLiteral("%1: %2").arg(describe(spool), query.lastError().text());
    if (!query.next())
        return run(spool, QStringLiteral("INSERT INTO destination VALUES (?)"), {address});
    if (query.value(0).toString() != address)
        return QCoreApplication::translate("results",
                                           "%1 is the journal of the store %2, not of %3")
            .arg(describe(spool), query.value(0).toString(), address);
    return std::nullopt;
}

std::optional<QString> spoolRecords(QSqlDatabase& spool, const std::vector<Record>& records) {
    Transaction transaction(spool);
    if (auto error = transaction.begin())
        return error;
    QSqlQuery append(spool);
    QSqlQuery opened(spool);
    QSqlQuery touched(spool);
    QSqlQuery ended(spool);
    append.prepare(QStringLiteral("INSERT INTO journal (body) VALUES (?)"));
    opened.prepare(QStringLiteral("INSERT OR IGNORE INTO open_records VALUES (?, ?, ?)"));
    touched.prepare(QStringLiteral("UPDATE open_records SET last_at = ? WHERE id = ?"));
    ended.prepare(QStringLiteral("DELETE FROM open_records WHERE id = ?"));
    for (const Record& record : records) {
        if (auto error = run(append, {journalEntry(record)}))
            return QStringLiteral("%1: %2").arg(describe(spool), *error);
        const QString id = recordId(record);
        const QString at = std::visit([](const auto& r) { return latestAt(r); }, record);
        std::optional<QString> error;
        if (const auto* r = std::get_if<SweepBegan>(&record))
            error = run(opened, {id, 1, r->at});
        else if (const auto* s = std::get_if<SessionBegan>(&record))
            error = run(opened, {id, 0, s->at});
        else if (const auto* b = std::get_if<RunBegan>(&record))
            error = run(opened, {id, static_cast<int>(OpenKind::Run), b->at});
        else if (std::holds_alternative<RecordEnded>(record) ||
                 std::holds_alternative<RunEnded>(record))
            error = run(ended, {id});
        else if (!at.isEmpty())
            error = run(touched, {at, id});
        if (error)
            return QStringLiteral("%1: %2").arg(describe(spool), *error);
    }
    return transaction.commit();
}

std::variant<Waiting, QString> waitingRecords(QSqlDatabase& spool, int limit) {
    Waiting waiting;
    // A batch of entries none of which can be read is set aside whole, and the next one read.
    while (waiting.records.empty()) {
        std::vector<std::pair<qint64, QString>> unreadable;
        {
            QSqlQuery query(spool);
            query.setForwardOnly(true);
            if (!query.exec(QStringLiteral("SELECT seq, body FROM journal ORDER BY seq LIMIT %1")
                                .arg(limit)))
                return QStringLiteral("%1: %2").arg(describe(spool), query.lastError().text());
            while (query.next()) {
                const qint64 seq = query.value(0).toLongLong();
                auto record = readJournalEntry(query.value(1).toByteArray());
                if (auto* r = std::get_if<Record>(&record))
                    waiting.records.push_back({seq, std::move(*r)});
                else
                    unreadable.emplace_back(seq, std::get<QString>(record));
            }
            // A read that fails part-way ends the loop like the end of the rows does.
            if (query.lastError().isValid())
                return QStringLiteral("%1: %2").arg(describe(spool), query.lastError().text());
        }
        for (const auto& [seq, reason] : unreadable) {
            const QString why =
                QCoreApplication::translate("results", "a journal entry cannot be read (%1)")
                    .arg(reason);
            if (auto error = setAside(spool, seq, why))
                return *error;
            waiting.unreadable << why;
        }
        if (unreadable.empty())
            break;
    }
    return waiting;
}

std::variant<qint64, QString> waitingCount(QSqlDatabase& spool) {
    QSqlQuery query(spool);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM journal")) || !query.next())
        return QStringLiteral("%1: %2").arg(describe(spool), query.lastError().text());
    return query.value(0).toLongLong();
}

std::optional<QString> forgetUpTo(QSqlDatabase& spool, qint64 seq) {
    return run(spool, QStringLiteral("DELETE FROM journal WHERE seq <= ?"), {seq});
}

std::optional<QString> setAside(QSqlDatabase& spool, qint64 seq, const QString& reason) {
    Transaction transaction(spool);
    if (auto error = transaction.begin())
        return error;
    if (auto error = run(spool,
                         QStringLiteral("INSERT OR REPLACE INTO refused SELECT seq, body, ? FROM "
                                        "journal WHERE seq = ?"),
                         {reason, seq}))
        return error;
    if (auto error = run(spool, QStringLiteral("DELETE FROM journal WHERE seq = ?"), {seq}))
        return error;
    return transaction.commit();
}

std::variant<std::vector<OpenRecord>, QString> openRecords(QSqlDatabase& spool) {
    QSqlQuery query(spool);
    if (!query.exec(QStringLiteral("SELECT id, sweep, last_at FROM open_records")))
        return QStringLiteral("%1: %2").arg(describe(spool), query.lastError().text());
    std::vector<OpenRecord> open;
    while (query.next())
        open.push_back({query.value(0).toString(), static_cast<OpenKind>(query.value(1).toInt()),
                        query.value(2).toString()});
    return open;
}

Record abandoned(const OpenRecord& open) {
    const QString state = QStringLiteral("abandoned");
    if (open.kind == OpenKind::Run) // it could not go on: the program ended under it
        return RunEnded{open.id, open.lastAt, state, QStringLiteral("error"), {}, {}};
    return RecordEnded{open.id, open.kind == OpenKind::Sweep, open.lastAt, state};
}

} // namespace velmor::results
