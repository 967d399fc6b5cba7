#include "ReadOnlyStore.h"
#include "Text.h"

#include "OpenStore.h"

#include <QFileInfo>
#include <QSqlError>

#include <algorithm>

namespace velmor::results {

std::variant<QSqlDatabase, QString> openReadOnly(const StoreAddress& address,
                                                 const QString& connectionName) {
    if (address.kind == StoreAddress::Kind::Postgres) {
        // Set as the session starts, after any options the URL gives so that these hold, rather
        // than by a statement each: three round trips fewer for every command. JIT off: it
        // compiled the list's query for longer than the query ran. No statement runs longer than a
        // page may take.
        const QString settings = QStringLiteral(
            "-c default_transaction_read_only=on -c jit=off -c statement_timeout=30000");
        StoreAddress readOnly = address;
        auto given =
            std::find_if(readOnly.parameters.begin(), readOnly.parameters.end(),
                         [](const auto& p) { return p.first == QLatin1String("options"); });
        if (given != readOnly.parameters.end())
            given->second += QLatin1Char(' ') + settings;
        else
            readOnly.parameters.append({QStringLiteral("options"), settings});
        return openStore(readOnly, connectionName);
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
