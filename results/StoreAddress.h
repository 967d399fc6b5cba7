#pragma once

#include <QList>
#include <QString>

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

} // namespace velmor::results
