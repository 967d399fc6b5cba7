#include "StoreRead.h"
#include "Text.h"

#include "Calibrations.h"
#include "MapSummary.h"
#include "Printable.h"
#include "RunRead.h"
#include "Schema.h"
#include "Sql.h"
#include "StoredRows.h"
#include "StoredValues.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <limits>
#include <tuple>

namespace velmor::results {

namespace {

// What the bench can write: the unit's raw bytes and the limits are bytes, the deviation classes
// run from 0 to 20 (100 % off nominal), the sweep's steps from 0 to 127, and the map is at most
// Picture1's 697 × 689 pixels at four device pixels to one.
constexpr int maxByte = 255;
constexpr int maxClass = 20;
constexpr int maxStep = 127;
constexpr int maxCells = (maxStep + 1) * (maxStep + 1);
constexpr double maxMapRatio = 4;
constexpr int maxMapPixels = 2800;
constexpr double maxPowerWatts = 10000;

// The unit under test, its model and the operator, which rows have from version 3 on; empty in
// older ones.
UnitIdentity unitOf(StoredRow& row) {
    return {row.text("unit_serial"), row.text("unit_model"), row.text("operator")};
}

// The unit and model a list asks for match exactly, as a barcode reads them, not as a pattern.
void matchUnit(int version, const ListFilter& filter, QString& statement, QVariantList& values) {
    for (const auto& [column, value] :
         {std::pair{"unit_serial", &filter.unit}, std::pair{"unit_model", &filter.model},
          std::pair{"operator", &filter.operatorName}})
        if (!value->isEmpty()) {
            // A store from before units were recorded holds none of them.
            statement += version >= 3 ? QStringLiteral(" AND %1 = ?").arg(QLatin1String(column))
                                      : QStringLiteral(" AND 1 = 0");
            if (version >= 3)
                values << *value;
        }
    for (const auto& [condition, value] : {std::pair{" AND host = ?", &filter.host},
                                           std::pair{" AND started_at < ?", &filter.before}})
        if (!value->isEmpty()) {
            statement += QLatin1String(condition);
            values << *value;
        }
}

// Why a record could not be read: the store failed, or a value breaks what the bench writes.
struct Failed {
    QString message;
    bool refused = true;
};

std::optional<Failed> queryFailed(const QString& error) {
    return Failed{error, false};
}

void readHeader(StoredRow& row, SweepHeader& h) {
    h.id = row.id("id");
    h.startedAt = row.time("started_at");
    h.endedAt = row.time("ended_at", true);
    h.endState = row.state("end_state");
    h.host = row.text("host");
    h.port = row.text("port");
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
    h.unit = unitOf(row);
    if (row.has("calibration")) {
        h.calibration = row.text("calibration");
        h.calibrationWarning = row.text("calibration_warning");
    }
    if (!h.endedAt.isEmpty() && h.endedAt < h.startedAt)
        row.refuse(Text::tr("it ended (%1) before it started (%2)").arg(h.endedAt, h.startedAt));
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

std::optional<Failed> readTicks(QSqlDatabase& db, StoredSession& session) {
    auto rows = selectRows(db,
                           QStringLiteral("SELECT %1 FROM session_ticks WHERE session_id = ? "
                                          "ORDER BY seq")
                               .arg(boundedColumns(db, u"seq, at, b1, b2, b3, b4, load5, load12, "
                                                       u"load33, power, overload")),
                           {session.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return queryFailed(*error);
    QString previous = session.startedAt;
    const Rows& answer = std::get<Rows>(rows);
    const StoredColumns columns(answer);
    for (std::size_t i = 0; i < answer.rows.size(); ++i) {
        StoredRow row(columns, answer.rows[i]);
        const int seq = row.number("seq", 0, std::numeric_limits<int>::max());
        StoredTick t;
        t.at = row.time("at");
        t.b1 = row.number("b1", 0, maxByte);
        t.b2 = row.number("b2", 0, maxByte);
        t.b3 = row.number("b3", 0, maxByte);
        t.b4 = row.number("b4", 0, maxByte);
        t.load5 = row.number("load5", 0, maxByte);
        t.load12 = row.number("load12", 0, maxByte);
        t.load33 = row.number("load33", 0, maxByte);
        t.power = row.real("power", 0, maxPowerWatts);
        t.overload = row.number("overload", 0, 1) != 0;
        if (seq != static_cast<int>(i))
            row.refuse(Text::tr("its readings are numbered with a gap (%1 where %2 belongs)")
                           .arg(seq)
                           .arg(i));
        if (t.at < previous || !withinRecord(t.at, session.startedAt, session.endedAt))
            row.refuse(Text::tr("it was read at %1, out of order or outside the session's times")
                           .arg(t.at));
        if (row.refused())
            return Failed{Text::tr("reading %1: %2").arg(i).arg(row.problem())};
        previous = t.at;
        session.ticks.push_back(t);
    }
    return std::nullopt;
}

std::optional<Failed> readEvents(QSqlDatabase& db, StoredSession& session) {
    auto rows = selectRows(db,
                           QStringLiteral("SELECT %1 FROM session_events WHERE session_id = ? "
                                          "ORDER BY seq")
                               .arg(boundedColumns(db, u"seq, at, kind, detail")),
                           {session.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return queryFailed(*error);
    static const QStringList kinds{QStringLiteral("clamp"), QStringLiteral("overload-cut"),
                                   QStringLiteral("link-lost"), QStringLiteral("link-back")};
    const Rows& answer = std::get<Rows>(rows);
    const StoredColumns columns(answer);
    for (std::size_t i = 0; i < answer.rows.size(); ++i) {
        StoredRow row(columns, answer.rows[i]);
        const int seq = row.number("seq", 0, std::numeric_limits<int>::max());
        StoredEvent e;
        e.at = row.time("at");
        e.kind = row.text("kind");
        e.detail = row.text("detail");
        if (seq != static_cast<int>(i))
            row.refuse(Text::tr("its events are numbered with a gap"));
        if (!kinds.contains(e.kind))
            row.refuse(Text::tr("kind \"%1\" is not one the bench writes")
                           .arg(printable(e.kind.left(40))));
        if (!withinRecord(e.at, session.startedAt, session.endedAt))
            row.refuse(Text::tr("it happened at %1, outside the session's times").arg(e.at));
        if (row.refused())
            return Failed{Text::tr("event %1: %2").arg(i).arg(row.problem())};
        session.events.push_back(e);
    }
    return std::nullopt;
}

// The "SELECT …" of a list of sweeps or sessions: the columns of its own, the count of cells or
// ticks (kept in the row from version 3 on, counted while it is open or in an older store) and
// the columns version 3 added.
QString listedColumns(const QSqlDatabase& db, int version, QStringView own, const char* kept,
                      const QString& counted, QStringView fromVersion3) {
    return QStringLiteral("SELECT %1, %2")
        .arg(boundedColumns(db, own),
             version >= 3 ? QStringLiteral("COALESCE(%1, %2) AS count, %3")
                                .arg(QLatin1String(kept), counted, boundedColumns(db, fromVersion3))
                          : counted + QStringLiteral(" AS count"));
}

// What a list's line shows alike of a sweep and a session.
Listed listedOf(const QString& id, bool sweep, StoredRow& row) {
    Listed l;
    l.id = id;
    l.sweep = sweep;
    l.startedAt = row.time("started_at");
    l.endState = row.state("end_state");
    l.host = row.text("host");
    l.unit = row.text("unit_serial");
    return l;
}

// A stored summary as the list reads it: the count, and the verdict when it was kept.
struct StoredTally {
    int count = 0;
    std::optional<QString> verdict;
};

// The cells a sweep's row counts and its verdict where it was kept (a verdict column the answer
// lacks reads as none kept); a verdict the bench does not write refuses the row.
StoredTally readTally(StoredRow& row) {
    StoredTally tally;
    tally.count = row.number("count", 0, std::numeric_limits<int>::max());
    if (row.null("verdict"))
        return tally;
    const QString verdict = row.text("verdict");
    if (verdictNamed(verdict))
        tally.verdict = verdict;
    else
        row.refuse(Text::tr("verdict \"%1\" is not one the bench writes")
                       .arg(printable(verdict.left(40))));
    return tally;
}

std::optional<QString> listSweeps(QSqlDatabase& db, int version, const ListFilter& filter,
                                  Listing& listing) {
    // The count and verdict kept in the row; the cells counted while it is open or when it ended
    // before rows kept them.
    const QString counted =
        QStringLiteral("(SELECT COUNT(*) FROM sweep_cells c WHERE c.sweep_id = sweeps.id)");
    QString rows = QStringLiteral(" FROM sweeps WHERE started_at >= ?");
    QVariantList values{filter.since};
    matchUnit(version, filter, rows, values);
    if (version >= 3 && !filter.verdict.isEmpty()) {
        rows += QStringLiteral(" AND (verdict = ? OR verdict IS NULL)");
        values << filter.verdict;
    }
    QString statement = listedColumns(db, version, u"id, started_at, end_state, host, saved_name",
                                      "cell_count", counted, u"verdict, unit_serial") +
                        rows;
    if (auto error =
            newestFirst(db, "sweeps", filter, !filter.name.isEmpty() || !filter.verdict.isEmpty(),
                        rows, statement, values, listing))
        return error;
    std::vector<Listed> unsummed; // completed before rows kept their summary
    auto error = eachStoredRow(db, statement, values, {Text::tr("sweep")}, listing.refused,
                               [&](const QString& id, StoredRow& row) {
                                   Listed l = listedOf(id, true, row);
                                   l.name = row.text("saved_name");
                                   const StoredTally tally = readTally(row);
                                   if (row.refused())
                                       return;
                                   if (!filter.name.isEmpty() &&
                                       !l.name.contains(filter.name, Qt::CaseInsensitive))
                                       return;
                                   l.count = tally.count;
                                   if (tally.verdict)
                                       l.verdict = *tally.verdict;
                                   else if (l.endState != QLatin1String("completed"))
                                       l.verdict = verdictName(Verdict::Incomplete);
                                   else {
                                       unsummed.push_back(std::move(l));
                                       return;
                                   }
                                   if (filter.verdict.isEmpty() || filter.verdict == l.verdict)
                                       listing.add(std::move(l));
                               });
    if (error)
        return error;
    // Their verdicts worked out from their cells, once the list's query is done with.
    for (Listed& l : unsummed) {
        auto sweep = loadSweep(db, version, l.id);
        if (const auto* error = std::get_if<QString>(&sweep)) {
            listing.refused << *error;
            continue;
        }
        l.verdict = tallyOf(std::get<StoredSweep>(sweep)).verdict;
        if (filter.verdict.isEmpty() || filter.verdict == l.verdict)
            listing.add(std::move(l));
    }
    return std::nullopt;
}

std::optional<QString> listSessions(QSqlDatabase& db, int version, const ListFilter& filter,
                                    Listing& listing) {
    const QString counted =
        QStringLiteral("(SELECT COUNT(*) FROM session_ticks t WHERE t.session_id = sessions.id)");
    QString rows = QStringLiteral(" FROM sessions WHERE started_at >= ?");
    QVariantList values{filter.since};
    matchUnit(version, filter, rows, values);
    QString statement = listedColumns(db, version, u"id, started_at, end_state, host", "tick_count",
                                      counted, u"unit_serial") +
                        rows;
    if (auto error = newestFirst(db, "sessions", filter, false, rows, statement, values, listing))
        return error;
    return eachStoredRow(db, statement, values, {Text::tr("session")}, listing.refused,
                         [&](const QString& id, StoredRow& row) {
                             Listed l = listedOf(id, false, row);
                             l.count = row.number("count", 0, std::numeric_limits<int>::max());
                             if (!row.refused())
                                 listing.add(std::move(l));
                         });
}

} // namespace

std::optional<QString> newestFirst(QSqlDatabase& db, const char* table, const ListFilter& filter,
                                   bool filteredAfter, const QString& rows, QString& statement,
                                   const QVariantList& values, Listing& listing) {
    if (filter.first <= 0 || filteredAfter)
        return std::nullopt;
    if (filter.countRest) {
        // What the limit leaves unread, counted by the server, so that the list can say how many
        // more there are without reading them. Counted over the whole list's statement, every
        // row's sub-counts of cells or readings cost PostgreSQL 150 to 340 ms over 100,000.
        auto counted = selectRows(db, QStringLiteral("SELECT COUNT(*)") + rows, values);
        if (const auto* error = std::get_if<QString>(&counted))
            return *error;
        const Rows& answer = std::get<Rows>(counted);
        if (!answer.rows.empty())
            listing.unread +=
                std::max<qint64>(0, answer.rows.front().value(0).toLongLong() - filter.first);
    }
    // The table's own columns: the bounded ones the query returns under the same names are
    // expressions, and ordered by those the engine would read and sort every row to keep n.
    statement += QStringLiteral(" ORDER BY %1.started_at DESC, %1.id DESC LIMIT %2")
                     .arg(QLatin1String(table))
                     .arg(filter.first);
    return std::nullopt;
}

SweepTally tallyOf(const StoredSweep& sweep) {
    const MapSummary s = summarize(sweep.cells, sweep.calibration);
    return {s.cells, s.judged, s.insideBand, verdictName(verdictOf(s, sweep.header.completed()))};
}

void Listing::add(Listed&& record) {
    if (each)
        each(std::move(record));
    else
        records.push_back(std::move(record));
}

bool listsBefore(QStringView started, QStringView id, QStringView otherStarted,
                 QStringView otherId) {
    const int c = started.compare(otherStarted);
    return c != 0 ? c > 0 : id > otherId;
}

std::variant<Listing, QString> listRecords(QSqlDatabase& db, int version, const ListFilter& filter,
                                           const std::function<void(Listed&&)>& each) {
    Listing listing;
    listing.each = each;
    const auto listed = [&](const char* kind) {
        return filter.kind.isEmpty() || filter.kind == QLatin1String(kind);
    };
    if (listed("sweep"))
        if (auto error = listSweeps(db, version, filter, listing))
            return *error;
    // Sessions carry no name or verdict; those filters leave them out.
    if (listed("session") && filter.name.isEmpty() && filter.verdict.isEmpty())
        if (auto error = listSessions(db, version, filter, listing))
            return *error;
    if (listed("run"))
        if (auto error = listRuns(db, version, filter, listing))
            return *error;
    // Whatever order the engine returned them in.
    std::sort(listing.records.begin(), listing.records.end(), [](const Listed& a, const Listed& b) {
        return listsBefore(a.startedAt, a.id, b.startedAt, b.id);
    });
    if (filter.first > 0 && listing.records.size() > static_cast<std::size_t>(filter.first)) {
        if (filter.countRest)
            listing.unread += static_cast<qint64>(listing.records.size()) - filter.first;
        listing.records.resize(static_cast<std::size_t>(filter.first));
    }
    return listing;
}

std::variant<std::vector<FoundRecord>, QString> recordsStartingWith(QSqlDatabase& db,
                                                                    const QString& prefix) {
    if (prefix.size() < 4)
        return Text::tr("\"%1\": give at least 4 characters of the id").arg(printable(prefix));
    const bool hex = std::all_of(prefix.begin(), prefix.end(), [](QChar c) {
        return std::isxdigit(c.unicode() < 0x80 ? c.toLatin1() : 'x') || c == QLatin1Char('-');
    });
    if (!hex || prefix.size() > 36)
        return Text::tr("\"%1\" is no id: an id is up to 36 hex digits and dashes")
            .arg(printable(prefix));
    std::vector<FoundRecord> found;
    // A store from before plan runs has no table of them.
    const bool runs = hasTable(db, QStringLiteral("runs"));
    for (const auto& [table, kind] :
         {std::pair{"sweeps", RecordKind::Sweep}, std::pair{"sessions", RecordKind::Session},
          std::pair{"runs", RecordKind::Run}}) {
        if (kind == RecordKind::Run && !runs)
            continue;
        // A whole id is looked up in the key's index, which a LIKE cannot use. Ids are the
        // bench's, at most 36 characters; a longer one is none of its records.
        const bool whole = prefix.size() == 36;
        auto rows = selectRows(
            db,
            QStringLiteral("SELECT id FROM %1 WHERE %2 AND length(id) <= 36 "
                           "ORDER BY id LIMIT 100")
                .arg(QLatin1String(table),
                     whole ? QStringLiteral("id = ?") : QStringLiteral("id LIKE ? ESCAPE '!'")),
            {whole ? prefix.toLower() : likePrefix(prefix.toLower())});
        if (const auto* error = std::get_if<QString>(&rows))
            return *error;
        for (const Row& row : std::get<Rows>(rows).rows)
            found.push_back({row.value(0).toString(), kind});
    }
    return found;
}

std::variant<FoundRecord, QString> findRecord(QSqlDatabase& db, const QString& prefix) {
    auto starting = recordsStartingWith(db, prefix);
    if (const auto* error = std::get_if<QString>(&starting))
        return *error;
    const auto& found = std::get<std::vector<FoundRecord>>(starting);
    if (found.empty())
        return Text::tr("no record has an id starting with \"%1\"").arg(prefix);
    if (found.size() > 1)
        return Text::tr("\"%1\" is ambiguous: %2 records have ids starting with it; give more "
                        "characters")
            .arg(prefix)
            .arg(found.size());
    return found.front();
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

std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, int version, const QString& id) {
    const QString columns =
        QStringLiteral("id, started_at, ended_at, end_state, host, port%1")
            .arg(version >= 3 ? QStringLiteral(", unit_serial, unit_model, operator") : QString());
    StoredSession session;
    if (auto error = readRecordRow(
            db,
            QStringLiteral("SELECT %1 FROM sessions WHERE id = ?").arg(boundedColumns(db, columns)),
            id, Text::tr("session"), Text::tr("no session %1").arg(printable(id)),
            [&](StoredRow& row) {
                session.id = row.id("id");
                session.startedAt = row.time("started_at");
                session.endedAt = row.time("ended_at", true);
                session.endState = row.state("end_state");
                session.host = row.text("host");
                session.port = row.text("port");
                session.unit = unitOf(row);
                if (!session.endedAt.isEmpty() && session.endedAt < session.startedAt)
                    row.refuse(Text::tr("it ended (%1) before it started (%2)")
                                   .arg(session.endedAt, session.startedAt));
            }))
        return *error;
    for (const auto read : {readTicks, readEvents})
        if (auto failed = read(db, session))
            return failed->refused ? refusal(Text::tr("session"), id, failed->message)
                                   : failed->message;
    return session;
}

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
