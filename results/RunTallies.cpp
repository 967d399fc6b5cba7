#include "RunTallies.h"

#include "Sql.h"
#include "Unit.h"

#include <cmath>
#include <set>

namespace velmor::results {

namespace {

// The completed runs with a verdict of one group, over the runs table `r`; bound: the model, the
// bench, the day and the day's end.
const QString groupRuns = QStringLiteral(
    "COALESCE(r.unit_model, '') = ? AND r.host = ? AND r.started_at >= ? AND r.started_at < ? AND "
    "r.end_state = 'completed' AND r.outcome IN ('pass', 'marginal', 'fail')");

// Holds the group's lock to the end of the transaction on PostgreSQL, where two runs of one group
// may end together (two ports of one bench): the second counts once the first has committed, so
// that it counts both rather than overwrite the first's counts with its own. SQLite has one writer
// at a time.
std::optional<QString> lockGroup(QSqlDatabase& db, const QString& model, const QString& host,
                                 const QString& day) {
    if (!isPostgres(db))
        return std::nullopt;
    return run(db, QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(CAST(? AS text)))"),
               {QStringList{QStringLiteral("run_tallies"), model, host, day}.join(QChar(0x1f))});
}

// The group's counts and fails by step, worked out again from its runs.
std::optional<QString> keepGroup(QSqlDatabase& db, const QString& model, const QString& host,
                                 const QString& day) {
    // ISO times of the day sort before its date followed by "U".
    const QVariantList group{model, host, day, day + QLatin1Char('U')};
    const auto runs =
        selectRows(db,
                   QStringLiteral("SELECT r.unit_serial, r.outcome FROM runs r WHERE %1 "
                                  "ORDER BY r.started_at, r.id")
                       .arg(groupRuns),
                   group);
    if (const auto* error = std::get_if<QString>(&runs))
        return *error;
    int count = 0, passed = 0, units = 0, firstPassed = 0;
    std::set<QString> serials; // of the units seen so far
    for (const Row& row : std::get<Rows>(runs).rows) {
        const QString serial = row.value(0).toString();
        const bool pass = row.value(1).toString() != QLatin1String("fail");
        ++count;
        passed += pass ? 1 : 0;
        if (serial.isEmpty() || serials.insert(serial).second) {
            ++units;
            firstPassed += pass ? 1 : 0;
        }
    }
    const QVariantList key{model, host, day};
    for (const char* table : {"run_tallies", "step_fail_tallies"})
        if (auto error = run(db,
                             QStringLiteral("DELETE FROM %1 WHERE unit_model = ? AND host = ? "
                                            "AND day = ?")
                                 .arg(QLatin1String(table)),
                             key))
            return error;
    if (count == 0)
        return std::nullopt;
    if (auto error =
            run(db,
                QStringLiteral("INSERT INTO run_tallies (unit_model, host, day, runs, "
                               "passed, units, first_passed) VALUES (?, ?, ?, ?, ?, ?, ?) "
                               "ON CONFLICT (unit_model, host, day) DO UPDATE SET "
                               "runs = excluded.runs, passed = excluded.passed, "
                               "units = excluded.units, first_passed = excluded.first_passed"),
                key + QVariantList{count, passed, units, firstPassed}))
        return error;
    return run(db,
               QStringLiteral("INSERT INTO step_fail_tallies (unit_model, host, day, step, fails) "
                              "SELECT ?, ?, ?, s.name, COUNT(*) FROM run_steps s "
                              "JOIN runs r ON r.id = s.run_id WHERE s.outcome = 'fail' AND %1 "
                              "GROUP BY s.name ON CONFLICT (unit_model, host, day, step) "
                              "DO UPDATE SET fails = excluded.fails")
                   .arg(groupRuns),
               key + group);
}

// Notes a run left out of the tallies (what: "run", or "volts" for some of its volts), which the
// summary names as it names those of an older store.
std::optional<QString> leaveOut(QSqlDatabase& db, const QString& runId, const char* what) {
    return run(db,
               QStringLiteral("INSERT INTO tally_refusals (run_id, what) VALUES (?, ?) "
                              "ON CONFLICT DO NOTHING"),
               {runId, QString::fromLatin1(what)});
}

// Whether a figure is one the bench writes: a finite number within low..high.
bool within(const QVariant& value, double low, double high, double& number) {
    bool ok = false;
    number = value.toDouble(&ok);
    return ok && std::isfinite(number) && number >= low && number <= high;
}

// The volts of the run's points steps added to their tallies.
std::optional<QString> keepPoints(QSqlDatabase& db, const QString& runId) {
    const auto rows = selectRows(
        db,
        QStringLiteral("SELECT COALESCE(r.unit_model, ''), r.plan_name, s.name, m.step_seq, "
                       "m.name, m.value, m.low, m.high FROM run_measurements m "
                       "JOIN run_steps s ON s.run_id = m.run_id AND s.seq = m.step_seq "
                       "JOIN runs r ON r.id = m.run_id WHERE m.run_id = ? AND "
                       "r.end_state = 'completed' AND r.outcome IN ('pass', 'marginal', 'fail') "
                       "AND s.kind = 'points' AND m.unit = 'V' AND m.low IS NOT NULL AND "
                       "m.high IS NOT NULL"),
        {runId});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    for (const Row& row : std::get<Rows>(rows).rows) {
        const auto point = pointOf(row.value(4).toString());
        // What the unit can read, and limits that hold nominal, as a profile's do.
        const UnitOutput* unit = point ? &pointOutputUnit(point->first) : nullptr;
        double volts = 0, lsl = 0, usl = 0;
        if (!unit || !within(row.value(5), unit->lowestVolts(), unit->highestVolts(), volts) ||
            !within(row.value(6), 0, unit->nominalVolts, lsl) ||
            !within(row.value(7), unit->nominalVolts, 10 * unit->nominalVolts, usl)) {
            if (auto error = leaveOut(db, runId, "volts"))
                return error;
            continue;
        }
        // An end of the unit's range says only that the output was at or beyond it.
        if (unit->endOf(volts) != RangeEnd::Inside)
            continue;
        if (auto error = run(
                db,
                QStringLiteral(
                    "INSERT INTO point_tallies (unit_model, plan_name, step, measured, low, high, "
                    "step_seq, values_count, mean, squares) VALUES (?, ?, ?, ?, ?, ?, ?, 1, ?, 0) "
                    "ON CONFLICT (unit_model, plan_name, step, measured, low, high) DO UPDATE SET "
                    "values_count = point_tallies.values_count + 1, "
                    "mean = point_tallies.mean + (excluded.mean - point_tallies.mean) / "
                    "(point_tallies.values_count + 1), "
                    "squares = point_tallies.squares + (excluded.mean - point_tallies.mean) * "
                    "(excluded.mean - point_tallies.mean - (excluded.mean - point_tallies.mean) / "
                    "(point_tallies.values_count + 1)), "
                    "step_seq = CASE WHEN excluded.step_seq < point_tallies.step_seq "
                    "THEN excluded.step_seq ELSE point_tallies.step_seq END"),
                {row.value(0), row.value(1), row.value(2), row.value(4), lsl, usl, row.value(3),
                 volts}))
            return error;
    }
    return std::nullopt;
}

// A completed run's volts added, or the run left out where its outcome is no verdict.
std::optional<QString> keepRun(QSqlDatabase& db, const QString& runId, const QString& outcome) {
    for (const char* verdict : {"pass", "marginal", "fail"})
        if (outcome == QLatin1String(verdict))
            return keepPoints(db, runId);
    return leaveOut(db, runId, "run");
}

} // namespace

const UnitOutput& pointOutputUnit(int output) {
    static const UnitOutput* const units[] = {&output12, &output5, &output33};
    return *units[output];
}

std::optional<std::pair<int, int>> pointOf(const QString& name) {
    const qsizetype at = name.indexOf(QLatin1String(" at P"));
    if (at < 0)
        return std::nullopt;
    const QStringView number = QStringView(name).mid(at + 5);
    // 1 to 999999, without a leading zero.
    if (number.isEmpty() || number.size() > 6 || number.front() == QLatin1Char('0') ||
        !std::all_of(number.begin(), number.end(),
                     [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
        return std::nullopt;
    const QStringView output = QStringView(name).left(at);
    for (int i = 0; i < static_cast<int>(std::size(pointOutputs)); ++i)
        if (output == QLatin1String(pointOutputs[i]))
            return std::pair{i, number.toInt()};
    return std::nullopt;
}

std::optional<QString> keepRunTallies(QSqlDatabase& db, const QString& runId) {
    const auto rows =
        selectRows(db,
                   QStringLiteral("SELECT COALESCE(unit_model, ''), host, started_at, "
                                  "outcome FROM runs WHERE id = ? AND "
                                  "end_state = 'completed'"),
                   {runId});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    for (const Row& row : std::get<Rows>(rows).rows) {
        const QString model = row.value(0).toString(), host = row.value(1).toString(),
                      day = row.value(2).toString().left(10);
        if (auto error = lockGroup(db, model, host, day))
            return error;
        if (auto error = keepGroup(db, model, host, day))
            return error;
        if (auto error = keepRun(db, runId, row.value(3).toString()))
            return error;
    }
    return std::nullopt;
}

std::optional<QString> fillRunTallies(QSqlDatabase& db) {
    const auto groups = selectRows(
        db, QStringLiteral("SELECT DISTINCT COALESCE(unit_model, ''), host, "
                           "substr(started_at, 1, 10) FROM runs WHERE end_state = 'completed'"));
    if (const auto* error = std::get_if<QString>(&groups))
        return *error;
    for (const Row& row : std::get<Rows>(groups).rows)
        if (auto error = keepGroup(db, row.value(0).toString(), row.value(1).toString(),
                                   row.value(2).toString()))
            return error;
    const auto runs =
        selectRows(db, QStringLiteral("SELECT id, outcome FROM runs WHERE end_state = "
                                      "'completed'"));
    if (const auto* error = std::get_if<QString>(&runs))
        return *error;
    for (const Row& row : std::get<Rows>(runs).rows)
        if (auto error = keepRun(db, row.value(0).toString(), row.value(1).toString()))
            return error;
    return std::nullopt;
}

} // namespace velmor::results
