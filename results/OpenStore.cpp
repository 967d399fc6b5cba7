#include "OpenStore.h"
#include "Text.h"

#include "PrivateFiles.h"
#include "Sql.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>

namespace velmor::results {

namespace {

std::optional<QString> pragma(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement))
        return QStringLiteral("%1: %2").arg(describe(db), query.lastError().text());
    return std::nullopt;
}

// A value as libpq's connection strings quote it.
QString quoted(QString value) {
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

} // namespace

QString postgresConnectOptions(const StoreAddress& address) {
    QStringList options;
    bool timeoutGiven = false;
    for (const auto& [name, value] : address.parameters) {
        options << name + QLatin1Char('=') + quoted(value);
        timeoutGiven = timeoutGiven || name == QLatin1String("connect_timeout");
    }
    if (!timeoutGiven)
        options << QStringLiteral("connect_timeout=3");
    return options.join(QLatin1Char(' '));
}

std::variant<QSqlDatabase, QString> openStore(const StoreAddress& address,
                                              const QString& connectionName) {
    if (address.kind == StoreAddress::Kind::Postgres) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setHostName(address.host);
        db.setPort(address.port);
        db.setUserName(address.user);
        db.setDatabaseName(address.database);
        db.setConnectOptions(postgresConnectOptions(address));
        if (!db.open())
            return QStringLiteral("%1: %2").arg(describe(db), db.lastError().text());
        return db;
    }
    const QFileInfo file(address.path);
    if (file.isSymLink())
        return Text::tr(
                   "%1: a symbolic link stands in the place of the results database; it is not "
                   "followed")
            .arg(address.path);
    if (!makePrivateFolder(file.absolutePath()))
        return Text::tr("%1: cannot create the folder").arg(file.absolutePath());
    // Made here readable by this user alone; SQLite gives its -wal and -shm files the same mode.
    QFile created(address.path);
    if (!file.exists() && !created.open(QIODevice::NewOnly, privateFile) &&
        !QFileInfo::exists(address.path))
        return Text::tr("%1: cannot create the file: %2").arg(address.path, created.errorString());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(address.path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return QStringLiteral("%1: %2").arg(address.path, db.lastError().text());
    for (const char* statement :
         {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"})
        if (auto error = pragma(db, QString::fromLatin1(statement)))
            return *error;
    return db;
}

} // namespace velmor::results
