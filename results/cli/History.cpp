#include "History.h"
#include "Text.h"

#include "Commands.h"
#include "MapExport.h"
#include "Printable.h"
#include "RunCommands.h"
#include "StoreRead.h"
#include "Table.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmor::results {

namespace {

QString orDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("-") : text;
}

QStringList sweepRow(const StoredSweep& sweep) {
    const SweepHeader& h = sweep.header;
    // The summary the list shows, worked out once.
    const SweepTally s = tallyOf(sweep);
    const QString inside =
        s.judged == 0 ? QStringLiteral("-") : percentOf(s.insideBand, s.judged) + " %";
    return {shortId(h.id),
            QStringLiteral("sweep"),
            shownTime(h.startedAt),
            printable(h.host),
            printable(orDash(h.unit.operatorName)),
            shownState(h.endState),
            s.verdict,
            Text::tr("limits %1,%2,%3, %4 cells, %5 inside")
                .arg(h.limits.loadLimit1)
                .arg(h.limits.loadLimit2)
                .arg(h.limits.powerLimit)
                .arg(s.cells)
                .arg(inside)};
}

QStringList sessionRow(const StoredSession& session) {
    const SessionSheet sheet = sessionSheet(session);
    const QString lowest =
        sheet.samples.empty()
            ? QStringLiteral("-")
            : fixed(outputFigures(sheet.samples, &SessionSample::volts12, 12).min, 3) + " V";
    return {shortId(session.id),
            QStringLiteral("session"),
            shownTime(session.startedAt),
            printable(session.host),
            printable(orDash(session.unit.operatorName)),
            sheet.endState,
            QStringLiteral("-"),
            Text::tr("%1 ticks, lowest +12 V %2").arg(session.ticks.size()).arg(lowest)};
}

} // namespace

std::variant<UnitHistory, QString> unitHistory(QSqlDatabase& db, int version,
                                               const QString& serial) {
    const auto found = unitRecords(db, serial);
    if (const auto* error = std::get_if<QString>(&found))
        return *error;
    std::vector<std::pair<QString, QStringList>> dated; // each row after its start
    // One record in memory at a time: a burn-in session holds a reading per 200 ms.
    for (const auto& [id, sweep] : std::get<0>(found)) {
        if (sweep) {
            const auto loaded = loadSweep(db, id);
            if (const auto* error = std::get_if<QString>(&loaded))
                return *error;
            const StoredSweep& s = std::get<StoredSweep>(loaded);
            dated.emplace_back(s.header.startedAt, sweepRow(s));
        } else {
            const auto loaded = loadSession(db, id);
            if (const auto* error = std::get_if<QString>(&loaded))
                return *error;
            const StoredSession& s = std::get<StoredSession>(loaded);
            dated.emplace_back(s.startedAt, sessionRow(s));
        }
    }
    // A run's row keeps what its line shows: its steps and readings are not read.
    const auto runs = unitRuns(db, version, serial);
    if (const auto* error = std::get_if<QString>(&runs))
        return *error;
    for (const StoredRun& run : std::get<std::vector<StoredRun>>(runs))
        dated.emplace_back(run.startedAt, runHistoryRow(run));
    std::stable_sort(dated.begin(), dated.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QStringList> rows;
    rows.reserve(dated.size());
    for (auto& row : dated)
        rows.push_back(std::move(row.second));
    // The serial number is not echoed: typed by hand it may hold anything.
    if (rows.empty())
        return UnitHistory{Text::tr("no records of this unit\n")};
    const QString count =
        rows.size() == 1 ? Text::tr("(1 record)\n") : Text::tr("(%1 records)\n").arg(rows.size());
    return UnitHistory{
        alignedTable({QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("started"),
                      QStringLiteral("bench"), QStringLiteral("operator"), QStringLiteral("end"),
                      QStringLiteral("outcome"), QStringLiteral("figures")},
                     rows) +
        count};
}

} // namespace velmor::results
