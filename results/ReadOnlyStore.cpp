#include "ReadOnlyStore.h"
#include "Text.h"

#include "OpenStore.h"
#include "Sql.h"

#include <QFileInfo>
#include <QSqlError>

namespace velmor::results {

std::variant<QSqlDatabase, QString> openReadOnly(const StoreAddress& address,
                                                 const QString& connectionName) {
    if (address.kind == StoreAddress::Kind::Postgres) {
        auto opened = openStore(address, connectionName);
        auto* db = std::get_if<QSqlDatabase>(&opened);
        if (!db)
            return opened;
        // JIT off: it compiled the list's query for longer than the query ran. No statement runs
        // longer than a page may take.
        for (const char* statement : {"SET SESSION default_transaction_read_only = on",
                                      "SET jit = off", "SET statement_timeout = 30000"})
            if (auto error = run(*db, QString::fromLatin1(statement)))
                return *error;
        return opened;
    }
    const QFileInfo file(address.path);
    if (file.isSymLink())
        return Text::tr("%1: a symbolic link stands in the place of the results database; it "
                        "is not followed")
            .arg(address.path);
    if (!file.isFile())
        return Text::tr("%1: no records yet").arg(address.path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(address.path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return QStringLiteral("%1: %2").arg(address.path, db.lastError().text());
    return db;
}

} // namespace velmor::results
