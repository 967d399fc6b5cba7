#include "History.h"
#include "Text.h"

#include "Finding.h"
#include "NumberText.h"
#include "Printable.h"
#include "Reading.h"
#include "RecordText.h"
#include "RunRead.h"
#include "SessionRead.h"
#include "SessionSheetOf.h"
#include "SweepRead.h"
#include "Table.h"
#include "UnitHistory.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <vector>

namespace velmor::results {

namespace {

QString orDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("-") : text;
}

// An entry of the history and what it is sorted by: the stored start, then the sweeps and
// sessions in the order they were read before the runs, the runs by their ids.
using Cells = HistoryCells;
struct Dated {
    enum class Kind { Sweep, Session, Run };
    QString startedAt;
    Kind kind = Kind::Sweep;
    HistoryEntry entry; // a sweep's or session's cells made once it is known to be shown
};

bool earlier(const Dated& a, const Dated& b) {
    if (const int c = a.startedAt.compare(b.startedAt))
        return c < 0;
    const bool aRun = a.kind == Dated::Kind::Run, bRun = b.kind == Dated::Kind::Run;
    if (!aRun || !bRun)
        return !aRun && bRun;
    return a.entry.id < b.entry.id;
}

Cells sweepRow(const StoredSweep& sweep) {
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

Cells sessionRow(const StoredSession& session) {
    const SessionSheet sheet = sessionSheet(session);
    const QString lowest =
        sheet.samples.empty()
            ? QStringLiteral("-")
            : shownVolts(output12,
                         outputFigures(sheet.samples, &SessionSample::volts12, output12).min, 3) +
                  " V";
    return {shortId(session.id),
            QStringLiteral("session"),
            shownTime(session.startedAt),
            printable(session.host),
            printable(orDash(session.unit.operatorName)),
            sheet.endState,
            QStringLiteral("-"),
            Text::tr("%1 ticks, lowest +12 V %2").arg(session.ticks.size()).arg(lowest)};
}

// planFigure is "plan %1: %2" in the language of the run, looked up once for all the runs.
Cells runRow(const StoredRun& r, const QString& planFigure) {
    // What decided a run that did not pass, short, else its key figure.
    const QString figure =
        r.reason.isEmpty() ? shownRecordText(r.keyFigure) : shownFinding(r.reason, true);
    return {shortId(r.id),
            QStringLiteral("run"),
            shownTime(r.startedAt),
            printable(r.host),
            printable(orDash(r.unit.operatorName)),
            shownState(r.endState),
            orDash(r.outcome),
            planFigure.arg(printable(r.planName), printable(figure))};
}

} // namespace

std::variant<UnitEntries, QString> unitEntries(QSqlDatabase& db, int version, const QString& serial,
                                               int newest) {
    const auto found = unitRecords(db, version, serial);
    if (const auto* error = std::get_if<QString>(&found))
        return *error;
    const std::vector<UnitRecord>& records = std::get<std::vector<UnitRecord>>(found);
    // A run's row keeps what its line shows: its steps and readings are not read. The runs beyond
    // the newest few are older than every run read, so they are left out of the history too.
    std::vector<Dated> dated;
    const QString planFigure = Text::tr("plan %1: %2");
    const auto unreadRuns = eachUnitRun(db, version, serial, newest, [&](const StoredRun& run) {
        dated.push_back({run.startedAt, Dated::Kind::Run, {run.id, runRow(run, planFigure)}});
    });
    if (const auto* error = std::get_if<QString>(&unreadRuns))
        return *error;
    // The sweeps and sessions placed by their starts alone, and loaded only where they are shown.
    for (const UnitRecord& r : records)
        dated.push_back(
            {r.startedAt, r.sweep ? Dated::Kind::Sweep : Dated::Kind::Session, {r.id, {}}});
    // Oldest first. Every run of a unit with nothing else mostly comes in order already, as the
    // runs were written; the newest few come newest first.
    if (!std::is_sorted(dated.begin(), dated.end(), earlier))
        std::stable_sort(dated.begin(), dated.end(), earlier);
    UnitEntries shown;
    shown.earlier = std::get<qint64>(unreadRuns);
    auto first = dated.begin();
    if (newest > 0 && dated.size() > static_cast<std::size_t>(newest)) {
        shown.earlier += static_cast<qint64>(dated.size()) - newest;
        first = dated.end() - newest;
    }
    shown.entries.reserve(static_cast<std::size_t>(dated.end() - first));
    // One record in memory at a time: a burn-in session holds a reading per 200 ms.
    for (auto d = first; d != dated.end(); ++d) {
        if (d->kind == Dated::Kind::Sweep) {
            const auto loaded = loadSweep(db, version, d->entry.id);
            if (const auto* error = std::get_if<QString>(&loaded))
                return *error;
            d->entry.cells = sweepRow(std::get<StoredSweep>(loaded));
        } else if (d->kind == Dated::Kind::Session) {
            const auto loaded = loadSession(db, version, d->entry.id);
            if (const auto* error = std::get_if<QString>(&loaded))
                return *error;
            d->entry.cells = sessionRow(std::get<StoredSession>(loaded));
        }
        shown.entries.push_back(std::move(d->entry));
    }
    return shown;
}

std::variant<UnitHistory, QString> unitHistory(QSqlDatabase& db, int version, const QString& serial,
                                               int newest) {
    const auto found = unitEntries(db, version, serial, newest);
    if (const auto* error = std::get_if<QString>(&found))
        return *error;
    const auto& [entries, earlierCount] = std::get<UnitEntries>(found);
    // The serial number is not echoed: typed by hand it may hold anything.
    if (entries.empty())
        return UnitHistory{Text::tr("no records of this unit\n")};
    std::vector<QStringView> cells;
    cells.reserve(entries.size() * std::tuple_size_v<Cells>);
    for (const HistoryEntry& e : entries)
        cells.insert(cells.end(), e.cells.begin(), e.cells.end());
    const QString count =
        recordCount(static_cast<qsizetype>(entries.size()), earlierCount, LeftOut::Earlier);
    return UnitHistory{
        alignedTable({QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("started"),
                      QStringLiteral("bench"), QStringLiteral("operator"), QStringLiteral("end"),
                      QStringLiteral("outcome"), QStringLiteral("figures")},
                     cells, count)};
}

} // namespace velmor::results
