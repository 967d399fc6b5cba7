#include "Schema.h"

#include "RunTallies.h"
#include "Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QStringList>

#include <array>

namespace velmor::results {

namespace {

// The statements that take version n - 1 to version n. Types are spelt so that both engines
// read them alike; times are ISO 8601 text in UTC.
const std::array<QStringList, schemaVersion> migrations{{
    {
        QStringLiteral("CREATE TABLE sweeps (id TEXT PRIMARY KEY, started_at TEXT NOT NULL, "
                       "ended_at TEXT, end_state TEXT, host TEXT NOT NULL, port TEXT NOT NULL, "
                       "load_limit1 INTEGER NOT NULL, load_limit2 INTEGER NOT NULL, "
                       "power_limit INTEGER NOT NULL, saved_name TEXT, bmp_path TEXT, "
                       "csv_path TEXT, txt_path TEXT)"),
        QStringLiteral("CREATE TABLE sweep_cells (sweep_id TEXT NOT NULL REFERENCES sweeps(id), "
                       "seq INTEGER NOT NULL, at TEXT NOT NULL, cell_row INTEGER NOT NULL, "
                       "cell_column INTEGER NOT NULL, b2 INTEGER NOT NULL, b3 INTEGER NOT NULL, "
                       "b4 INTEGER NOT NULL, k5 INTEGER NOT NULL, k12 INTEGER NOT NULL, "
                       "cell_class INTEGER NOT NULL, PRIMARY KEY (sweep_id, seq))"),
        QStringLiteral("CREATE TABLE sessions (id TEXT PRIMARY KEY, started_at TEXT NOT NULL, "
                       "ended_at TEXT, end_state TEXT, host TEXT NOT NULL, port TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE session_ticks (session_id TEXT NOT NULL REFERENCES "
                       "sessions(id), seq INTEGER NOT NULL, at TEXT NOT NULL, b1 INTEGER NOT NULL, "
                       "b2 INTEGER NOT NULL, b3 INTEGER NOT NULL, b4 INTEGER NOT NULL, "
                       "load5 INTEGER NOT NULL, load12 INTEGER NOT NULL, load33 INTEGER NOT NULL, "
                       "power DOUBLE PRECISION NOT NULL, overload INTEGER NOT NULL, "
                       "PRIMARY KEY (session_id, seq))"),
        QStringLiteral("CREATE TABLE session_events (session_id TEXT NOT NULL REFERENCES "
                       "sessions(id), seq INTEGER NOT NULL, at TEXT NOT NULL, kind TEXT NOT NULL, "
                       "detail TEXT NOT NULL, PRIMARY KEY (session_id, seq))"),
    },
    {
        // The map's size and pixel ratio, so an export draws it pixel for pixel.
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN map_width INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN map_height INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral(
            "ALTER TABLE sweeps ADD COLUMN map_ratio DOUBLE PRECISION NOT NULL DEFAULT 1"),
        QStringLiteral("CREATE INDEX sweeps_started ON sweeps (started_at)"),
        QStringLiteral("CREATE INDEX sessions_started ON sessions (started_at)"),
    },
    {
        // The unit under test and the operator; empty in records made before.
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN unit_serial TEXT"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN unit_model TEXT"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN operator TEXT"),
        QStringLiteral("ALTER TABLE sessions ADD COLUMN unit_serial TEXT"),
        QStringLiteral("ALTER TABLE sessions ADD COLUMN unit_model TEXT"),
        QStringLiteral("ALTER TABLE sessions ADD COLUMN operator TEXT"),
        QStringLiteral("CREATE INDEX sweeps_unit ON sweeps (unit_serial)"),
        QStringLiteral("CREATE INDEX sessions_unit ON sessions (unit_serial)"),
        // Each record's summary, kept in its row when it ends so that a list reads no cells: a
        // sweep's cells, judged cells, those inside the band and its verdict; a session's ticks.
        // NULL while the record is open, and in rows that ended before these columns existed.
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN cell_count INTEGER"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN judged_cells INTEGER"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN inside_band INTEGER"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN verdict TEXT"),
        QStringLiteral("ALTER TABLE sessions ADD COLUMN tick_count INTEGER"),
        QStringLiteral("CREATE INDEX sweeps_verdict ON sweeps (verdict, started_at)"),
    },
    {
        // Plan runs: the plan as it was read, each step's end with its measurements, and every
        // reading with the frame it answers and whether it was judged.
        QStringLiteral("CREATE TABLE runs (id TEXT PRIMARY KEY, started_at TEXT NOT NULL, "
                       "ended_at TEXT, end_state TEXT, host TEXT NOT NULL, port TEXT NOT NULL, "
                       "unit_serial TEXT, unit_model TEXT, operator TEXT, "
                       "plan_name TEXT NOT NULL, plan_file TEXT NOT NULL, "
                       "plan_text TEXT NOT NULL, profile TEXT NOT NULL, outcome TEXT, "
                       "failing_step TEXT, key_figure TEXT)"),
        QStringLiteral("CREATE INDEX runs_started ON runs (started_at)"),
        QStringLiteral("CREATE INDEX runs_unit ON runs (unit_serial)"),
        QStringLiteral("CREATE INDEX runs_outcome ON runs (outcome)"),
        QStringLiteral("CREATE TABLE run_steps (run_id TEXT NOT NULL REFERENCES runs(id), "
                       "seq INTEGER NOT NULL, kind TEXT NOT NULL, name TEXT NOT NULL, "
                       "started_at TEXT NOT NULL, ended_at TEXT NOT NULL, "
                       "outcome TEXT NOT NULL, key_figure TEXT NOT NULL, "
                       "judged INTEGER NOT NULL, unsettled INTEGER NOT NULL, "
                       "PRIMARY KEY (run_id, seq))"),
        QStringLiteral("CREATE TABLE run_measurements (run_id TEXT NOT NULL REFERENCES runs(id), "
                       "step_seq INTEGER NOT NULL, seq INTEGER NOT NULL, name TEXT NOT NULL, "
                       "value DOUBLE PRECISION NOT NULL, unit TEXT NOT NULL, "
                       "low DOUBLE PRECISION, high DOUBLE PRECISION, "
                       "guard_low DOUBLE PRECISION, guard_high DOUBLE PRECISION, "
                       "asked DOUBLE PRECISION, outcome TEXT NOT NULL, "
                       "PRIMARY KEY (run_id, step_seq, seq))"),
        QStringLiteral("CREATE TABLE run_readings (run_id TEXT NOT NULL REFERENCES runs(id), "
                       "seq INTEGER NOT NULL, step_seq INTEGER NOT NULL, at TEXT NOT NULL, "
                       "supply_on INTEGER NOT NULL, load5 INTEGER NOT NULL, "
                       "load12 INTEGER NOT NULL, load33 INTEGER NOT NULL, b1 INTEGER NOT NULL, "
                       "b2 INTEGER NOT NULL, b3 INTEGER NOT NULL, b4 INTEGER NOT NULL, "
                       "settling TEXT NOT NULL, PRIMARY KEY (run_id, seq))"),
    },
    {
        // A run's readings counted once as it ends, as a session's ticks are, so that a list of
        // runs does not count them all again; the counts of the runs already ended.
        QStringLiteral("ALTER TABLE runs ADD COLUMN reading_count INTEGER"),
        QStringLiteral("UPDATE runs SET reading_count = (SELECT COUNT(*) FROM run_readings r "
                       "WHERE r.run_id = runs.id) WHERE end_state IS NOT NULL"),
        // A unit's history in the order it is shown, without sorting its runs.
        QStringLiteral("CREATE INDEX runs_unit_started ON runs (unit_serial, started_at, id)"),
    },
    {
        // What decided a run or a step that did not pass, in the bench's language-free form;
        // NULL in runs stored before.
        QStringLiteral("ALTER TABLE runs ADD COLUMN reason TEXT"),
        QStringLiteral("ALTER TABLE run_steps ADD COLUMN reason TEXT"),
    },
    {
        // Calibrations of the bench's unit, kept for good, and what each run and sweep was judged
        // with: a calibration's id or "uncalibrated", and a warning where it was overdue or
        // missing; NULL in records stored before.
        QStringLiteral("CREATE TABLE calibrations (id TEXT PRIMARY KEY, made_at TEXT NOT NULL, "
                       "due TEXT NOT NULL, host TEXT NOT NULL, port TEXT NOT NULL, unit TEXT, "
                       "operator TEXT, meter TEXT, certificate TEXT, "
                       "accuracy_percent DOUBLE PRECISION NOT NULL, "
                       "accuracy_volts DOUBLE PRECISION NOT NULL, "
                       "gain5 DOUBLE PRECISION NOT NULL, offset5 DOUBLE PRECISION NOT NULL, "
                       "error5 DOUBLE PRECISION NOT NULL, gain12 DOUBLE PRECISION NOT NULL, "
                       "offset12 DOUBLE PRECISION NOT NULL, error12 DOUBLE PRECISION NOT NULL, "
                       "gain33 DOUBLE PRECISION NOT NULL, offset33 DOUBLE PRECISION NOT NULL, "
                       "error33 DOUBLE PRECISION NOT NULL)"),
        QStringLiteral("CREATE INDEX calibrations_host ON calibrations (host, made_at)"),
        QStringLiteral("CREATE TABLE calibration_points (calibration_id TEXT NOT NULL "
                       "REFERENCES calibrations(id), seq INTEGER NOT NULL, input TEXT NOT NULL, "
                       "raw_mean DOUBLE PRECISION NOT NULL, raw_spread DOUBLE PRECISION NOT NULL, "
                       "meter DOUBLE PRECISION NOT NULL, residual DOUBLE PRECISION NOT NULL, "
                       "PRIMARY KEY (calibration_id, seq))"),
        QStringLiteral("ALTER TABLE runs ADD COLUMN calibration TEXT"),
        QStringLiteral("ALTER TABLE runs ADD COLUMN calibration_warning TEXT"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN calibration TEXT"),
        QStringLiteral("ALTER TABLE sweeps ADD COLUMN calibration_warning TEXT"),
        QStringLiteral("ALTER TABLE run_measurements ADD COLUMN uncertainty DOUBLE PRECISION"),
    },
    {
        // A control chart's values found by their name, and read from the index alone, rather
        // than by reading every measurement of every run.
        QStringLiteral("CREATE INDEX run_measurements_name ON run_measurements (name, run_id, "
                       "step_seq, seq, value, unit, low, high)"),
        // A long run's readings kept as an envelope when it ends, so that its picture reads a few
        // thousand rows rather than an eight-hour hold's 288,000: its readings cut into at most
        // 4,096 slots of consecutive readings, and in each slot, for each step and settling, the
        // first and last time, the lowest and highest load settings and bytes (volts rise with
        // their byte), and whether the supply was on. A dip or a spike of a single reading stays
        // in its slot's lowest or highest byte, and a byte at an end of the unit's range stays
        // that byte.
        QStringLiteral("CREATE TABLE run_envelopes (run_id TEXT NOT NULL REFERENCES runs(id), "
                       "slot INTEGER NOT NULL, step_seq INTEGER NOT NULL, "
                       "settling TEXT NOT NULL, readings INTEGER NOT NULL, "
                       "first_at TEXT NOT NULL, last_at TEXT NOT NULL, "
                       "low_supply_on INTEGER NOT NULL, high_supply_on INTEGER NOT NULL, "
                       "low_load5 INTEGER NOT NULL, high_load5 INTEGER NOT NULL, "
                       "low_load12 INTEGER NOT NULL, high_load12 INTEGER NOT NULL, "
                       "low_load33 INTEGER NOT NULL, high_load33 INTEGER NOT NULL, "
                       "low_b1 INTEGER NOT NULL, high_b1 INTEGER NOT NULL, "
                       "low_b2 INTEGER NOT NULL, high_b2 INTEGER NOT NULL, "
                       "low_b3 INTEGER NOT NULL, high_b3 INTEGER NOT NULL, "
                       "low_b4 INTEGER NOT NULL, high_b4 INTEGER NOT NULL, "
                       "PRIMARY KEY (run_id, slot, step_seq, settling))"),
        QStringLiteral("CREATE INDEX runs_reading_count ON runs (reading_count)"),
        // The summary's figures, kept as each run ends (RunTallies.h); filled for the runs stored
        // before by fillRunTallies once these statements have run.
        QStringLiteral("CREATE TABLE run_tallies (unit_model TEXT NOT NULL, host TEXT NOT NULL, "
                       "day TEXT NOT NULL, runs INTEGER NOT NULL, passed INTEGER NOT NULL, "
                       "units INTEGER NOT NULL, first_passed INTEGER NOT NULL, "
                       "PRIMARY KEY (unit_model, host, day))"),
        QStringLiteral("CREATE TABLE step_fail_tallies (unit_model TEXT NOT NULL, "
                       "host TEXT NOT NULL, day TEXT NOT NULL, step TEXT NOT NULL, "
                       "fails INTEGER NOT NULL, PRIMARY KEY (unit_model, host, day, step))"),
        QStringLiteral("CREATE TABLE point_tallies (unit_model TEXT NOT NULL, "
                       "plan_name TEXT NOT NULL, step TEXT NOT NULL, measured TEXT NOT NULL, "
                       "low DOUBLE PRECISION NOT NULL, high DOUBLE PRECISION NOT NULL, "
                       "step_seq INTEGER NOT NULL, values_count INTEGER NOT NULL, "
                       "mean DOUBLE PRECISION NOT NULL, squares DOUBLE PRECISION NOT NULL, "
                       "PRIMARY KEY (unit_model, plan_name, step, measured, low, high))"),
        QStringLiteral("CREATE TABLE tally_refusals (run_id TEXT NOT NULL REFERENCES runs(id), "
                       "what TEXT NOT NULL, PRIMARY KEY (run_id, what))"),
        // Every ended run of more than 8,192 readings that has no envelope yet: here the runs
        // stored before, and the same statement as each run ends (keptEnvelopes()).
        QStringLiteral("INSERT INTO run_envelopes SELECT d.run_id, d.seq / e.per, d.step_seq, "
                       "d.settling, COUNT(*), MIN(d.at), MAX(d.at), MIN(d.supply_on), "
                       "MAX(d.supply_on), MIN(d.load5), MAX(d.load5), MIN(d.load12), "
                       "MAX(d.load12), MIN(d.load33), MAX(d.load33), MIN(d.b1), MAX(d.b1), "
                       "MIN(d.b2), MAX(d.b2), MIN(d.b3), MAX(d.b3), MIN(d.b4), MAX(d.b4) "
                       "FROM run_readings d JOIN (SELECT id, 1 + reading_count / 4096 AS per "
                       "FROM runs WHERE reading_count > 8192 AND end_state IS NOT NULL AND "
                       "NOT EXISTS (SELECT 1 FROM run_envelopes k WHERE k.run_id = runs.id)) e "
                       "ON e.id = d.run_id WHERE d.seq >= 0 "
                       "GROUP BY d.run_id, d.seq / e.per, d.step_seq, d.settling"),
    },
}};

} // namespace

QString keptEnvelopes() {
    for (const QString& statement : migrations.back())
        if (statement.startsWith(QLatin1String("INSERT INTO run_envelopes")))
            return statement;
    return {};
}

qint64 storedSchemaVersion(const QSqlDatabase& db) {
    if (!hasTable(db, QStringLiteral("schema_version")))
        return 0;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

QString unknownSchemaRefused(const QSqlDatabase& db, qint64 stored) {
    if (stored < 0)
        return QCoreApplication::translate(
                   "results", "The results database %1 has schema version %2, which no velmor-test "
                              "ever wrote; it is left as it is.")
            .arg(describe(db))
            .arg(stored);
    return QCoreApplication::translate(
               "results",
               "The results database %1 has schema version %2, newer than this program "
               "knows (%3); it is left as it is. Use a newer velmor-test or another database.")
        .arg(describe(db))
        .arg(stored)
        .arg(schemaVersion);
}

std::optional<QString> prepareSchema(QSqlDatabase& db, int target) {
    Transaction transaction(db);
    if (auto error = transaction.begin())
        return error;
    // Two benches starting together on one server: the second waits for the first's schema.
    if (isPostgres(db))
        if (auto error = run(db, QStringLiteral("SELECT pg_advisory_xact_lock(7219460)")))
            return error;
    // Checked before the version indexes the migrations.
    const qint64 stored = storedSchemaVersion(db);
    if (stored < 0 || stored > schemaVersion)
        return unknownSchemaRefused(db, stored);
    if (stored >= target)
        return std::nullopt;
    if (stored == 0)
        if (auto error = run(db, QStringLiteral("CREATE TABLE schema_version (version INTEGER "
                                                "NOT NULL)")))
            return error;
    for (auto version = static_cast<int>(stored) + 1; version <= target; ++version)
        for (const QString& statement : migrations[static_cast<std::size_t>(version - 1)])
            if (auto error = run(db, statement))
                return error;
    if (stored < 8 && target >= 8)
        if (auto error = fillRunTallies(db))
            return error;
    if (auto error = run(db, QStringLiteral("DELETE FROM schema_version")))
        return error;
    if (auto error =
            run(db, QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(target)))
        return error;
    return transaction.commit();
}

} // namespace velmor::results
