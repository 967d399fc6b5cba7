#include "StoreAddress.h"

#include "Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlError>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace velmor::results {

namespace {

// This file's texts, looked up in the catalogue under "results".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(results)
};

std::optional<QString> pragma(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement))
        return QStringLiteral("%1: %2").arg(describe(db), query.lastError().text());
    return std::nullopt;
}

} // namespace

bool makePrivateFolder(const QString& path) {
    const QFileInfo folder(path);
    if (folder.isDir())
        return true;
    if (!makePrivateFolder(folder.absolutePath()))
        return false;
    return QDir().mkdir(path,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner) ||
           QFileInfo(path).isDir();
}

std::variant<StoreAddress, QString> parseResultsUrl(const QString& text) {
    if (text == QLatin1String("off"))
        return StoreAddress{StoreAddress::Kind::Off, {}, {}, {}, 0, {}};
    if (text.startsWith(QLatin1String("sqlite:"))) {
        const QString path = text.mid(7);
        if (!QDir::isAbsolutePath(path))
            return Text::tr("The SQLite path in \"%1\" must be absolute").arg(text);
        return StoreAddress{StoreAddress::Kind::SQLite, QDir::cleanPath(path), {}, {}, 0, {}};
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres")))
        return Text::tr("\"%1\" is not a results URL: use postgresql://user@host:port/database, "
                        "sqlite:/path/file.sqlite or off")
            .arg(text);
    StoreAddress address;
    address.kind = StoreAddress::Kind::Postgres;
    address.user = url.userName();
    address.host = QUrlQuery(url).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (address.host.isEmpty())
        address.host = url.host();
    address.port = url.port(5432);
    address.database = url.path().mid(1);
    if (address.host.isEmpty() || address.database.isEmpty() || address.database.contains('/'))
        return Text::tr("\"%1\" names no server or no database: use "
                        "postgresql://user@host:port/database")
            .arg(text);
    return address;
}

QString addressText(const StoreAddress& address) {
    switch (address.kind) {
    case StoreAddress::Kind::Off:
        return QStringLiteral("off");
    case StoreAddress::Kind::SQLite:
        return QStringLiteral("sqlite:") +
               QDir::cleanPath(QFileInfo(address.path).absoluteFilePath());
    case StoreAddress::Kind::Postgres:
        break;
    }
    return QStringLiteral("postgresql://%1@%2:%3/%4")
        .arg(address.user, address.host)
        .arg(address.port)
        .arg(address.database);
}

StoreAddress defaultStore() {
    StoreAddress address;
    address.path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                   QStringLiteral("/results.sqlite");
    return address;
}

QString configFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/velmor-test.conf");
}

std::variant<StoreAddress, QString> chooseStore(const std::optional<QString>& commandLineUrl) {
    if (commandLineUrl)
        return parseResultsUrl(*commandLineUrl);
    const QSettings config(configFilePath(), QSettings::IniFormat);
    const QString configured = config.value(QStringLiteral("results")).toString();
    if (!configured.isEmpty())
        return parseResultsUrl(configured);
    return defaultStore();
}

std::variant<QSqlDatabase, QString> openStore(const StoreAddress& address,
                                              const QString& connectionName) {
    if (address.kind == StoreAddress::Kind::Postgres) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setHostName(address.host);
        db.setPort(address.port);
        db.setUserName(address.user);
        db.setDatabaseName(address.database);
        db.setConnectOptions(QStringLiteral("connect_timeout=3"));
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
