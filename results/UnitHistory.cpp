#include "UnitHistory.h"
#include "Text.h"

#include "RunRows.h"
#include "Sql.h"
#include "StoredValues.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

namespace velmor::results {

std::variant<std::vector<std::pair<QString, bool>>, QString>
unitRecords(QSqlDatabase& db, int version, const QString& serial) {
    std::vector<std::tuple<QString, QString, bool>> found; // start, id, sweep
    // A store from before units were recorded holds none of them.
    if (version >= 3)
        for (const bool sweep : {true, false}) {
            auto rows =
                selectRows(db,
                           QStringLiteral("SELECT %1 FROM %2 WHERE unit_serial = ?")
                               .arg(boundedColumns(db, u"started_at, id"),
                                    sweep ? QStringLiteral("sweeps") : QStringLiteral("sessions")),
                           {serial});
            if (const auto* error = std::get_if<QString>(&rows))
                return *error;
            const Rows& answer = std::get<Rows>(rows);
            const Column startedAt = answer.column("started_at"), id = answer.column("id");
            for (const Row& row : answer.rows)
                found.emplace_back(row.value(startedAt.index).toString(),
                                   row.value(id.index).toString(), sweep);
        }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
    std::vector<std::pair<QString, bool>> records;
    for (const auto& [at, id, sweep] : found)
        records.emplace_back(id, sweep);
    return records;
}

std::optional<QString> eachUnitRun(QSqlDatabase& db, int version, const QString& serial,
                                   const std::function<void(const StoredRun&)>& each) {
    if (version < 4)
        return std::nullopt;
    QStringList refused;
    if (auto error = eachRun(db,
                             QStringLiteral("SELECT %1 FROM runs WHERE unit_serial = ?")
                                 .arg(boundedColumns(db, withReason(historyColumns, version))),
                             {serial}, refused, [&](StoredRun run, StoredRow&) {
                                 if (refused.isEmpty())
                                     each(run);
                             }))
        return *error;
    if (!refused.isEmpty())
        return refused.first();
    return std::nullopt;
}

} // namespace velmor::results
