#include "Sql.h"
#include "PostgresRows.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace velmor::results {

namespace {

QString failure(const QSqlDatabase& db, const QSqlError& error) {
    return QStringLiteral("%1: %2").arg(describe(db), error.text());
}

} // namespace

bool isPostgres(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL");
}

bool refusesValues(const QSqlDatabase& db, const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    if (isPostgres(db)) // SQLSTATE classes 22, data exception, and 23, constraint violation
        return code.startsWith(QLatin1String("22")) || code.startsWith(QLatin1String("23"));
    // SQLite's primary result codes (the low byte of an extended one): SQLITE_TOOBIG,
    // SQLITE_CONSTRAINT, SQLITE_MISMATCH.
    const int primary = code.toInt() & 0xff;
    return primary == 18 || primary == 19 || primary == 20;
}

bool hasTable(const QSqlDatabase& db, const QString& name) {
    // The name written into the statement as the driver quotes a text: a prepared statement costs
    // PostgreSQL two more round trips.
    QSqlField field(QString(), QMetaType::fromType<QString>());
    field.setValue(name);
    const QString quoted = db.driver()->formatValue(field);
    QSqlQuery query(db);
    return query.exec(isPostgres(db)
                          ? QStringLiteral("SELECT to_regclass(%1) IS NOT NULL").arg(quoted)
                          : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE "
                                           "type = 'table' AND name = %1")
                                .arg(quoted)) &&
           query.next() && query.value(0).toBool();
}

QString describe(const QSqlDatabase& db) {
    if (!isPostgres(db))
        return db.databaseName();
    return QStringLiteral("postgresql://%1@%2:%3/%4")
        .arg(db.userName(), db.hostName())
        .arg(db.port())
        .arg(db.databaseName());
}

std::optional<QString> run(QSqlDatabase& db, const QString& statement, const QVariantList& values) {
    QSqlQuery query(db);
    // PostgreSQL prepares no schema statements; they run as they are.
    if (values.isEmpty()) {
        if (!query.exec(statement))
            return failure(db, query.lastError());
        return std::nullopt;
    }
    if (!query.prepare(statement))
        return failure(db, query.lastError());
    return run(query, values);
}

std::optional<QString> run(QSqlQuery& prepared, const QVariantList& values) {
    // A null text would be stored as NULL; the records' texts are never NULL, at most empty.
    for (int i = 0; i < values.size(); ++i)
        prepared.bindValue(i,
                           values[i].typeId() == QMetaType::QString && values[i].toString().isNull()
                               ? QVariant(QStringLiteral(""))
                               : values[i]);
    if (!prepared.exec())
        return QStringLiteral("%1: %2").arg(prepared.lastError().text(), prepared.lastQuery());
    return std::nullopt;
}

Column Rows::column(const char* name) const {
    const QString wanted = QLatin1String(name);
    return {static_cast<int>(columns.indexOf(wanted)), wanted};
}

namespace {

// Runs the query and names its columns in answer; hands each row to each as it is read, or
// without each keeps the rows in answer.
std::optional<QString> readRows(QSqlDatabase& db, const QString& statement,
                                const QVariantList& values, Rows& answer,
                                const std::function<void(const Row& row)>* each) {
    if (auto read = readPostgresRows(db, statement, values, answer, each))
        return *read;
    QSqlQuery query(db);
    // Every row is read anyway: Qt's PostgreSQL driver hands them over in one result
    // (forward-only, it hands over one result per row, several times slower), SQLite steps
    // through them.
    query.setForwardOnly(!isPostgres(db));
    if (!query.prepare(statement))
        return failure(db, query.lastError());
    if (auto error = run(query, values))
        return QStringLiteral("%1: %2").arg(describe(db), *error);
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int i = 0; i < columns; ++i)
        answer.columns << record.fieldName(i);
    // PostgreSQL's one result knows its size; SQLite's steps say -1.
    if (!each && query.size() > 0)
        answer.rows.reserve(static_cast<std::size_t>(query.size()));
    // Handed over, one row's values at a time in the same list.
    Row row(columns);
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            row[i] = query.value(i);
        if (each)
            (*each)(row);
        else
            answer.rows.push_back(row);
    }
    if (query.lastError().isValid())
        return failure(db, query.lastError());
    return std::nullopt;
}

} // namespace

std::optional<QString>
eachRow(QSqlDatabase& db, const QString& statement, const QVariantList& values,
        const std::function<void(const Rows& header, const Row& row)>& each) {
    Rows header;
    const std::function<void(const Row&)> handOver = [&](const Row& row) { each(header, row); };
    return readRows(db, statement, values, header, &handOver);
}

std::variant<Rows, QString> selectRows(QSqlDatabase& db, const QString& statement,
                                       const QVariantList& values) {
    Rows answer;
    if (auto error = readRows(db, statement, values, answer, nullptr))
        return *error;
    return answer;
}

QString likePrefix(const QString& prefix) {
    QString pattern;
    for (const QChar c : prefix) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('!'))
            pattern += QLatin1Char('!');
        pattern += c;
    }
    return pattern + QLatin1Char('%');
}

Transaction::~Transaction() {
    if (open_)
        db_.rollback();
}

std::optional<QString> Transaction::begin() {
    if (!db_.transaction())
        return failure(db_, db_.lastError());
    open_ = true;
    return std::nullopt;
}

std::optional<QString> Transaction::commit() {
    open_ = false;
    if (!db_.commit()) {
        const QSqlError error = db_.lastError();
        db_.rollback();
        return failure(db_, error);
    }
    return std::nullopt;
}

} // namespace velmor::results
