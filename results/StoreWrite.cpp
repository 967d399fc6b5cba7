#include "StoreWrite.h"

#include "Deviation.h"
#include "Sql.h"
#include "StoreRead.h"

#include <QSqlQuery>

#include <array>

namespace velmor::results {

namespace {

// The unit's serial number, model and operator, NULL where not given.
QVariantList unitValues(const UnitIdentity& unit) {
    QVariantList values;
    for (const QString* field : {&unit.serial, &unit.model, &unit.operatorName})
        values << (field->isEmpty() ? QVariant(QMetaType::fromType<QString>()) : *field);
    return values;
}

// One prepared statement per kind of record, prepared once per batch.
class Statements {
public:
    explicit Statements(QSqlDatabase& db) : db_(db) {}

    std::optional<QString> operator()(const SweepBegan& r) {
        return exec(0,
                    "INSERT INTO sweeps (id, started_at, host, port, load_limit1, load_limit2, "
                    "power_limit, map_width, map_height, map_ratio, unit_serial, unit_model, "
                    "operator) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                    "ON CONFLICT DO NOTHING",
                    QVariantList{r.id, r.at, r.host, r.port, r.loadLimit1, r.loadLimit2,
                                 r.powerLimit, r.mapWidth, r.mapHeight, r.mapRatio} +
                        unitValues(r.unit));
    }
    std::optional<QString> operator()(const CellPainted& r) {
        return exec(1,
                    "INSERT INTO sweep_cells (sweep_id, seq, at, cell_row, cell_column, b2, b3, "
                    "b4, k5, k12, cell_class) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                    "ON CONFLICT DO NOTHING",
                    {r.sweepId, r.seq, r.at, r.row, r.column, r.b2, r.b3, r.b4, r.k5, r.k12,
                     cellClass(r.k5, r.k12)});
    }
    std::optional<QString> operator()(const SweepSaved& r) {
        return exec(2,
                    "UPDATE sweeps SET saved_name = ?, bmp_path = ?, csv_path = ?, txt_path = ? "
                    "WHERE id = ?",
                    {r.name, r.bmp, r.csv, r.txt, r.sweepId});
    }
    std::optional<QString> operator()(const SessionBegan& r) {
        return exec(3,
                    "INSERT INTO sessions (id, started_at, host, port, unit_serial, unit_model, "
                    "operator) VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING",
                    QVariantList{r.id, r.at, r.host, r.port} + unitValues(r.unit));
    }
    std::optional<QString> operator()(const TickRead& r) {
        return exec(4,
                    "INSERT INTO session_ticks (session_id, seq, at, b1, b2, b3, b4, load5, "
                    "load12, load33, power, overload) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                    "ON CONFLICT DO NOTHING",
                    {r.sessionId, r.seq, r.at, r.b1, r.b2, r.b3, r.b4, r.load5, r.load12, r.load33,
                     r.power, r.overload ? 1 : 0});
    }
    std::optional<QString> operator()(const SessionEvent& r) {
        return exec(5,
                    "INSERT INTO session_events (session_id, seq, at, kind, detail) VALUES "
                    "(?, ?, ?, ?, ?) ON CONFLICT DO NOTHING",
                    {r.sessionId, r.seq, r.at, r.kind, r.detail});
    }
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
        if (queries_[6]->numRowsAffected() != 1)
            return std::nullopt; // ended before: its summary is kept already
        // The summary the list shows, worked out as the saved summary is. A sweep whose values
        // the bench could not have written keeps none, and is refused when it is read.
        const auto sweep = loadSweep(db_, r.id);
        const auto* stored = std::get_if<StoredSweep>(&sweep);
        if (!stored)
            return std::nullopt;
        const SweepTally tally = tallyOf(*stored);
        return exec(8,
                    "UPDATE sweeps SET cell_count = ?, judged_cells = ?, inside_band = ?, "
                    "verdict = ? WHERE id = ?",
                    {tally.cells, tally.judged, tally.insideBand, tally.verdict, r.id});
    }

    // Whether the last statement failed on its values.
    bool refused() const { return refused_; }

private:
    std::optional<QString> exec(std::size_t slot, const char* statement,
                                const QVariantList& values) {
        std::optional<QSqlQuery>& query = queries_[slot];
        if (!query) {
            query.emplace(db_);
            if (!query->prepare(QString::fromLatin1(statement)))
                return QStringLiteral("%1: cannot prepare %2").arg(describe(db_), statement);
        }
        auto error = run(*query, values);
        refused_ = error && refusesValues(db_, query->lastError());
        return error;
    }

    QSqlDatabase& db_;
    std::array<std::optional<QSqlQuery>, 9> queries_;
    bool refused_ = false;
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
    if (auto error = transaction.commit())
        return StoreFailure{*error};
    return std::nullopt;
}

} // namespace velmor::results
