#include "RunRead.h"
#include "Text.h"

#include "Printable.h"
#include "RecordRead.h"
#include "RecordText.h"
#include "RunRows.h"
#include "Schema.h"
#include "StoredRows.h"
#include "StoredValues.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace velmor::results {

namespace {

constexpr int maxCount = std::numeric_limits<int>::max();

const QStringList& settlingWords() {
    static const QStringList words{QStringLiteral("judged"), QStringLiteral("supply-off"),
                                   QStringLiteral("powering-up"), QStringLiteral("load-jump"),
                                   QStringLiteral("after-shutdown")};
    return words;
}

std::optional<Failed> readSteps(QSqlDatabase& db, StoredRun& run, int version) {
    auto rows = selectRows(
        db,
        QStringLiteral("SELECT %1 FROM run_steps WHERE run_id = ? ORDER BY seq")
            .arg(boundedColumns(db, withReason(u"seq, kind, name, started_at, ended_at, outcome, "
                                               u"key_figure, judged, unsettled",
                                               version))),
        {run.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return Failed{*error, false};
    const Rows& answer = std::get<Rows>(rows);
    const StoredColumns columns(answer);
    QString previous = run.startedAt;
    for (std::size_t i = 0; i < answer.rows.size(); ++i) {
        StoredRow row(columns, answer.rows[i]);
        StoredRunStep s;
        s.seq = row.number("seq", 0, maxCount);
        s.kind = row.text("kind");
        s.name = row.text("name");
        s.startedAt = row.time("started_at");
        s.endedAt = row.time("ended_at");
        s.outcome = row.text("outcome");
        s.keyFigure = canonicalRecordText(row.text("key_figure"));
        s.judged = row.number("judged", 0, maxCount);
        s.unsettled = row.number("unsettled", 0, maxCount);
        s.reason = row.text("reason");
        QString problem = row.problem();
        const bool word = !s.kind.isEmpty() && s.kind.size() <= 32 &&
                          std::all_of(s.kind.begin(), s.kind.end(), [](QChar ch) {
                              return ch >= QLatin1Char('a') && ch <= QLatin1Char('z');
                          });
        if (problem.isEmpty() && s.seq != static_cast<int>(i))
            problem = Text::tr("its steps are numbered with a gap (%1 where %2 belongs)")
                          .arg(s.seq)
                          .arg(i);
        if (problem.isEmpty() && !word)
            problem = Text::tr("kind %1 is not one the bench writes").arg(quotedWord(s.kind));
        checkOutcome(QStringLiteral("outcome"), s.outcome, problem);
        if (problem.isEmpty() && (s.startedAt < previous || s.endedAt < s.startedAt ||
                                  !withinRecord(s.endedAt, run.startedAt, run.endedAt)))
            problem = Text::tr("it ran from %1 to %2, out of order or outside the run's times")
                          .arg(s.startedAt, s.endedAt);
        if (!problem.isEmpty())
            return Failed{Text::tr("step %1: %2").arg(i).arg(problem)};
        previous = s.startedAt;
        run.steps.push_back(s);
    }
    return std::nullopt;
}

std::optional<Failed> readMeasurements(QSqlDatabase& db, StoredRun& run) {
    // Uncertainties are kept since version 7.
    const bool uncertain = storedSchemaVersion(db) >= 7;
    auto rows = selectRows(
        db,
        QStringLiteral("SELECT %1 FROM run_measurements WHERE run_id = ? "
                       "ORDER BY step_seq, seq")
            .arg(boundedColumns(db, uncertain ? u"step_seq, seq, name, value, unit, low, high, "
                                                u"guard_low, guard_high, asked, outcome, "
                                                u"uncertainty"
                                              : u"step_seq, seq, name, value, unit, low, high, "
                                                u"guard_low, guard_high, asked, outcome")),
        {run.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return Failed{*error, false};
    const Rows& answer = std::get<Rows>(rows);
    const StoredColumns columns(answer);
    const int steps = static_cast<int>(run.steps.size());
    for (std::size_t i = 0; i < answer.rows.size(); ++i) {
        StoredRow row(columns, answer.rows[i]);
        const int step = row.number("step_seq", 0, std::max(0, steps - 1));
        const int seq = row.number("seq", 0, maxCount);
        StoredMeasurement m;
        m.name = canonicalRecordText(row.text("name"));
        m.value = row.measured("value");
        m.unit = row.text("unit");
        m.low = row.optionalMeasured("low");
        m.high = row.optionalMeasured("high");
        m.guardLow = row.optionalMeasured("guard_low");
        m.guardHigh = row.optionalMeasured("guard_high");
        m.asked = row.optionalMeasured("asked");
        m.outcome = row.text("outcome");
        m.uncertainty = row.optionalMeasured("uncertainty");
        QString problem = row.problem();
        checkOutcome(QStringLiteral("outcome"), m.outcome, problem);
        if (problem.isEmpty() && steps == 0)
            problem = Text::tr("it belongs to no step of the run");
        std::vector<StoredMeasurement>* into =
            problem.isEmpty() ? &run.steps[static_cast<std::size_t>(step)].measurements : nullptr;
        if (problem.isEmpty() && seq != static_cast<int>(into->size()))
            problem = Text::tr("the step's measurements are numbered with a gap (%1 where %2 "
                               "belongs)")
                          .arg(seq)
                          .arg(into->size());
        if (!problem.isEmpty())
            return Failed{Text::tr("measurement %1: %2").arg(i).arg(problem)};
        into->push_back(m);
    }
    return std::nullopt;
}

// The readings are read a page at a time: an eight-hour hold has 288,000 of them, and a page's
// rows take several times the memory of the readings made from them.
constexpr int readingsPage = 20000;

std::optional<Failed> readReadings(QSqlDatabase& db, StoredRun& run) {
    // An ended run's readings belong to its steps; an open one's may belong to the step under way.
    const int lastStep = run.endState.isEmpty() ? maxCount : static_cast<int>(run.steps.size()) - 1;
    std::vector<int> perStep(run.steps.size(), 0);
    QString previous = run.startedAt;
    int previousStep = 0;
    for (;;) {
        auto rows =
            selectRows(db,
                       QStringLiteral("SELECT %1 FROM run_readings WHERE run_id = ? AND "
                                      "seq >= ? ORDER BY seq LIMIT %2")
                           .arg(boundedColumns(db, u"seq, at, step_seq, supply_on, load5, "
                                                   u"load12, load33, b1, b2, b3, b4, settling"))
                           .arg(readingsPage),
                       {run.id, static_cast<qint64>(run.readings.size())});
        if (const auto* error = std::get_if<QString>(&rows))
            return Failed{*error, false};
        const Rows& answer = std::get<Rows>(rows);
        const StoredColumns columns(answer);
        run.readings.reserve(run.readings.size() + answer.rows.size());
        for (const Row& values : answer.rows) {
            const std::size_t i = run.readings.size();
            StoredRow row(columns, values);
            const int seq = row.number("seq", 0, maxCount);
            StoredRunReading r;
            r.at = row.time("at");
            r.stepSeq = row.number("step_seq", 0, std::max(0, lastStep));
            r.supplyOn = row.number("supply_on", 0, 1) != 0;
            r.load5 = row.number("load5", 0, maxByte);
            r.load12 = row.number("load12", 0, maxByte);
            r.load33 = row.number("load33", 0, maxByte);
            r.b1 = row.number("b1", 0, maxByte);
            r.b2 = row.number("b2", 0, maxByte);
            r.b3 = row.number("b3", 0, maxByte);
            r.b4 = row.number("b4", 0, maxByte);
            r.settling = row.text("settling");
            QString problem = row.problem();
            if (problem.isEmpty() && lastStep < 0)
                problem = Text::tr("it belongs to no step of the run");
            if (problem.isEmpty() && seq != static_cast<int>(i))
                problem = Text::tr("its readings are numbered with a gap (%1 where %2 belongs)")
                              .arg(seq)
                              .arg(i);
            // Each reading shares the one copy of its word.
            if (const auto word = settlingWords().indexOf(r.settling); word >= 0)
                r.settling = settlingWords()[word];
            else if (problem.isEmpty())
                problem =
                    Text::tr("settling %1 is not one the bench writes").arg(quotedWord(r.settling));
            if (problem.isEmpty() && r.settling == settlingWords().first() && !r.supplyOn)
                problem =
                    Text::tr("it is judged, yet answers a frame with the supply switched off");
            if (problem.isEmpty() && r.stepSeq < previousStep)
                problem = Text::tr("it belongs to step %1, after a reading of step %2")
                              .arg(r.stepSeq)
                              .arg(previousStep);
            if (problem.isEmpty() &&
                (r.at < previous || !withinRecord(r.at, run.startedAt, run.endedAt)))
                problem = Text::tr("it was read at %1, out of order or outside the run's times")
                              .arg(r.at);
            if (!problem.isEmpty())
                return Failed{Text::tr("reading %1: %2").arg(i).arg(problem)};
            if (static_cast<std::size_t>(r.stepSeq) < perStep.size())
                ++perStep[static_cast<std::size_t>(r.stepSeq)];
            previous = r.at;
            previousStep = r.stepSeq;
            run.readings.push_back(std::move(r));
        }
        if (answer.rows.size() < static_cast<std::size_t>(readingsPage))
            break;
    }
    run.readingCount = static_cast<qint64>(run.readings.size());
    // A step judges, or keeps unjudged, only readings it was given.
    for (const StoredRunStep& s : run.steps)
        if (s.judged + qint64(s.unsettled) > perStep[static_cast<std::size_t>(s.seq)])
            return Failed{Text::tr("step %1: it counts %2 judged and %3 unsettled readings of the "
                                   "%4 it was given")
                              .arg(s.seq)
                              .arg(s.judged)
                              .arg(s.unsettled)
                              .arg(perStep[static_cast<std::size_t>(s.seq)])};
    return std::nullopt;
}

std::optional<Failed> countReadings(QSqlDatabase& db, StoredRun& run, int version) {
    auto rows = selectRows(
        db,
        QStringLiteral("SELECT %1 AS count FROM runs WHERE id = ?").arg(readingCountOf(version)),
        {run.id});
    if (const auto* error = std::get_if<QString>(&rows))
        return Failed{*error, false};
    const Rows& answer = std::get<Rows>(rows);
    if (answer.rows.empty())
        return std::nullopt;
    const StoredColumns columns(answer);
    StoredRow row(columns, answer.rows.front());
    run.readingCount = row.number("count", 0, maxCount);
    if (row.refused())
        return Failed{row.problem()};
    return std::nullopt;
}

} // namespace

SettlingCounts settlingCounts(const StoredRun& run) {
    SettlingCounts counts;
    for (const StoredRunReading& r : run.readings) {
        const auto word = settlingWords().indexOf(r.settling);
        ++(word == 0   ? counts.judged
           : word == 1 ? counts.supplyOff
           : word == 2 ? counts.poweringUp
           : word == 3 ? counts.loadJump
                       : counts.shutDown);
    }
    return counts;
}

std::variant<StoredRun, QString> loadRun(QSqlDatabase& db, const QString& id,
                                         RunReadings readings) {
    const auto version = static_cast<int>(storedSchemaVersion(db));
    const QString columns =
        withReason(runColumns, version) +
        (version >= 7 ? QStringLiteral(", calibration, calibration_warning") : QString());
    StoredRun run;
    if (auto error = readRecordRow(
            db, QStringLiteral("SELECT %1 FROM runs WHERE id = ?").arg(boundedColumns(db, columns)),
            id, Text::tr("run"), Text::tr("no run %1").arg(printable(id)), [&](StoredRow& row) {
                run.id = row.id("id");
                readRun(row, run);
            }))
        return *error;
    auto failed = readSteps(db, run, version);
    if (!failed)
        failed = readMeasurements(db, run);
    if (!failed)
        failed =
            readings == RunReadings::All ? readReadings(db, run) : countReadings(db, run, version);
    if (failed)
        return failed->refused ? refusal(Text::tr("run"), id, failed->message) : failed->message;
    return run;
}

} // namespace velmor::results
