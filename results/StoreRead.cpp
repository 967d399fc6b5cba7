#include "StoreRead.h"
#include "Text.h"

#include "Printable.h"
#include "Schema.h"
#include "Sql.h"
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

// The unit under test, its model and the operator: NULL before version 3.
QString unitColumns(int version) {
    return version >= 3 ? QStringLiteral("unit_serial, unit_model, operator")
                        : QStringLiteral("NULL, NULL, NULL");
}

UnitIdentity unitAt(StoredValues& v, int column) {
    return {v.text(column), v.text(column + 1), v.text(column + 2)};
}

// The unit and model a list asks for match exactly, as a barcode reads them, not as a pattern.
void matchUnit(int version, const ListFilter& filter, QString& statement, QVariantList& values) {
    for (const auto& [column, value] :
         {std::pair{"unit_serial", &filter.unit}, std::pair{"unit_model", &filter.model}})
        if (!value->isEmpty()) {
            // A store from before units were recorded holds none of them.
            statement += version >= 3 ? QStringLiteral(" AND %1 = ?").arg(QLatin1String(column))
                                      : QStringLiteral(" AND 1 = 0");
            if (version >= 3)
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

QString refusal(const QString& kind, const QString& id, const QString& problem) {
    return Text::tr("%1 %2 is refused: %3 (not a value the bench writes; the record is not read)")
        .arg(kind, printable(id), problem);
}

// The columns a schema version has: the map's size from version 2, the summaries and the unit
// under test from 3.
QString sweepColumns(int version) {
    return QStringLiteral("id, started_at, ended_at, end_state, host, port, load_limit1, "
                          "load_limit2, power_limit, %1, saved_name, bmp_path, csv_path, txt_path, "
                          "%2")
        .arg(version >= 2 ? QStringLiteral("map_width, map_height, map_ratio")
                          : QStringLiteral("0, 0, 1"),
             unitColumns(version));
}

std::optional<QString> readHeader(const Row& row, SweepHeader& h) {
    QString problem;
    StoredValues v(row, &problem);
    h.id = v.id(0);
    h.startedAt = v.time(1, "started_at");
    h.endedAt = v.time(2, "ended_at", true);
    h.endState = v.state(3);
    h.host = v.text(4);
    h.port = v.text(5);
    h.limits = {v.number(6, "load_limit1", 0, maxByte), v.number(7, "load_limit2", 0, maxByte),
                v.number(8, "power_limit", 0, maxByte)};
    h.mapWidth = v.number(9, "map_width", 0, maxMapPixels);
    h.mapHeight = v.number(10, "map_height", 0, maxMapPixels);
    h.mapRatio = v.real(11, "map_ratio", 0.25, maxMapRatio);
    h.savedName = v.text(12);
    h.bmp = v.text(13);
    h.csv = v.text(14);
    h.txt = v.text(15);
    h.unit = unitAt(v, 16);
    if (problem.isEmpty() && !h.endedAt.isEmpty() && h.endedAt < h.startedAt)
        problem = Text::tr("it ended (%1) before it started (%2)").arg(h.endedAt, h.startedAt);
    if (problem.isEmpty() && h.endedAt.isEmpty() != h.endState.isEmpty())
        problem = Text::tr("it has an end time without an end state, or the other way round");
    return problem.isEmpty() ? std::nullopt : std::optional(problem);
}

std::optional<Failed> readCells(QSqlDatabase& db, StoredSweep& sweep) {
    const SweepHeader& h = sweep.header;
    auto rows = selectRows(db,
                           QStringLiteral("SELECT seq, at, cell_row, cell_column, b2, b3, b4, k5, "
                                          "k12 FROM sweep_cells WHERE sweep_id = ? ORDER BY seq "
                                          "LIMIT %1")
                               .arg(maxCells + 1),
                           {h.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return queryFailed(*error);
    const auto& cells = std::get<std::vector<Row>>(rows);
    if (cells.size() > static_cast<std::size_t>(maxCells))
        return Failed{Text::tr("it has more than %1 cells").arg(maxCells)};
    QString problem;
    QString previous = h.startedAt;
    for (std::size_t i = 0; i < cells.size() && problem.isEmpty(); ++i) {
        StoredValues v(cells[i], &problem);
        const int seq = v.number(0, "seq", 0, maxCells);
        const QString at = v.time(1, "at");
        MapCell cell;
        cell.row = static_cast<qint16>(v.number(2, "cell_row", 0, maxStep));
        cell.column = static_cast<qint16>(v.number(3, "cell_column", 0, maxStep));
        cell.b2 = static_cast<quint8>(v.number(4, "b2", 0, maxByte));
        cell.b3 = static_cast<quint8>(v.number(5, "b3", 0, maxByte));
        cell.b4 = static_cast<quint8>(v.number(6, "b4", 0, maxByte));
        cell.k5 = static_cast<quint8>(v.number(7, "k5", 0, maxClass));
        cell.k12 = static_cast<quint8>(v.number(8, "k12", 0, maxClass));
        if (problem.isEmpty() && seq != static_cast<int>(i))
            problem =
                Text::tr("its cells are numbered with a gap (%1 where %2 belongs)").arg(seq).arg(i);
        if (problem.isEmpty() && (at < previous || !withinRecord(at, h.startedAt, h.endedAt)))
            problem = Text::tr("painted at %1, out of order or outside the sweep's times").arg(at);
        if (!problem.isEmpty())
            return Failed{Text::tr("cell %1: %2").arg(i).arg(problem)};
        previous = at;
        sweep.cells.push_back(cell);
    }
    return std::nullopt;
}

std::optional<Failed> readTicks(QSqlDatabase& db, StoredSession& session) {
    auto rows = selectRows(db,
                           QStringLiteral("SELECT seq, at, b1, b2, b3, b4, load5, load12, load33, "
                                          "power, overload FROM session_ticks "
                                          "WHERE session_id = ? ORDER BY seq"),
                           {session.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return queryFailed(*error);
    QString problem;
    QString previous = session.startedAt;
    const auto& ticks = std::get<std::vector<Row>>(rows);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        StoredValues v(ticks[i], &problem);
        const int seq = v.number(0, "seq", 0, std::numeric_limits<int>::max());
        StoredTick t{v.time(1, "at"),
                     v.number(2, "b1", 0, maxByte),
                     v.number(3, "b2", 0, maxByte),
                     v.number(4, "b3", 0, maxByte),
                     v.number(5, "b4", 0, maxByte),
                     v.number(6, "load5", 0, maxByte),
                     v.number(7, "load12", 0, maxByte),
                     v.number(8, "load33", 0, maxByte),
                     v.real(9, "power", 0, maxPowerWatts),
                     v.number(10, "overload", 0, 1) != 0};
        if (problem.isEmpty() && seq != static_cast<int>(i))
            problem = Text::tr("its readings are numbered with a gap (%1 where %2 belongs)")
                          .arg(seq)
                          .arg(i);
        if (problem.isEmpty() &&
            (t.at < previous || !withinRecord(t.at, session.startedAt, session.endedAt)))
            problem = Text::tr("it was read at %1, out of order or outside the session's times")
                          .arg(t.at);
        if (!problem.isEmpty())
            return Failed{Text::tr("reading %1: %2").arg(i).arg(problem)};
        previous = t.at;
        session.ticks.push_back(t);
    }
    return std::nullopt;
}

std::optional<Failed> readEvents(QSqlDatabase& db, StoredSession& session) {
    auto rows = selectRows(db,
                           QStringLiteral("SELECT seq, at, kind, detail FROM session_events "
                                          "WHERE session_id = ? ORDER BY seq"),
                           {session.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return queryFailed(*error);
    static const QStringList kinds{QStringLiteral("clamp"), QStringLiteral("overload-cut"),
                                   QStringLiteral("link-lost"), QStringLiteral("link-back")};
    QString problem;
    const auto& events = std::get<std::vector<Row>>(rows);
    for (std::size_t i = 0; i < events.size(); ++i) {
        StoredValues v(events[i], &problem);
        const int seq = v.number(0, "seq", 0, std::numeric_limits<int>::max());
        StoredEvent e{v.time(1, "at"), v.text(2), v.text(3)};
        if (problem.isEmpty() && seq != static_cast<int>(i))
            problem = Text::tr("its events are numbered with a gap");
        if (problem.isEmpty() && !kinds.contains(e.kind))
            problem =
                Text::tr("kind \"%1\" is not one the bench writes").arg(printable(e.kind.left(40)));
        if (problem.isEmpty() && !withinRecord(e.at, session.startedAt, session.endedAt))
            problem = Text::tr("it happened at %1, outside the session's times").arg(e.at);
        if (!problem.isEmpty())
            return Failed{Text::tr("event %1: %2").arg(i).arg(problem)};
        session.events.push_back(e);
    }
    return std::nullopt;
}

// A stored summary as the list reads it: the count, and the verdict when it was kept.
struct StoredTally {
    int count = 0;
    std::optional<QString> verdict;
};

std::optional<QString> readTally(StoredValues& v, int column, StoredTally& tally,
                                 bool withVerdict) {
    tally.count = v.number(column, "count", 0, std::numeric_limits<int>::max());
    if (!withVerdict || v.null(column + 1))
        return std::nullopt;
    const QString verdict = v.text(column + 1);
    for (const Verdict known : {Verdict::Pass, Verdict::Fail, Verdict::None, Verdict::Incomplete})
        if (verdict == verdictName(known)) {
            tally.verdict = verdict;
            return std::nullopt;
        }
    return Text::tr("verdict \"%1\" is not one the bench writes").arg(printable(verdict.left(40)));
}

std::optional<QString> listSweeps(QSqlDatabase& db, int version, const ListFilter& filter,
                                  Listing& listing) {
    // The count and verdict kept in the row; the cells counted while it is open or when it ended
    // before rows kept them.
    const QString counted =
        QStringLiteral("(SELECT COUNT(*) FROM sweep_cells c WHERE c.sweep_id = sweeps.id)");
    QString statement =
        QStringLiteral("SELECT id, started_at, end_state, host, saved_name, %1, %2 FROM sweeps "
                       "WHERE started_at >= ?")
            .arg(version >= 3 ? QStringLiteral("COALESCE(cell_count, %1), verdict").arg(counted)
                              : counted + QStringLiteral(", NULL"),
                 unitColumns(version));
    QVariantList values{filter.since};
    matchUnit(version, filter, statement, values);
    if (version >= 3 && !filter.verdict.isEmpty()) {
        statement += QStringLiteral(" AND (verdict = ? OR verdict IS NULL)");
        values << filter.verdict;
    }
    auto rows = selectRows(db, statement, values);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    for (const Row& row : std::get<std::vector<Row>>(rows)) {
        QString problem;
        StoredValues v(row, &problem);
        Listed l{v.id(0), true, v.time(1, "started_at"), v.state(2), v.text(3), v.text(4), 0, {}};
        l.unit = v.text(7);
        StoredTally tally;
        if (auto error = readTally(v, 5, tally, true); error && problem.isEmpty())
            problem = *error;
        if (!problem.isEmpty()) {
            listing.refused << refusal(Text::tr("sweep"), l.id, problem);
            continue;
        }
        if (!filter.name.isEmpty() && !l.name.contains(filter.name, Qt::CaseInsensitive))
            continue;
        l.count = tally.count;
        if (tally.verdict) {
            l.verdict = *tally.verdict;
        } else if (l.endState != QLatin1String("completed")) {
            l.verdict = verdictName(Verdict::Incomplete);
        } else {
            // Ended before the rows kept their summary: worked out from its cells.
            auto sweep = loadSweep(db, l.id);
            if (const auto* error = std::get_if<QString>(&sweep)) {
                listing.refused << *error;
                continue;
            }
            l.verdict = tallyOf(std::get<StoredSweep>(sweep)).verdict;
        }
        if (filter.verdict.isEmpty() || filter.verdict == l.verdict)
            listing.records.push_back(l);
    }
    return std::nullopt;
}

std::optional<QString> listSessions(QSqlDatabase& db, int version, const ListFilter& filter,
                                    Listing& listing) {
    const QString counted =
        QStringLiteral("(SELECT COUNT(*) FROM session_ticks t WHERE t.session_id = sessions.id)");
    QString statement =
        QStringLiteral("SELECT id, started_at, end_state, host, %1, %2 FROM sessions "
                       "WHERE started_at >= ?")
            .arg(version >= 3 ? QStringLiteral("COALESCE(tick_count, %1)").arg(counted) : counted,
                 unitColumns(version));
    QVariantList values{filter.since};
    matchUnit(version, filter, statement, values);
    auto rows = selectRows(db, statement, values);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    for (const Row& row : std::get<std::vector<Row>>(rows)) {
        QString problem;
        StoredValues v(row, &problem);
        Listed l{v.id(0), false, v.time(1, "started_at"), v.state(2), v.text(3), {}, 0, {}};
        l.unit = v.text(5);
        StoredTally tally;
        readTally(v, 4, tally, false);
        l.count = tally.count;
        if (problem.isEmpty())
            listing.records.push_back(l);
        else
            listing.refused << refusal(Text::tr("session"), l.id, problem);
    }
    return std::nullopt;
}

} // namespace

SweepTally tallyOf(const StoredSweep& sweep) {
    const MapSummary s = summarize(sweep.cells);
    return {s.cells, s.judged, s.insideBand, verdictName(verdictOf(s, sweep.header.completed()))};
}

std::variant<Listing, QString> listRecords(QSqlDatabase& db, const ListFilter& filter) {
    const int version = storedSchemaVersion(db);
    Listing listing;
    if (filter.kind != QLatin1String("session"))
        if (auto error = listSweeps(db, version, filter, listing))
            return *error;
    // Sessions carry no name or verdict; those filters leave them out.
    if (filter.kind != QLatin1String("sweep") && filter.name.isEmpty() && filter.verdict.isEmpty())
        if (auto error = listSessions(db, version, filter, listing))
            return *error;
    // Newest first; records started in the same millisecond by id, whatever order the engine
    // returned them in.
    std::sort(listing.records.begin(), listing.records.end(), [](const Listed& a, const Listed& b) {
        return a.startedAt != b.startedAt ? a.startedAt > b.startedAt : a.id > b.id;
    });
    return listing;
}

std::variant<std::pair<QString, bool>, QString> findRecord(QSqlDatabase& db,
                                                           const QString& prefix) {
    if (prefix.size() < 4)
        return Text::tr("\"%1\": give at least 4 characters of the id").arg(printable(prefix));
    const bool hex = std::all_of(prefix.begin(), prefix.end(), [](QChar c) {
        return std::isxdigit(c.unicode() < 0x80 ? c.toLatin1() : 'x') || c == QLatin1Char('-');
    });
    if (!hex || prefix.size() > 36)
        return Text::tr("\"%1\" is no id: an id is up to 36 hex digits and dashes")
            .arg(printable(prefix));
    std::vector<std::pair<QString, bool>> found;
    for (const bool sweep : {true, false}) {
        auto rows =
            selectRows(db,
                       QStringLiteral("SELECT id FROM %1 WHERE id LIKE ? ESCAPE '!'")
                           .arg(sweep ? QStringLiteral("sweeps") : QStringLiteral("sessions")),
                       {likePrefix(prefix.toLower())});
        if (const auto* error = std::get_if<QString>(&rows))
            return *error;
        for (const Row& row : std::get<std::vector<Row>>(rows))
            found.emplace_back(row.value(0).toString(), sweep);
    }
    if (found.empty())
        return Text::tr("no record has an id starting with \"%1\"").arg(prefix);
    if (found.size() > 1)
        return Text::tr("\"%1\" is ambiguous: %2 records have ids starting with it; give more "
                        "characters")
            .arg(prefix)
            .arg(found.size());
    return found.front();
}

std::variant<StoredSweep, QString> loadSweep(QSqlDatabase& db, const QString& id) {
    const int version = storedSchemaVersion(db);
    auto rows = selectRows(
        db, QStringLiteral("SELECT %1 FROM sweeps WHERE id = ?").arg(sweepColumns(version)), {id});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const auto& found = std::get<std::vector<Row>>(rows);
    if (found.empty())
        return Text::tr("no sweep %1").arg(printable(id));
    StoredSweep sweep;
    if (auto problem = readHeader(found.front(), sweep.header))
        return refusal(Text::tr("sweep"), id, *problem);
    if (auto failed = readCells(db, sweep))
        return failed->refused ? refusal(Text::tr("sweep"), id, failed->message) : failed->message;
    return sweep;
}

std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, const QString& id) {
    auto rows = selectRows(db,
                           QStringLiteral("SELECT id, started_at, ended_at, end_state, host, port, "
                                          "%1 FROM sessions WHERE id = ?")
                               .arg(unitColumns(storedSchemaVersion(db))),
                           {id});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const auto& found = std::get<std::vector<Row>>(rows);
    if (found.empty())
        return Text::tr("no session %1").arg(printable(id));
    QString problem;
    StoredValues v(found.front(), &problem);
    StoredSession session{v.id(0),
                          v.time(1, "started_at"),
                          v.time(2, "ended_at", true),
                          v.state(3),
                          v.text(4),
                          v.text(5),
                          {},
                          {},
                          unitAt(v, 6)};
    if (problem.isEmpty() && !session.endedAt.isEmpty() && session.endedAt < session.startedAt)
        problem = Text::tr("it ended (%1) before it started (%2)")
                      .arg(session.endedAt, session.startedAt);
    if (!problem.isEmpty())
        return refusal(Text::tr("session"), id, problem);
    for (const auto read : {readTicks, readEvents})
        if (auto failed = read(db, session))
            return failed->refused ? refusal(Text::tr("session"), id, failed->message)
                                   : failed->message;
    return session;
}

std::variant<std::vector<std::pair<QString, bool>>, QString> unitRecords(QSqlDatabase& db,
                                                                         const QString& serial) {
    std::vector<std::tuple<QString, QString, bool>> found; // start, id, sweep
    // A store from before units were recorded holds none of them.
    if (storedSchemaVersion(db) >= 3)
        for (const bool sweep : {true, false}) {
            auto rows =
                selectRows(db,
                           QStringLiteral("SELECT started_at, id FROM %1 WHERE unit_serial = ?")
                               .arg(sweep ? QStringLiteral("sweeps") : QStringLiteral("sessions")),
                           {serial});
            if (const auto* error = std::get_if<QString>(&rows))
                return *error;
            for (const Row& row : std::get<std::vector<Row>>(rows))
                found.emplace_back(row.value(0).toString(), row.value(1).toString(), sweep);
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
    if (storedSchemaVersion(db) < 3)
        return std::optional<StoredSweep>();
    // The verdict kept in the row narrows the search; rows that ended before it was kept are
    // judged from their cells.
    auto rows = selectRows(db,
                           QStringLiteral("SELECT id FROM sweeps WHERE unit_serial = ? AND "
                                          "end_state = 'completed' AND load_limit1 = ? AND "
                                          "load_limit2 = ? AND power_limit = ? AND "
                                          "(verdict = 'pass' OR verdict IS NULL) "
                                          "ORDER BY started_at DESC"),
                           {serial, limits.loadLimit1, limits.loadLimit2, limits.powerLimit});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    for (const Row& row : std::get<std::vector<Row>>(rows)) {
        auto sweep = loadSweep(db, row.value(0).toString());
        if (const auto* error = std::get_if<QString>(&sweep))
            return *error;
        if (tallyOf(std::get<StoredSweep>(sweep)).verdict == verdictName(Verdict::Pass))
            return std::optional<StoredSweep>(std::get<StoredSweep>(std::move(sweep)));
    }
    return std::optional<StoredSweep>();
}

} // namespace velmor::results
