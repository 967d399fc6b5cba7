#include "SessionRead.h"
#include "Text.h"

#include "Printable.h"
#include "RecordRead.h"
#include "Sql.h"
#include "StoredRows.h"
#include "StoredValues.h"

#include <QCoreApplication>

#include <limits>

namespace velmor::results {

namespace {

// What the bench can write: the unit's raw bytes and the loads are bytes.
constexpr double maxPowerWatts = 10000;

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
        TickRead t;
        t.sessionId = session.id;
        t.seq = row.number("seq", 0, std::numeric_limits<int>::max());
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
        if (t.seq != static_cast<int>(i))
            row.refuse(Text::tr("its readings are numbered with a gap (%1 where %2 belongs)")
                           .arg(t.seq)
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

} // namespace

std::variant<StoredSession, QString> loadSession(QSqlDatabase& db, int version, const QString& id) {
    const QString columns =
        QStringLiteral("id, started_at, ended_at, end_state, host, port%1")
            .arg(version >= 3 ? QStringLiteral(", unit_serial, unit_model, operator") : QString());
    StoredSession session;
    if (auto error = readRecordRow(
            db,
            QStringLiteral("SELECT %1 FROM sessions WHERE id = ?").arg(boundedColumns(db, columns)),
            id, Text::tr("session"), Text::tr("no session %1").arg(printable(id)),
            [&](StoredRow& row) { readRecordHeader(row, session); }))
        return *error;
    for (const auto read : {readTicks, readEvents})
        if (auto failed = read(db, session))
            return failed->refused ? refusal(Text::tr("session"), id, failed->message)
                                   : failed->message;
    return session;
}

} // namespace velmor::results
