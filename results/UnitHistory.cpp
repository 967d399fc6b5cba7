#include "UnitHistory.h"

#include "RecordList.h"
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

std::variant<qint64, QString> eachUnitRun(QSqlDatabase& db, int version, const QString& serial,
                                          int newest,
                                          const std::function<void(const StoredRun&)>& each) {
    if (version < 4)
        return qint64{0};
    // The newest few as the list finds them, through the index on (unit_serial, started_at, id),
    // with the server's count of the rest; every run unsorted, as they are sorted with the unit's
    // sweeps and sessions anyway.
    ListFilter filter;
    filter.first = newest;
    filter.countRest = true;
    const QString rows = QStringLiteral(" FROM runs WHERE unit_serial = ?");
    QString statement =
        QStringLiteral("SELECT ") + boundedColumns(db, withReason(historyColumns, version)) + rows;
    Listing left;
    if (auto error = newestFirst(db, "runs", filter, false, rows, statement, {serial}, left))
        return *error;
    QStringList refused;
    if (auto error = eachRun(db, statement, {serial}, refused, [&](StoredRun run, StoredRow&) {
            if (refused.isEmpty())
                each(run);
        }))
        return *error;
    if (!refused.isEmpty())
        return refused.first();
    return left.unread;
}

} // namespace velmor::results
