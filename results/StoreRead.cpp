#include "StoreRead.h"

#include "Sql.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace velmor::results {

namespace {

// This file's texts, looked up in the catalogue under "results".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(results)
};

std::optional<QString> select(QSqlDatabase& db, QSqlQuery& query, const QString& statement,
                              const QVariantList& values = {}) {
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return QStringLiteral("%1: %2").arg(describe(db), query.lastError().text());
    if (auto error = run(query, values))
        return QStringLiteral("%1: %2").arg(describe(db), *error);
    return std::nullopt;
}

std::variant<StoredSweep, QString> sweepCells(QSqlDatabase& db, StoredSweep sweep) {
    QSqlQuery query(db);
    if (auto error = select(db, query,
                            QStringLiteral("SELECT cell_row, cell_column, b2, b3, b4, k5, k12, at "
                                           "FROM sweep_cells WHERE sweep_id = ? ORDER BY seq"),
                            {sweep.header.id}))
        return *error;
    while (query.next()) {
        const auto byte = [&](int i) { return static_cast<quint8>(query.value(i).toInt()); };
        sweep.cells.push_back(MapCell{static_cast<qint16>(query.value(0).toInt()),
                                      static_cast<qint16>(query.value(1).toInt()), byte(2), byte(3),
                                      byte(4), byte(5), byte(6)});
        sweep.cellTimes.push_back(query.value(7).toString());
    }
    return sweep;
}

} // namespace

std::variant<std::vector<Listed>, QString> listRecords(QSqlDatabase& db, const ListFilter& filter) {
    std::vector<Listed> listed;
    if (filter.kind != QLatin1String("session")) {
        QSqlQuery query(db);
        if (auto error = select(
                db, query,
                QStringLiteral("SELECT id, started_at, COALESCE(end_state, ''), host, "
                               "COALESCE(saved_name, '') FROM sweeps WHERE started_at >= ? "
                               "AND LOWER(COALESCE(saved_name, '')) LIKE ?"),
                {filter.since, QStringLiteral("%") + filter.name.toLower() + QStringLiteral("%")}))
            return *error;
        while (query.next()) {
            auto sweep = loadSweep(db, query.value(0).toString());
            if (const auto* error = std::get_if<QString>(&sweep))
                return *error;
            const MapRecord& cells = std::get<StoredSweep>(sweep).cells;
            Listed l{query.value(0).toString(),
                     true,
                     query.value(1).toString(),
                     query.value(2).toString(),
                     query.value(3).toString(),
                     query.value(4).toString(),
                     static_cast<int>(cells.size()),
                     summarize(cells).pass() ? QStringLiteral("pass") : QStringLiteral("fail")};
            if (filter.verdict.isEmpty() || filter.verdict == l.verdict)
                listed.push_back(l);
        }
    }
    // Sessions carry no name or verdict; those filters leave them out.
    if (filter.kind != QLatin1String("sweep") && filter.name.isEmpty() &&
        filter.verdict.isEmpty()) {
        QSqlQuery query(db);
        if (auto error = select(
                db, query,
                QStringLiteral("SELECT s.id, s.started_at, COALESCE(s.end_state, ''), s.host, "
                               "(SELECT COUNT(*) FROM session_ticks t WHERE t.session_id = s.id) "
                               "FROM sessions s WHERE s.started_at >= ?"),
                {filter.since}))
            return *error;
        while (query.next())
            listed.push_back({query.value(0).toString(), false, query.value(1).toString(),
                              query.value(2).toString(), query.value(3).toString(), QString(),
                              query.value(4).toInt(), QString()});
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const Listed& a, const Listed& b) { return a.startedAt > b.startedAt; });
    return listed;
}

std::variant<std::pair<QString, bool>, QString> findRecord(QSqlDatabase& db,
                                                           const QString& prefix) {
    if (prefix.size() < 4)
        return Text::tr("\"%1\": give at least 4 characters of the id").arg(prefix);
    std::vector<std::pair<QString, bool>> found;
    for (const bool sweep : {true, false}) {
        QSqlQuery query(db);
        const QString table = sweep ? QStringLiteral("sweeps") : QStringLiteral("sessions");
        if (auto error =
                select(db, query, QStringLiteral("SELECT id FROM %1 WHERE id LIKE ?").arg(table),
                       {prefix.toLower() + QStringLiteral("%")}))
            return *error;
        while (query.next())
            found.emplace_back(query.value(0).toString(), sweep);
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
    QSqlQuery query(db);
    if (auto error =
            select(db, query,
                   QStringLiteral("SELECT id, started_at, COALESCE(ended_at, ''), "
                                  "COALESCE(end_state, ''), host, port, load_limit1, load_limit2, "
                                  "power_limit, map_width, map_height, map_ratio, "
                                  "COALESCE(saved_name, ''), COALESCE(bmp_path, ''), "
                                  "COALESCE(csv_path, ''), COALESCE(txt_path, '') "
                                  "FROM sweeps WHERE id = ?"),
                   {id}))
        return *error;
    if (!query.next())
        return Text::tr("no sweep %1").arg(id);
    StoredSweep sweep;
    SweepHeader& h = sweep.header;
    const auto text = [&](int i) { return query.value(i).toString(); };
    h = {text(0),
         text(1),
         text(2),
         text(3),
         text(4),
         text(5),
         {query.value(6).toInt(), query.value(7).toInt(), query.value(8).toInt()},
         query.value(9).toInt(),
         query.value(10).toInt(),
         query.value(11).toDouble(),
         text(12),
         text(13),
         text(14),
         text(15)};
    return sweepCells(db, std::move(sweep));
}

std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, const QString& id) {
    QSqlQuery query(db);
    if (auto error = select(db, query,
                            QStringLiteral("SELECT id, started_at, COALESCE(ended_at, ''), "
                                           "COALESCE(end_state, ''), host, port FROM sessions "
                                           "WHERE id = ?"),
                            {id}))
        return *error;
    if (!query.next())
        return Text::tr("no session %1").arg(id);
    StoredSession session{query.value(0).toString(),
                          query.value(1).toString(),
                          query.value(2).toString(),
                          query.value(3).toString(),
                          query.value(4).toString(),
                          query.value(5).toString(),
                          {},
                          {}};
    if (auto error = select(db, query,
                            QStringLiteral("SELECT at, b1, b2, b3, b4, load5, load12, load33, "
                                           "power, overload FROM session_ticks "
                                           "WHERE session_id = ? ORDER BY seq"),
                            {id}))
        return *error;
    while (query.next())
        session.ticks.push_back({query.value(0).toString(), query.value(1).toInt(),
                                 query.value(2).toInt(), query.value(3).toInt(),
                                 query.value(4).toInt(), query.value(5).toInt(),
                                 query.value(6).toInt(), query.value(7).toInt(),
                                 query.value(8).toDouble(), query.value(9).toInt() != 0});
    if (auto error = select(db, query,
                            QStringLiteral("SELECT at, kind, detail FROM session_events "
                                           "WHERE session_id = ? ORDER BY seq"),
                            {id}))
        return *error;
    while (query.next())
        session.events.push_back(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return session;
}

} // namespace velmor::results
