#include "UnitHistory.h"

#include "RunRows.h"
#include "Sql.h"
#include "StoredValues.h"

#include <algorithm>

namespace velmor::results {

std::variant<std::vector<UnitRecord>, QString> unitRecords(QSqlDatabase& db, int version,
                                                           const QString& serial) {
    std::vector<UnitRecord> records;
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
                records.push_back(
                    {row.value(startedAt.index).toString(), row.value(id.index).toString(), sweep});
        }
    std::stable_sort(records.begin(), records.end(), [](const UnitRecord& a, const UnitRecord& b) {
        return a.startedAt < b.startedAt;
    });
    return records;
}

std::optional<QString> eachUnitRun(QSqlDatabase& db, int version, const QString& serial, int newest,
                                   const std::function<void(const StoredRun&)>& each) {
    if (version < 4)
        return std::nullopt;
    // The newest few straight from the index on (unit_serial, started_at, id), ordered by the
    // table's columns: the bounded ones of the answer under the same names are expressions, which
    // the engine would work out and sort for every run. Every run unsorted, as they are sorted
    // with the unit's sweeps and sessions anyway.
    const QString order =
        newest > 0
            ? QStringLiteral(" ORDER BY runs.started_at DESC, runs.id DESC LIMIT %1").arg(newest)
            : QString();
    QStringList refused;
    if (auto error =
            eachRun(db,
                    QStringLiteral("SELECT %1 FROM runs WHERE unit_serial = ?%2")
                        .arg(boundedColumns(db, withReason(historyColumns, version)), order),
                    {serial}, refused, [&](StoredRun run, StoredRow&) {
                        if (refused.isEmpty())
                            each(run);
                    }))
        return *error;
    if (!refused.isEmpty())
        return refused.first();
    return std::nullopt;
}

std::variant<qint64, QString> unitRunCount(QSqlDatabase& db, int version, const QString& serial) {
    if (version < 4)
        return qint64{0};
    auto rows =
        selectRows(db, QStringLiteral("SELECT COUNT(*) FROM runs WHERE unit_serial = ?"), {serial});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const Rows& answer = std::get<Rows>(rows);
    return answer.rows.empty() ? qint64{0} : answer.rows.front().value(0).toLongLong();
}

} // namespace velmor::results
