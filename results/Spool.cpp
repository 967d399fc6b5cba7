#include "Spool.h"

#include "Sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace velmor::results {

namespace {

template <typename T> QString latestAt(const T& r) {
    if constexpr (requires { r.at; })
        return r.at;
    else
        return {};
}

} // namespace

QString defaultSpoolPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/spool.sqlite");
}

std::optional<QString> prepareSpool(QSqlDatabase& spool) {
    for (const char* statement :
         {"CREATE TABLE IF NOT EXISTS journal (seq INTEGER PRIMARY KEY AUTOINCREMENT, "
          "body BLOB NOT NULL)",
          "CREATE TABLE IF NOT EXISTS open_records (id TEXT PRIMARY KEY, sweep INTEGER NOT NULL, "
          "last_at TEXT NOT NULL)",
          "CREATE TABLE IF NOT EXISTS refused (seq INTEGER PRIMARY KEY, body BLOB NOT NULL, "
          "reason TEXT NOT NULL)"})
        if (auto error = run(spool, QString::fromLatin1(statement)))
            return error;
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
        if (auto error = run(append, {encode(record)}))
            return QStringLiteral("%1: %2").arg(describe(spool), *error);
        const QString id = recordId(record);
        const QString at = std::visit([](const auto& r) { return latestAt(r); }, record);
        std::optional<QString> error;
        if (const auto* r = std::get_if<SweepBegan>(&record))
            error = run(opened, {id, 1, r->at});
        else if (const auto* s = std::get_if<SessionBegan>(&record))
            error = run(opened, {id, 0, s->at});
        else if (std::holds_alternative<RecordEnded>(record))
            error = run(ended, {id});
        else if (!at.isEmpty())
            error = run(touched, {at, id});
        if (error)
            return QStringLiteral("%1: %2").arg(describe(spool), *error);
    }
    return transaction.commit();
}

std::variant<std::vector<SpooledRecord>, QString> waitingRecords(QSqlDatabase& spool, int limit) {
    QSqlQuery query(spool);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT seq, body FROM journal ORDER BY seq LIMIT %1").arg(limit)))
        return QStringLiteral("%1: %2").arg(describe(spool), query.lastError().text());
    std::vector<SpooledRecord> waiting;
    while (query.next()) {
        const qint64 seq = query.value(0).toLongLong();
        auto record = decode(query.value(1).toByteArray());
        if (!record)
            return QStringLiteral("%1: journal entry %2 cannot be read")
                .arg(describe(spool))
                .arg(seq);
        waiting.push_back({seq, std::move(*record)});
    }
    return waiting;
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
        open.push_back(
            {query.value(0).toString(), query.value(1).toBool(), query.value(2).toString()});
    return open;
}

} // namespace velmor::results
