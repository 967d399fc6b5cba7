#include "RunSummary.h"
#include "WebText.h"

#include "Outcome.h"
#include "RunTallies.h"
#include "Sql.h"
#include "StoredValues.h"
#include "Unit.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <set>
#include <tuple>

namespace velmor::web {

namespace {

constexpr int maxCount = std::numeric_limits<int>::max();

using GroupKey = std::tuple<QString, QString, QString>; // model, bench, day

// The answer's columns by their names, in the order asked.
template <std::size_t N>
std::array<results::Column, N> columnsOf(const results::Rows& answer,
                                         const char* const (&names)[N]) {
    std::array<results::Column, N> columns;
    for (std::size_t i = 0; i < N; ++i)
        columns[i] = answer.column(names[i]);
    return columns;
}

// What the summary keeps of a run it counts.
struct Counted {
    GroupKey group;
    QString plan;
};

struct Tally {
    RunGroup group;
    std::set<QString> serials;    // of the units seen so far
    std::map<QString, int> fails; // by step name
};

// " AND column IN (?, …)" for the runs named, bound in values; nothing where none are named.
QString onlyRuns(const char* column, const QStringList& ids, QVariantList& values) {
    if (ids.isEmpty())
        return {};
    for (const QString& id : ids)
        values << id;
    return QStringLiteral(" AND %1 IN (%2)")
        .arg(QLatin1String(column), QStringList(ids.size(), QStringLiteral("?")).join(u','));
}

// The completed runs by group, oldest first; the runs counted by id. Only the runs named, if any.
std::optional<QString> readRuns(QSqlDatabase& db, std::map<GroupKey, Tally>& tallies,
                                QHash<QString, Counted>& counted, QStringList& refused,
                                const QStringList& only = {}) {
    QVariantList values;
    const QString named = onlyRuns("id", only, values);
    const auto rows = results::selectRows(
        db,
        QStringLiteral("SELECT %1 FROM runs WHERE end_state = 'completed'%2 "
                       "ORDER BY started_at, id")
            .arg(results::boundedColumns(
                     db, u"id, unit_model, host, started_at, unit_serial, plan_name, outcome"),
                 named),
        values);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const results::Rows& answer = std::get<results::Rows>(rows);
    const auto [id, model, host, started, serial, plan, outcome] = columnsOf(
        answer, {"id", "unit_model", "host", "started_at", "unit_serial", "plan_name", "outcome"});
    for (const results::Row& row : answer.rows) {
        QString problem;
        results::StoredValues v(row, &problem);
        const QString runId = v.id(id);
        const QString at = v.time(started);
        const auto verdict = parseOutcome(v.text(outcome));
        // Only a completed run has a verdict, and it is one of the first three.
        if (problem.isEmpty() &&
            (!verdict || static_cast<int>(*verdict) > static_cast<int>(Outcome::Fail)))
            problem = WebText::tr("its outcome \"%1\" is no verdict this program writes")
                          .arg(v.text(outcome).left(40));
        if (!problem.isEmpty()) {
            refused << WebText::tr("run %1 is left out: %2").arg(runId, problem);
            continue;
        }
        const GroupKey key{v.text(model), v.text(host), at.left(10)};
        counted.insert(runId, {key, v.text(plan)});
        Tally& t = tallies[key];
        const bool pass = *verdict != Outcome::Fail;
        ++t.group.runs;
        t.group.passed += pass ? 1 : 0;
        const QString unit = v.text(serial);
        if (unit.isEmpty() || t.serials.insert(unit).second) {
            ++t.group.units;
            t.group.firstPassed += pass ? 1 : 0;
        }
    }
    return std::nullopt;
}

// The failed steps of the runs counted, by name in their groups.
std::optional<QString> readFailedSteps(QSqlDatabase& db, std::map<GroupKey, Tally>& tallies,
                                       const QHash<QString, Counted>& counted) {
    const auto rows = results::selectRows(
        db, QStringLiteral("SELECT %1 FROM run_steps s JOIN runs r ON r.id = s.run_id "
                           "WHERE r.end_state = 'completed' AND s.outcome = 'fail'")
                .arg(results::boundedColumns(db, u"s.run_id, s.name")));
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const results::Rows& answer = std::get<results::Rows>(rows);
    const results::Column id = answer.column("run_id"), name = answer.column("name");
    for (const results::Row& row : answer.rows) {
        QString problem;
        results::StoredValues v(row, &problem);
        const auto run = counted.constFind(v.id(id));
        // A run refused above is left out here too.
        if (problem.isEmpty() && run != counted.constEnd())
            ++tallies[run->group].fails[v.text(name)];
    }
    return std::nullopt;
}

std::optional<QString> readPoints(QSqlDatabase& db, const QHash<QString, Counted>& counted,
                                  std::vector<PointCapability>& points, QStringList& refused,
                                  const QStringList& only = {}) {
    QVariantList values;
    const QString chosen = onlyRuns("m.run_id", only, values);
    const auto rows = results::selectRows(
        db,
        QStringLiteral("SELECT %1 FROM run_measurements m "
                       "JOIN run_steps s ON s.run_id = m.run_id AND s.seq = m.step_seq "
                       "JOIN runs r ON r.id = m.run_id "
                       "WHERE r.end_state = 'completed' AND s.kind = 'points' AND "
                       "m.unit = 'V' AND m.low IS NOT NULL AND m.high IS NOT NULL%2")
            .arg(results::boundedColumns(db, u"m.run_id, m.step_seq, s.name AS step_name, "
                                             u"m.name AS measured, m.value, m.low, m.high"),
                 chosen),
        values);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const results::Rows& answer = std::get<results::Rows>(rows);
    const auto [id, stepSeq, step, name, value, low, high] =
        columnsOf(answer, {"run_id", "step_seq", "step_name", "measured", "value", "low", "high"});
    using Key = std::tuple<QString, QString, QString, int, int, double, double>;
    std::map<Key, PointCapability> found;
    QSet<QString> named; // runs already refused here: one line each
    const auto leaveOut = [&](const QString& runId, const QString& problem) {
        if (!named.contains(runId))
            refused << WebText::tr("the volts of run %1 are left out: %2").arg(runId, problem);
        named.insert(runId);
    };
    QHash<QString, std::optional<std::pair<int, int>>> names;
    for (const results::Row& row : answer.rows) {
        QString problem;
        results::StoredValues v(row, &problem);
        const QString runId = v.id(id);
        const auto run = counted.constFind(runId);
        if (problem.isEmpty() && run == counted.constEnd())
            continue; // refused above
        const int seq = v.number(stepSeq, 0, maxCount);
        // A few names over thousands of rows: each matched once.
        const QString measured = v.text(name);
        auto known = names.constFind(measured);
        if (known == names.constEnd())
            known = names.insert(measured, results::pointOf(measured));
        const auto point = *known;
        if (problem.isEmpty() && !point)
            problem = WebText::tr("step %1 has volts \"%2\", which no points step names")
                          .arg(seq)
                          .arg(measured.left(40));
        if (!problem.isEmpty()) {
            leaveOut(runId, problem);
            continue;
        }
        // What the unit can read, and limits that hold nominal, as a profile's do.
        const UnitOutput& unit = results::pointOutputUnit(point->first);
        const double volts = v.real(value, unit.lowestVolts(), unit.highestVolts());
        const double lsl = v.real(low, 0, unit.nominalVolts);
        const double usl = v.real(high, unit.nominalVolts, 10 * unit.nominalVolts);
        if (!problem.isEmpty()) {
            leaveOut(runId, problem);
            continue;
        }
        // An end of the unit's range says only that the output was at or beyond it: no value
        // to take a mean or a spread of.
        if (unit.endOf(volts) != RangeEnd::Inside)
            continue;
        const Key key{std::get<0>(run->group),
                      run->plan,
                      v.text(step),
                      point->second,
                      point->first,
                      lsl,
                      usl};
        auto at = found.find(key);
        if (at == found.end())
            at = found
                     .emplace(key, PointCapability{std::get<0>(run->group), run->plan, v.text(step),
                                                   seq, point->second, point->first,
                                                   results::Capability(lsl, usl)})
                     .first;
        at->second.stepSeq = std::min(at->second.stepSeq, seq);
        at->second.values.add(volts);
    }
    for (auto& [key, p] : found)
        points.push_back(std::move(p));
    return std::nullopt;
}

// The groups, their fails and the points as kept when the runs ended (schema version 8 on): a
// row a group, a step's fails in a group or a point's limits.
std::optional<QString> readKept(QSqlDatabase& db, std::map<GroupKey, Tally>& tallies,
                                std::vector<PointCapability>& points, QStringList& refused) {
    const auto leftOut = [&refused](const QString& problem) {
        refused << WebText::tr("a kept tally is left out: %1").arg(problem);
    };
    const auto groups = results::selectRows(
        db, QStringLiteral("SELECT %1 FROM run_tallies")
                .arg(results::boundedColumns(
                    db, u"unit_model, host, day, runs, passed, units, first_passed")));
    if (const auto* error = std::get_if<QString>(&groups))
        return *error;
    const results::Rows& kept = std::get<results::Rows>(groups);
    const auto [model, host, day, runs, passed, units, firstPassed] =
        columnsOf(kept, {"unit_model", "host", "day", "runs", "passed", "units", "first_passed"});
    for (const results::Row& row : kept.rows) {
        QString problem;
        results::StoredValues v(row, &problem);
        RunGroup g;
        g.model = v.text(model);
        g.host = v.text(host);
        g.day = v.text(day);
        g.runs = v.number(runs, 1, maxCount);
        g.passed = v.number(passed, 0, g.runs);
        g.units = v.number(units, 1, g.runs);
        g.firstPassed = v.number(firstPassed, 0, g.units);
        if (problem.isEmpty())
            tallies[{g.model, g.host, g.day}].group = g;
        else
            leftOut(problem);
    }
    const auto fails = results::selectRows(
        db, QStringLiteral("SELECT %1 FROM step_fail_tallies")
                .arg(results::boundedColumns(db, u"unit_model, host, day, step, fails")));
    if (const auto* error = std::get_if<QString>(&fails))
        return *error;
    const results::Rows& failed = std::get<results::Rows>(fails);
    const auto [failModel, failHost, failDay, step, count] =
        columnsOf(failed, {"unit_model", "host", "day", "step", "fails"});
    for (const results::Row& row : failed.rows) {
        QString problem;
        results::StoredValues v(row, &problem);
        const auto group = tallies.find({v.text(failModel), v.text(failHost), v.text(failDay)});
        const QString name = v.text(step);
        const int n = v.number(count, 1, maxCount);
        if (!problem.isEmpty())
            leftOut(problem);
        else if (group != tallies.end())
            group->second.fails[name] = n;
    }
    const auto kinds = results::selectRows(
        db, QStringLiteral("SELECT %1 FROM point_tallies")
                .arg(results::boundedColumns(db, u"unit_model, plan_name, step, step_seq, "
                                                 u"measured, low, high, values_count, mean, "
                                                 u"squares")));
    if (const auto* error = std::get_if<QString>(&kinds))
        return *error;
    const results::Rows& pointRows = std::get<results::Rows>(kinds);
    const auto [pointModel, plan, pointStep, stepSeq, measured, low, high, values, mean, squares] =
        columnsOf(pointRows, {"unit_model", "plan_name", "step", "step_seq", "measured", "low",
                              "high", "values_count", "mean", "squares"});
    for (const results::Row& row : pointRows.rows) {
        QString problem;
        results::StoredValues v(row, &problem);
        const QString name = v.text(measured);
        const auto point = results::pointOf(name);
        if (problem.isEmpty() && !point)
            problem = WebText::tr("\"%1\" names no output at a load point").arg(name.left(40));
        if (!problem.isEmpty()) {
            leftOut(problem);
            continue;
        }
        const UnitOutput& unit = results::pointOutputUnit(point->first);
        const double lsl = v.real(low, 0, unit.nominalVolts);
        const double usl = v.real(high, unit.nominalVolts, 10 * unit.nominalVolts);
        const int n = v.number(values, 1, maxCount);
        const double m = v.real(mean, unit.lowestVolts(), unit.highestVolts());
        const double spread = v.real(squares, 0, 1e9);
        PointCapability p{v.text(pointModel),
                          v.text(plan),
                          v.text(pointStep),
                          v.number(stepSeq, 0, maxCount),
                          point->second,
                          point->first,
                          results::Capability::kept(lsl, usl, n, m, spread)};
        if (problem.isEmpty())
            points.push_back(std::move(p));
        else
            leftOut(problem);
    }
    // The runs and volts left out as the tallies were kept, named as a count of every run
    // names them: those runs read again, alone.
    const auto left =
        results::selectRows(db, QStringLiteral("SELECT DISTINCT %1 FROM tally_refusals")
                                    .arg(results::boundedColumns(db, u"run_id")));
    if (const auto* error = std::get_if<QString>(&left))
        return *error;
    QStringList ids;
    for (const results::Row& row : std::get<results::Rows>(left).rows)
        ids << row.value(0).toString();
    if (ids.isEmpty())
        return std::nullopt;
    std::map<GroupKey, Tally> recounted;
    QHash<QString, Counted> counted;
    std::vector<PointCapability> unused;
    if (auto error = readRuns(db, recounted, counted, refused, ids))
        return error;
    return readPoints(db, counted, unused, refused, ids);
}

} // namespace

QString outputName(int output) {
    return QLatin1String(results::pointOutputs[output]);
}

std::variant<RunSummary, QString> summariseRuns(QSqlDatabase& db, int version) {
    RunSummary summary;
    std::map<GroupKey, Tally> tallies;
    if (version >= 8) {
        if (auto error = readKept(db, tallies, summary.points, summary.refused))
            return *error;
    } else {
        QHash<QString, Counted> counted;
        if (auto error = readRuns(db, tallies, counted, summary.refused))
            return *error;
        if (auto error = readFailedSteps(db, tallies, counted))
            return *error;
        if (auto error = readPoints(db, counted, summary.points, summary.refused))
            return *error;
    }
    std::sort(summary.points.begin(), summary.points.end(),
              [](const PointCapability& a, const PointCapability& b) {
                  return std::tie(a.model, a.plan, a.stepSeq, a.step, a.point, a.output) <
                         std::tie(b.model, b.plan, b.stepSeq, b.step, b.point, b.output);
              });
    for (auto& [key, t] : tallies) {
        std::tie(t.group.model, t.group.host, t.group.day) = key;
        // The most fails; names as many all shown, in order, so that a tie is seen as one.
        int most = 0;
        QStringList steps;
        for (const auto& [step, fails] : t.fails) {
            if (fails > most) {
                most = fails;
                steps.clear();
            }
            if (fails == most)
                steps << step;
        }
        t.group.failingStep = steps.join(QStringLiteral(", "));
        summary.groups.push_back(t.group);
    }
    return summary;
}

} // namespace velmor::web
