#include "StoreWrite.h"

#include "Deviation.h"
#include "RunTallies.h"
#include "Schema.h"
#include "Sql.h"
#include "StoreRow.h"
#include "SweepRead.h"

#include <QSqlQuery>

#include <array>
#include <map>

namespace velmor::results {

namespace {

// One prepared statement per kind of record, prepared once per batch.
class Statements {
public:
    explicit Statements(QSqlDatabase& db) : db_(db) {}

    std::optional<QString> operator()(const SweepBegan& r) { return insert(0, r); }
    std::optional<QString> operator()(const CellPainted& r) {
        return counted(sweepCells_, r.sweepId,
                       insert(1, r, QStringLiteral("cell_class"), cellClass(r.k5, r.k12)));
    }
    std::optional<QString> operator()(const SweepSaved& r) {
        return exec(2,
                    "UPDATE sweeps SET saved_name = ?, bmp_path = ?, csv_path = ?, txt_path = ? "
                    "WHERE id = ?",
                    {r.name, r.bmp, r.csv, r.txt, r.sweepId});
    }
    std::optional<QString> operator()(const SessionBegan& r) { return insert(3, r); }
    std::optional<QString> operator()(const TickRead& r) {
        return counted(sessionTicks_, r.sessionId, insert(4, r));
    }
    std::optional<QString> operator()(const SessionEvent& r) { return insert(5, r); }
    std::optional<QString> operator()(const RecordEnded& r) {
        if (!r.sweep)
            return exec(7,
                        "UPDATE sessions SET ended_at = ?, end_state = ?, tick_count = "
                        "(SELECT COUNT(*) FROM session_ticks WHERE session_id = ?) "
                        "WHERE id = ? AND end_state IS NULL",
                        {r.at, r.state, r.id, r.id});
        if (auto error = exec(6,
                              "UPDATE sweeps SET ended_at = ?, end_state = ? "
                              "WHERE id = ? AND end_state IS NULL",
                              {r.at, r.state, r.id}))
            return error;
        if (affected_ != 1)
            return std::nullopt; // ended before: its summary is kept already
        // The summary the list shows, worked out as the saved summary is. A sweep whose values
        // the bench could not have written keeps none, and is refused when it is read.
        const auto sweep = loadSweep(db_, schemaVersion, r.id);
        const auto* stored = std::get_if<StoredSweep>(&sweep);
        if (!stored)
            return std::nullopt;
        const SweepTally tally = tallyOf(*stored);
        return exec(8,
                    "UPDATE sweeps SET cell_count = ?, judged_cells = ?, inside_band = ?, "
                    "verdict = ? WHERE id = ?",
                    {tally.cells, tally.judged, tally.insideBand, tally.verdict, r.id});
    }

    std::optional<QString> operator()(const RunBegan& r) { return insert(9, r); }
    std::optional<QString> operator()(const RunReadingTaken& r) {
        return counted(runReadings_, r.runId, insert(10, r));
    }
    std::optional<QString> operator()(const RunStepEnded& r) { return insert(11, r); }
    std::optional<QString> operator()(const RunMeasurement& r) { return insert(12, r); }
    std::optional<QString> operator()(const RunEnded& r) {
        const auto orNull = [](const QString& text) {
            return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
        };
        if (auto error = exec(13,
                              "UPDATE runs SET ended_at = ?, end_state = ?, outcome = ?, "
                              "failing_step = ?, key_figure = ?, reason = ?, reading_count = "
                              "(SELECT COUNT(*) FROM run_readings WHERE run_id = ?) "
                              "WHERE id = ? AND end_state IS NULL",
                              {r.at, r.state, r.outcome, orNull(r.failingStep), r.keyFigure,
                               orNull(r.reason), r.id, r.id}))
            return error;
        // A long run's picture is drawn from its envelope and the summary from its tallies, kept
        // as it ends (a store of an older version, which a test may write, keeps neither).
        if (affected_ != 1 || storedSchemaVersion(db_) < 8)
            return std::nullopt;
        if (auto error = exec(17, keptEnvelopes(), {}))
            return error;
        return keepRunTallies(db_, r.id);
    }

    // Whether the last statement failed on its values.
    bool refused() const { return refused_; }

    // An open record's count of cells, ticks or readings kept in its row as they are stored, so
    // that a list does not count the rows of every open record (an eight-hour hold's 288,000
    // readings) each time it is asked. The first time a record's count is kept it is counted
    // whole (its earlier rows may have come before counts were kept); an ended record's count
    // was set when it ended.
    std::optional<QString> keepCounts() {
        const struct {
            const std::map<QString, int>& added;
            const char* table;
            const char* column;
            const char* rows;
            const char* key;
        } kinds[] = {{sweepCells_, "sweeps", "cell_count", "sweep_cells", "sweep_id"},
                     {sessionTicks_, "sessions", "tick_count", "session_ticks", "session_id"},
                     {runReadings_, "runs", "reading_count", "run_readings", "run_id"}};
        std::size_t slot = 14;
        for (const auto& kind : kinds) {
            const QString statement =
                QStringLiteral("UPDATE %1 SET %2 = CASE WHEN %2 IS NULL THEN (SELECT COUNT(*) "
                               "FROM %3 WHERE %4 = ?) ELSE %2 + ? END "
                               "WHERE id = ? AND end_state IS NULL")
                    .arg(QLatin1String(kind.table), QLatin1String(kind.column),
                         QLatin1String(kind.rows), QLatin1String(kind.key));
            for (const auto& [id, added] : kind.added)
                if (auto error = exec(slot, statement, {id, added, id}))
                    return error;
            ++slot;
        }
        return std::nullopt;
    }

private:
    // Counts a row the insert added; one already stored (delivered again) adds nothing.
    std::optional<QString> counted(std::map<QString, int>& added, const QString& id,
                                   std::optional<QString> error) {
        if (!error && affected_ == 1)
            ++added[id];
        return error;
    }

    // A record that adds a row, in the columns Records.cpp lists for it, and a column the store
    // works out from its values if there is one.
    std::optional<QString> insert(std::size_t slot, const Record& record,
                                  const QString& workedOut = {}, const QVariant& value = {}) {
        StoreRow row = *storeRow(record);
        if (!workedOut.isEmpty()) {
            row.columns << workedOut;
            row.values << value;
        }
        // The statement is made once per batch, when it is first prepared.
        QString statement;
        if (!queries_[slot])
            statement = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT DO NOTHING")
                            .arg(row.table, row.columns.join(QStringLiteral(", ")),
                                 QStringList(row.columns.size(), QStringLiteral("?"))
                                     .join(QStringLiteral(", ")));
        return exec(slot, statement, row.values);
    }

    std::optional<QString> exec(std::size_t slot, const char* statement,
                                const QVariantList& values) {
        return exec(slot, QString::fromLatin1(statement), values);
    }
    std::optional<QString> exec(std::size_t slot, const QString& statement,
                                const QVariantList& values) {
        std::optional<QSqlQuery>& query = queries_[slot];
        if (!query) {
            query.emplace(db_);
            if (!query->prepare(statement))
                return QStringLiteral("%1: cannot prepare %2").arg(describe(db_), statement);
        }
        auto error = run(*query, values);
        refused_ = error && refusesValues(db_, query->lastError());
        affected_ = error ? 0 : query->numRowsAffected();
        return error;
    }

    QSqlDatabase& db_;
    std::array<std::optional<QSqlQuery>, 18> queries_;
    bool refused_ = false;
    int affected_ = 0; // the rows the last statement added or changed
    std::map<QString, int> sweepCells_, sessionTicks_, runReadings_; // rows added per record
};

} // namespace

std::optional<StoreFailure> storeRecords(QSqlDatabase& db, const std::vector<Record>& records) {
    Statements statements(db); // outlives the transaction: freed only after a rollback
    Transaction transaction(db);
    if (auto error = transaction.begin())
        return StoreFailure{*error};
    for (const Record& record : records)
        if (auto error = std::visit(statements, record))
            return StoreFailure{QStringLiteral("%1: %2").arg(describe(db), *error),
                                statements.refused()};
    if (auto error = statements.keepCounts())
        return StoreFailure{QStringLiteral("%1: %2").arg(describe(db), *error)};
    if (auto error = transaction.commit())
        return StoreFailure{*error};
    return std::nullopt;
}

} // namespace velmor::results
