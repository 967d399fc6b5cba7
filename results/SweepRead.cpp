#include "SweepRead.h"
#include "Text.h"

#include "Calibrations.h"
#include "MapSummary.h"
#include "Printable.h"
#include "RecordRead.h"
#include "Schema.h"
#include "Sql.h"
#include "StoredRows.h"
#include "StoredValues.h"
#include "Verdict.h"

#include <QCoreApplication>

namespace velmor::results {

namespace {

// What the bench can write: the unit's raw bytes and the limits are bytes, the deviation classes
// run from 0 to 20 (100 % off nominal), the sweep's steps from 0 to 127, and the map is at most
// Picture1's 697 × 689 pixels at four device pixels to one.
constexpr int maxClass = 20;
constexpr int maxStep = 127;
constexpr int maxCells = (maxStep + 1) * (maxStep + 1);
constexpr double maxMapRatio = 4;
constexpr int maxMapPixels = 2800;

void readHeader(StoredRow& row, SweepHeader& h) {
    readRecordHeader(row, h);
    h.limits.loadLimit1 = row.number("load_limit1", 0, maxByte);
    h.limits.loadLimit2 = row.number("load_limit2", 0, maxByte);
    h.limits.powerLimit = row.number("power_limit", 0, maxByte);
    // The map's size, which rows have from version 2 on: unknown (0 × 0 at 1) in older ones.
    if (row.has("map_width")) {
        h.mapWidth = row.number("map_width", 0, maxMapPixels);
        h.mapHeight = row.number("map_height", 0, maxMapPixels);
        h.mapRatio = row.real("map_ratio", 0.25, maxMapRatio);
    }
    h.savedName = row.text("saved_name");
    h.bmp = row.text("bmp_path");
    h.csv = row.text("csv_path");
    h.txt = row.text("txt_path");
    if (row.has("calibration")) {
        h.calibration = row.text("calibration");
        h.calibrationWarning = row.text("calibration_warning");
    }
    if (h.endedAt.isEmpty() != h.endState.isEmpty())
        row.refuse(Text::tr("it has an end time without an end state, or the other way round"));
}

std::optional<Failed> readCells(QSqlDatabase& db, StoredSweep& sweep) {
    const SweepHeader& h = sweep.header;
    auto rows =
        selectRows(db,
                   QStringLiteral("SELECT %1 FROM sweep_cells WHERE sweep_id = ? "
                                  "ORDER BY seq LIMIT %2")
                       .arg(boundedColumns(db, u"seq, at, cell_row, cell_column, b2, b3, b4, "
                                               u"k5, k12"))
                       .arg(maxCells + 1),
                   {h.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return queryFailed(*error);
    const Rows& answer = std::get<Rows>(rows);
    const auto& cells = answer.rows;
    if (cells.size() > static_cast<std::size_t>(maxCells))
        return Failed{Text::tr("it has more than %1 cells").arg(maxCells)};
    const StoredColumns columns(answer);
    QString previous = h.startedAt;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        StoredRow row(columns, cells[i]);
        const int seq = row.number("seq", 0, maxCells);
        const QString at = row.time("at");
        MapCell cell;
        cell.row = static_cast<qint16>(row.number("cell_row", 0, maxStep));
        cell.column = static_cast<qint16>(row.number("cell_column", 0, maxStep));
        cell.b2 = static_cast<quint8>(row.number("b2", 0, maxByte));
        cell.b3 = static_cast<quint8>(row.number("b3", 0, maxByte));
        cell.b4 = static_cast<quint8>(row.number("b4", 0, maxByte));
        cell.k5 = static_cast<quint8>(row.number("k5", 0, maxClass));
        cell.k12 = static_cast<quint8>(row.number("k12", 0, maxClass));
        if (seq != static_cast<int>(i))
            row.refuse(Text::tr("its cells are numbered with a gap (%1 where %2 belongs)")
                           .arg(seq)
                           .arg(i));
        if (at < previous || !withinRecord(at, h.startedAt, h.endedAt))
            row.refuse(
                Text::tr("painted at %1, out of order or outside the sweep's times").arg(at));
        if (row.refused())
            return Failed{Text::tr("cell %1: %2").arg(i).arg(row.problem())};
        previous = at;
        sweep.cells.push_back(cell);
    }
    return std::nullopt;
}

} // namespace

SweepTally tallyOf(const StoredSweep& sweep) {
    const MapSummary s = summarize(sweep.cells, sweep.calibration);
    return {s.cells, s.judged, s.insideBand, verdictName(verdictOf(s, sweep.header.completed()))};
}

std::variant<StoredSweep, QString> loadSweep(QSqlDatabase& db, int version, const QString& id) {
    // The columns of the store's schema version, each text bounded.
    QString columns = QStringLiteral("id, started_at, ended_at, end_state, host, port, "
                                     "load_limit1, load_limit2, power_limit, saved_name, "
                                     "bmp_path, csv_path, txt_path");
    if (version >= 2)
        columns += QStringLiteral(", map_width, map_height, map_ratio");
    if (version >= 3)
        columns += QStringLiteral(", unit_serial, unit_model, operator");
    if (version >= 7)
        columns += QStringLiteral(", calibration, calibration_warning");
    StoredSweep sweep;
    if (auto error = readRecordRow(
            db,
            QStringLiteral("SELECT %1 FROM sweeps WHERE id = ?").arg(boundedColumns(db, columns)),
            id, Text::tr("sweep"), Text::tr("no sweep %1").arg(printable(id)),
            [&](StoredRow& row) { readHeader(row, sweep.header); }))
        return *error;
    auto calibration = namedCalibration(db, sweep.header.calibration);
    if (const auto* problem = std::get_if<QString>(&calibration))
        return refusal(Text::tr("sweep"), id, *problem);
    sweep.calibration = std::get<Calibration>(std::move(calibration));
    if (auto failed = readCells(db, sweep))
        return failed->refused ? refusal(Text::tr("sweep"), id, failed->message) : failed->message;
    return sweep;
}

std::variant<std::optional<StoredSweep>, QString>
lastPassedSweep(QSqlDatabase& db, const QString& serial, const SweepLimits& limits) {
    const int version = storedSchemaVersion(db);
    if (version < 3)
        return std::optional<StoredSweep>();
    // The verdict kept in the row narrows the search; rows that ended before it was kept are
    // judged from their cells.
    auto rows = selectRows(db,
                           QStringLiteral("SELECT substr(id, 1, 37) AS id FROM sweeps WHERE "
                                          "unit_serial = ? AND "
                                          "end_state = 'completed' AND load_limit1 = ? AND "
                                          "load_limit2 = ? AND power_limit = ? AND "
                                          "(verdict = 'pass' OR verdict IS NULL) "
                                          "ORDER BY started_at DESC"),
                           {serial, limits.loadLimit1, limits.loadLimit2, limits.powerLimit});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    for (const Row& row : std::get<Rows>(rows).rows) {
        auto sweep = loadSweep(db, version, row.value(0).toString());
        if (const auto* error = std::get_if<QString>(&sweep))
            return *error;
        if (tallyOf(std::get<StoredSweep>(sweep)).verdict == verdictName(Verdict::Pass))
            return std::optional<StoredSweep>(std::get<StoredSweep>(std::move(sweep)));
    }
    return std::optional<StoredSweep>();
}

} // namespace velmor::results
