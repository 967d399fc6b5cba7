#pragma once

#include <QFileDevice>
#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace velmor::results {

// Where the test records go, from a results URL:
//   "off"                                      no recording
//   "postgresql://user@host:port/db"           a PostgreSQL server shared by a lab's benches
//   "postgresql://user@:port/db?host=/run/dir" the same over a Unix socket in /run/dir
//   "postgresql://user@host/db?sslmode=require&application_name=bench-3"
//                                              with further libpq connection parameters
//   "sqlite:/path/results.sqlite"              an SQLite file
// The default is the SQLite file results.sqlite in the user's data folder.
struct StoreAddress {
    enum class Kind { Off, SQLite, Postgres };
    Kind kind = Kind::SQLite;
    QString path; // SQLite
    QString user; // PostgreSQL
    QString host;
    int port = 5432;
    QString database;
    // The URL's other libpq parameters (sslmode, sslrootcert, connect_timeout, ...), decoded,
    // in the URL's order.
    QList<std::pair<QString, QString>> parameters;
    friend bool operator==(const StoreAddress&, const StoreAddress&) = default;
};

// A URL holding a password is refused (it would show in the process list): libpq finds it in
// ~/.pgpass or PGPASSWORD. So is a parameter this program does not pass on, named.
std::variant<StoreAddress, QString> parseResultsUrl(const QString& url);

// The store as one line of text, with nothing secret in it: "sqlite:/path/file.sqlite",
// "postgresql://user@host:port/database". Two addresses of one store give the same text.
QString addressText(const StoreAddress& address);

// The connect options for Qt's PostgreSQL driver: the address's parameters as libpq keyword and
// quoted value pairs, with a connect_timeout of 3 s unless the address gives its own.
QString postgresConnectOptions(const StoreAddress& address);

// The default store: results.sqlite in QStandardPaths::AppDataLocation.
StoreAddress defaultStore();

// The store for the command line's --results value if given, else the "results" key of
// velmor-test.conf in the user's configuration folder, else the default.
std::variant<StoreAddress, QString> chooseStore(const std::optional<QString>& commandLineUrl);

// Opens a connection of the calling thread under the name. An SQLite file is created with its
// folder on first use and written in WAL mode; a symbolic link in its place is refused.
std::variant<QSqlDatabase, QString> openStore(const StoreAddress& address,
                                              const QString& connectionName);

// Makes the folder and those missing above it, each readable by this user alone (0700).
bool makePrivateFolder(const QString& path);

// A file of this user alone (0600).
inline constexpr QFileDevice::Permissions privateFile{QFileDevice::ReadOwner |
                                                      QFileDevice::WriteOwner};

// The configuration file chooseStore reads.
QString configFilePath();
// The lab's models file beside it (see ModelsFile.h), which the station and the web view read.
QString modelsFilePath();

} // namespace velmor::results
