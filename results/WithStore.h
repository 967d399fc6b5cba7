#pragma once

#include "OpenStore.h"

#include <QSqlDatabase>
#include <QString>

#include <utility>
#include <variant>

namespace velmor::results {

// The work done on a connection of the calling thread (never the UI's) to the store, removed
// when done; a store that cannot be opened gives its error as the work's result.
template <typename Work>
auto withStore(const StoreAddress& store, const char* name, Work work)
    -> decltype(work(std::declval<QSqlDatabase&>())) {
    const QString connection =
        QStringLiteral("velmor-%1-%2").arg(QLatin1String(name)).arg(quintptr(&store), 0, 16);
    decltype(work(std::declval<QSqlDatabase&>())) result;
    {
        auto opened = openStore(store, connection);
        if (auto* error = std::get_if<QString>(&opened))
            result = *error;
        else
            result = work(std::get<QSqlDatabase>(opened));
        if (auto* db = std::get_if<QSqlDatabase>(&opened))
            db->close();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

} // namespace velmor::results
