#include "RunEnvelope.h"
#include "Text.h"

#include "Settling.h"
#include "StoredValues.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace velmor::results {

namespace {

constexpr int maxCount = std::numeric_limits<int>::max();

// The lowest or the highest values of a slot as a reading.
struct Bound {
    Column at, supplyOn, load5, load12, load33, b1, b2, b3, b4;
};

Bound bound(const Rows& answer, const char* side) {
    const auto column = [&](const char* name) {
        return answer.column(QStringLiteral("%1_%2")
                                 .arg(QLatin1String(side), QLatin1String(name))
                                 .toLatin1()
                                 .constData());
    };
    return {answer.column(qstrcmp(side, "low") == 0 ? "first_at" : "last_at"),
            column("supply_on"),
            column("load5"),
            column("load12"),
            column("load33"),
            column("b1"),
            column("b2"),
            column("b3"),
            column("b4")};
}

StoredRunReading readingOf(StoredValues& v, const Bound& c, int stepSeq, const QString& settling) {
    StoredRunReading r;
    r.at = v.time(c.at);
    r.stepSeq = stepSeq;
    r.supplyOn = v.number(c.supplyOn, 0, 1) != 0;
    // The load settings and the reply's bytes, each 0..255.
    const std::pair<int StoredRunReading::*, Column Bound::*> bytes[] = {
        {&StoredRunReading::load5, &Bound::load5},   {&StoredRunReading::load12, &Bound::load12},
        {&StoredRunReading::load33, &Bound::load33}, {&StoredRunReading::b1, &Bound::b1},
        {&StoredRunReading::b2, &Bound::b2},         {&StoredRunReading::b3, &Bound::b3},
        {&StoredRunReading::b4, &Bound::b4}};
    for (const auto& [field, column] : bytes)
        r.*field = v.number(c.*column, 0, maxByte);
    r.settling = settling;
    return r;
}

} // namespace

std::variant<std::vector<StoredRunReading>, QString> envelopeReadings(QSqlDatabase& db, int version,
                                                                      const StoredRun& run) {
    std::vector<StoredRunReading> readings;
    if (version < 8 || run.endState.isEmpty())
        return readings;
    QString columns = QStringLiteral("slot, step_seq, settling, readings, first_at, last_at");
    for (const char* side : {"low", "high"})
        for (const char* value : {"supply_on", "load5", "load12", "load33", "b1", "b2", "b3", "b4"})
            columns += QStringLiteral(", %1_%2").arg(QLatin1String(side), QLatin1String(value));
    const auto rows = selectRows(
        db,
        QStringLiteral("SELECT %1 FROM run_envelopes WHERE run_id = ? ORDER BY slot, step_seq")
            .arg(boundedColumns(db, columns)),
        {run.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const Rows& answer = std::get<Rows>(rows);
    const Column slot = answer.column("slot"), stepSeq = answer.column("step_seq"),
                 settling = answer.column("settling"), count = answer.column("readings");
    const Bound low = bound(answer, "low"), high = bound(answer, "high");
    const int lastStep = static_cast<int>(run.steps.size()) - 1;
    qint64 total = 0;
    int previousSlot = 0;
    QString previous = run.startedAt; // the latest time of the slots before
    QString latest = previous;
    for (const Row& row : answer.rows) {
        QString problem;
        StoredValues v(row, &problem);
        const int at = v.number(slot, 0, maxCount);
        const int step = v.number(stepSeq, 0, std::max(0, lastStep));
        const QString word = v.text(settling);
        total += v.number(count, 1, maxCount);
        StoredRunReading lowest = readingOf(v, low, step, word);
        StoredRunReading highest = readingOf(v, high, step, word);
        if (problem.isEmpty() && lastStep < 0)
            problem = Text::tr("it belongs to no step of the run");
        if (problem.isEmpty() && !settlingNamed(word))
            problem = Text::tr("settling \"%1\" is not one the bench writes").arg(word.left(40));
        if (problem.isEmpty() && settlingNamed(word) == Settling::Judged && !lowest.supplyOn)
            problem = Text::tr("it is judged, yet answers a frame with the supply switched off");
        if (at != previousSlot) { // the slots before end where this one begins
            previous = latest;
            previousSlot = at;
        }
        if (problem.isEmpty() && (lowest.at < previous || highest.at < lowest.at ||
                                  !withinRecord(highest.at, run.startedAt, run.endedAt)))
            problem = Text::tr("its times %1 to %2 are out of order or outside the run's times")
                          .arg(lowest.at, highest.at);
        if (!problem.isEmpty())
            return Text::tr("the envelope's slot %1: %2").arg(at).arg(problem);
        latest = std::max(latest, highest.at);
        readings.push_back(std::move(lowest));
        readings.push_back(std::move(highest));
    }
    if (!readings.empty() && total != run.readingCount)
        return Text::tr("the envelope stands for %1 readings of the run's %2")
            .arg(total)
            .arg(run.readingCount);
    // In time order within each step, as the readings were taken.
    std::stable_sort(readings.begin(), readings.end(),
                     [](const StoredRunReading& a, const StoredRunReading& b) {
                         return std::tie(a.stepSeq, a.at) < std::tie(b.stepSeq, b.at);
                     });
    return readings;
}

} // namespace velmor::results
