#include "RunSummary.h"
#include "WebText.h"

#include "Outcome.h"
#include "Sql.h"
#include "StoredValues.h"
#include "Unit.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <tuple>

namespace velmor::web {

namespace {

constexpr int maxCount = std::numeric_limits<int>::max();

struct Output {
    const char* name;
    const UnitOutput* unit;
};
// In the order the summary shows them.
constexpr Output outputs[] = {{"+12 V", &output12}, {"+5 V", &output5}, {"+3.3 V", &output33}};

using GroupKey = std::tuple<QString, QString, QString>; // model, bench, day

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

// The completed runs by group, oldest first; the runs counted by id.
std::optional<QString> readRuns(QSqlDatabase& db, std::map<GroupKey, Tally>& tallies,
                                QHash<QString, Counted>& counted, QStringList& refused) {
    const auto rows = results::selectRows(
        db, QStringLiteral("SELECT %1 FROM runs WHERE end_state = 'completed' "
                           "ORDER BY started_at, id")
                .arg(results::boundedColumns(
                    db, u"id, unit_model, host, started_at, unit_serial, plan_name, outcome")));
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const results::Rows& answer = std::get<results::Rows>(rows);
    const results::Column id = answer.column("id"), model = answer.column("unit_model"),
                          host = answer.column("host"), started = answer.column("started_at"),
                          serial = answer.column("unit_serial"), plan = answer.column("plan_name"),
                          outcome = answer.column("outcome");
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

// "+12 V at P3": the output and the point, as a points step names its volts.
std::optional<std::pair<int, int>> pointOf(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\+12 V|\\+5 V|\\+3\\.3 V) at P([1-9][0-9]{0,5})$"));
    const auto match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const auto output = std::find_if(std::begin(outputs), std::end(outputs), [&](const Output& o) {
        return match.captured(1) == QLatin1String(o.name);
    });
    return std::pair{static_cast<int>(output - std::begin(outputs)), match.captured(2).toInt()};
}

std::optional<QString> readPoints(QSqlDatabase& db, const QHash<QString, Counted>& counted,
                                  std::vector<PointCapability>& points, QStringList& refused) {
    const auto rows = results::selectRows(
        db, QStringLiteral("SELECT %1 FROM run_measurements m "
                           "JOIN run_steps s ON s.run_id = m.run_id AND s.seq = m.step_seq "
                           "JOIN runs r ON r.id = m.run_id "
                           "WHERE r.end_state = 'completed' AND s.kind = 'points' AND "
                           "m.unit = 'V' AND m.low IS NOT NULL AND m.high IS NOT NULL")
                .arg(results::boundedColumns(db, u"m.run_id, m.step_seq, s.name AS step_name, "
                                                 u"m.name AS measured, m.value, m.low, m.high")));
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const results::Rows& answer = std::get<results::Rows>(rows);
    const results::Column id = answer.column("run_id"), stepSeq = answer.column("step_seq"),
                          step = answer.column("step_name"), name = answer.column("measured"),
                          value = answer.column("value"), low = answer.column("low"),
                          high = answer.column("high");
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
            known = names.insert(measured, pointOf(measured));
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
        const UnitOutput& unit = *outputs[point->first].unit;
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
    std::sort(points.begin(), points.end(), [](const PointCapability& a, const PointCapability& b) {
        return std::tie(a.model, a.plan, a.stepSeq, a.step, a.point, a.output) <
               std::tie(b.model, b.plan, b.stepSeq, b.step, b.point, b.output);
    });
    return std::nullopt;
}

} // namespace

QString outputName(int output) {
    return QLatin1String(outputs[output].name);
}

std::variant<RunSummary, QString> summariseRuns(QSqlDatabase& db) {
    RunSummary summary;
    std::map<GroupKey, Tally> tallies;
    QHash<QString, Counted> counted;
    if (auto error = readRuns(db, tallies, counted, summary.refused))
        return *error;
    if (auto error = readFailedSteps(db, tallies, counted))
        return *error;
    if (auto error = readPoints(db, counted, summary.points, summary.refused))
        return *error;
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
