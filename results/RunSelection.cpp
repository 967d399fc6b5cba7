#include "RunSelection.h"

#include "RunRows.h"
#include "Schema.h"
#include "Sql.h"
#include "StoredValues.h"

#include <QCoreApplication>

#include <limits>

namespace velmor::results {

namespace {

// The conditions of a list's filters the store can apply: since, unit and model.
void whereFiltered(const ListFilter& filter, QString& statement, QVariantList& values) {
    statement += whereSince(filter, values);
    for (const auto& [column, value] :
         {std::pair{"unit_serial", &filter.unit}, std::pair{"unit_model", &filter.model}})
        if (!value->isEmpty()) {
            statement += QStringLiteral(" AND %1 = ?").arg(QLatin1String(column));
            values << *value;
        }
}

// What a list shows as a run's verdict: its outcome, "incomplete" while open.
QString shownVerdict(const StoredRun& run) {
    return run.outcome.isEmpty() ? QStringLiteral("incomplete") : run.outcome;
}

// The filters applied to a run read: its plan's name and its outcome ("incomplete": any run
// without a verdict).
bool matches(const StoredRun& run, const ListFilter& filter) {
    if (!filter.name.isEmpty() && !run.planName.contains(filter.name, Qt::CaseInsensitive))
        return false;
    if (filter.verdict.isEmpty() || filter.verdict == run.outcome)
        return true;
    return filter.verdict == QLatin1String("incomplete") && !run.completed();
}

} // namespace

std::optional<QString> listRuns(QSqlDatabase& db, int version, const ListFilter& filter,
                                Listing& listing) {
    if (version < 4) // a store from before plan runs holds none
        return std::nullopt;
    QString rows = QStringLiteral(" FROM runs");
    QVariantList values;
    whereFiltered(filter, rows, values);
    QString statement =
        QStringLiteral("SELECT %1, %2 AS count")
            .arg(boundedColumns(db, withReason(headerColumns, version)), readingCountOf(version)) +
        rows;
    // A name or an outcome is matched as each run is read.
    if (auto error =
            newestFirst(db, "runs", filter, !filter.name.isEmpty() || !filter.verdict.isEmpty(),
                        rows, statement, values, listing))
        return error;
    return eachRun(db, statement, values, listing.refused, [&](StoredRun run, StoredRow& row) {
        if (!matches(run, filter))
            return;
        const int count = row.number("count", 0, std::numeric_limits<int>::max());
        if (row.refused())
            return;
        Listed l;
        l.id = run.id;
        l.sweep = false;
        l.run = true;
        l.startedAt = run.startedAt;
        l.endState = run.endState;
        l.host = run.host;
        l.name = run.planName;
        l.count = count;
        l.verdict = shownVerdict(run);
        l.unit = run.unit.serial;
        l.reason = run.reason;
        listing.add(std::move(l));
    });
}

std::variant<std::optional<StoredRun>, QString> lastPassedRun(QSqlDatabase& db,
                                                              const QString& serial,
                                                              const QString& planName,
                                                              const QString& planText) {
    std::optional<StoredRun> found;
    if (storedSchemaVersion(db) < 4)
        return found;
    QStringList refused;
    if (auto error = eachRun(db,
                             QStringLiteral("SELECT %1 FROM runs WHERE unit_serial = ? AND "
                                            "plan_name = ? AND plan_text = ? AND end_state = "
                                            "'completed' AND outcome IN ('pass', 'marginal') "
                                            "ORDER BY started_at DESC, id DESC")
                                 .arg(boundedColumns(db, headerColumns)),
                             {serial, planName, planText}, refused, [&](StoredRun run, StoredRow&) {
                                 if (!found)
                                     found = std::move(run);
                             }))
        return *error;
    return found;
}

std::variant<RunSelection, QString> selectRuns(QSqlDatabase& db, int version,
                                               const ListFilter& filter) {
    RunSelection selection;
    if (version < 4)
        return selection;
    QString statement = QStringLiteral("SELECT %1 FROM runs")
                            .arg(boundedColumns(db, withReason(headerColumns, version)));
    QVariantList values;
    whereFiltered(filter, statement, values);
    statement += QStringLiteral(" ORDER BY started_at DESC, id DESC");
    if (auto error =
            eachRun(db, statement, values, selection.refused, [&](StoredRun run, StoredRow&) {
                if (matches(run, filter))
                    selection.runs.push_back(std::move(run));
            }))
        return *error;
    return selection;
}

} // namespace velmor::results
