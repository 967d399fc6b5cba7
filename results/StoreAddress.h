#pragma once

#include <QFileDevice>
#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <variant>

namespace velmor::results {

// Where the test records go, from a results URL:
//   "off"                                      no recording
//   "postgresql://user@host:port/db"           a PostgreSQL server shared by a lab's benches
//   "postgresql://user@:port/db?host=/run/dir" the same over a Unix socket in /run/dir
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
    friend bool operator==(const StoreAddress&, const StoreAddress&) = default;
};

std::variant<StoreAddress, QString> parseResultsUrl(const QString& url);

// The store as one line of text, with nothing secret in it: "sqlite:/path/file.sqlite",
// "postgresql://user@host:port/database". Two addresses of one store give the same text.
QString addressText(const StoreAddress& address);

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

} // namespace velmor::results
