#include "RecordList.h"
#include "Text.h"

#include "Printable.h"
#include "RunSelection.h"
#include "Sql.h"
#include "StoredRows.h"
#include "StoredValues.h"
#include "SweepRead.h"
#include "Verdict.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace velmor::results {

namespace {

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
    QVariantList values;
    QString rows = QStringLiteral(" FROM sweeps") + whereSince(filter, values);
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
    QVariantList values;
    QString rows = QStringLiteral(" FROM sessions") + whereSince(filter, values);
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

QString whereSince(const ListFilter& filter, QVariantList& values) {
    if (filter.since.isEmpty())
        return QStringLiteral(" WHERE 1 = 1");
    values << filter.since;
    return QStringLiteral(" WHERE started_at >= ?");
}

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

} // namespace velmor::results
