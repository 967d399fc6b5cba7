#include "PostgresRows.h"

#include <QSqlDriver>

#include <libpq-fe.h>

#include <charconv>
#include <limits>
#include <optional>
#include <vector>

namespace velmor::results {

namespace {

// The types of pg_type whose values Qt's driver reads as numbers or truth values.
constexpr Oid boolOid = 16, int8Oid = 20, int2Oid = 21, int4Oid = 23, float4Oid = 700,
              float8Oid = 701, numericOid = 1700;

PGconn* connectionOf(const QSqlDatabase& db) {
    if (!isPostgres(db) || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    // Qt names the type as libpq declares it.
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

// Qt's placeholders ("?") as the server's ("$1", "$2" …); a "?" inside quotes stays.
QByteArray numbered(const QString& statement) {
    const QByteArray text = statement.toUtf8();
    QByteArray out;
    out.reserve(text.size() + 16);
    char quote = 0;
    int n = 0;
    for (const char c : text) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '?') {
            out += '$' + QByteArray::number(++n);
            continue;
        }
        out += c;
    }
    return out;
}

// A bound value as the server's text, as Qt's driver binds it: a null text is an empty one.
// Nothing for a type it would write otherwise.
std::optional<QByteArray> parameter(const QVariant& value, bool* null) {
    *null = false;
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().toUtf8();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toString().toLatin1();
    case QMetaType::Bool:
        return QByteArray(value.toBool() ? "true" : "false");
    case QMetaType::UnknownType:
        *null = true;
        return QByteArray();
    default:
        return std::nullopt;
    }
}

// PostgreSQL writes "NaN", "Infinity" and "-Infinity", which from_chars reads too.
double real(const char* text, int length) {
    double x = 0;
    const auto [end, failed] = std::from_chars(text, text + length, x);
    if (failed != std::errc() || end != text + length)
        return std::numeric_limits<double>::quiet_NaN(); // beyond a double: refused as not finite
    return x;
}

// The kind of value Qt's driver makes of a column of the type, a NULL included.
QMetaType kindOf(Oid type) {
    switch (type) {
    case boolOid:
        return QMetaType::fromType<bool>();
    case int2Oid:
    case int4Oid:
        return QMetaType::fromType<int>();
    case int8Oid:
        return QMetaType::fromType<qlonglong>();
    case float4Oid:
    case float8Oid:
    case numericOid:
        return QMetaType::fromType<double>();
    default:
        return QMetaType::fromType<QString>();
    }
}

QVariant value(const PGresult* result, int row, int column, Oid type) {
    if (PQgetisnull(result, row, column))
        return QVariant(kindOf(type));
    const char* text = PQgetvalue(result, row, column);
    const int length = PQgetlength(result, row, column);
    const QByteArray digits = QByteArray::fromRawData(text, length);
    switch (type) {
    case boolOid:
        return QVariant(text[0] == 't');
    case int2Oid:
    case int4Oid:
        return QVariant(digits.toInt());
    case int8Oid: // as Qt's driver: unsigned unless negative
        return text[0] == '-' ? QVariant(digits.toLongLong()) : QVariant(digits.toULongLong());
    case float4Oid:
    case float8Oid:
    case numericOid:
        return QVariant(real(text, length));
    default:
        return QVariant(QString::fromUtf8(text, length));
    }
}

QString trimmed(const char* message) {
    return QString::fromUtf8(message).trimmed();
}

} // namespace

std::optional<std::optional<QString>>
readPostgresRows(QSqlDatabase& db, const QString& statement, const QVariantList& values,
                 Rows& answer, const std::function<void(const Row& row)>* each) {
    PGconn* connection = connectionOf(db);
    if (!connection || PQtransactionStatus(connection) == PQTRANS_ACTIVE)
        return std::nullopt;
    std::vector<QByteArray> texts(static_cast<std::size_t>(values.size()));
    std::vector<const char*> bound(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        bool null = false;
        auto text = parameter(values[static_cast<qsizetype>(i)], &null);
        if (!text)
            return std::nullopt;
        texts[i] = std::move(*text);
        bound[i] = null ? nullptr : texts[i].constData();
    }
    const QByteArray sql = numbered(statement);
    if (!PQsendQueryParams(connection, sql.constData(), static_cast<int>(bound.size()), nullptr,
                           bound.data(), nullptr, nullptr, 0))
        return std::optional<QString>(
            QStringLiteral("%1: %2").arg(describe(db), trimmed(PQerrorMessage(connection))));
    // Without it the rows come in one result, read the same way.
    PQsetSingleRowMode(connection);
    std::optional<QString> error;
    std::vector<Oid> types;
    Row row;
    // Every result is taken, to the last, so that the connection is free for the next query.
    while (PGresult* result = PQgetResult(connection)) {
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_SINGLE_TUPLE && status != PGRES_TUPLES_OK) {
            if (!error)
                error = QStringLiteral("%1: %2").arg(describe(db),
                                                     trimmed(PQresultErrorMessage(result)));
        } else if (!error) {
            if (types.empty()) {
                const int columns = PQnfields(result);
                for (int i = 0; i < columns; ++i) {
                    answer.columns << QString::fromUtf8(PQfname(result, i));
                    types.push_back(PQftype(result, i));
                }
                row.resize(columns);
            }
            for (int r = 0; r < PQntuples(result); ++r) {
                for (int i = 0; i < static_cast<int>(types.size()); ++i)
                    row[i] = value(result, r, i, types[static_cast<std::size_t>(i)]);
                if (each)
                    (*each)(row);
                else
                    answer.rows.push_back(row);
            }
        }
        PQclear(result);
    }
    return error;
}

int postgresSocket(const QSqlDatabase& db) {
    PGconn* connection = connectionOf(db);
    return connection ? PQsocket(connection) : -1;
}

} // namespace velmor::results
