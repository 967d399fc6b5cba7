#include "Pareto.h"
#include "Text.h"

#include "Outcome.h"
#include "Sql.h"
#include "StoredRows.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <tuple>

namespace velmor::results {

namespace {

// "+12 V 11.29 V < 11.40 V", "+5 V < 4.00 V": the measurement's name and the side it crossed.
std::pair<QString, FailureCause::Side> crossedOf(const QString& what) {
    static const QRegularExpression pattern(
        QStringLiteral("^(.+?) (?:-?[0-9][0-9.]*(?: \\S+)? )?([<>]) "));
    const auto match = pattern.match(what);
    if (!match.hasMatch())
        return {what, FailureCause::Side::None};
    return {match.captured(1), match.captured(2) == QLatin1String("<") ? FailureCause::Side::Low
                                                                       : FailureCause::Side::High};
}

FailureCause causeOf(const QString& reason, const QString& failingStep) {
    FailureCause cause;
    const auto finding = findingStored(reason);
    if (!finding) {
        cause.unknown = true;
        cause.where = failingStep;
        return cause;
    }
    cause.kind = finding->kind;
    switch (finding->kind) {
    case Finding::Kind::Crossed:
        std::tie(cause.name, cause.side) = crossedOf(finding->what);
        cause.where = finding->where.isEmpty() ? failingStep : finding->where;
        break;
    case Finding::Kind::ShutDown:
        cause.where = failingStep;
        break;
    case Finding::Kind::NoPower:
    case Finding::Kind::NoReply:
    case Finding::Kind::PortLost:
    case Finding::Kind::FileRefused:
        break;
    }
    return cause;
}

struct Unit {
    int runs = 0;
    std::optional<bool> first, last; // whether its first and last completed runs passed
};

} // namespace

QString causeText(const FailureCause& c) {
    if (c.unknown)
        return c.where.isEmpty() ? Text::tr("no finding stored")
                                 : Text::tr("in step %1, no finding stored").arg(c.where);
    switch (c.kind) {
    case Finding::Kind::Crossed:
        if (c.side == FailureCause::Side::None)
            return Text::tr("%1 at %2").arg(c.name, c.where);
        return (c.side == FailureCause::Side::Low ? Text::tr("%1 at %2 low")
                                                  : Text::tr("%1 at %2 high"))
            .arg(c.name, c.where);
    case Finding::Kind::ShutDown:
        return Text::tr("shut down at %1").arg(c.where);
    case Finding::Kind::NoPower:
        return Text::tr("did not power on");
    case Finding::Kind::NoReply:
        return Text::tr("bench: no reply");
    case Finding::Kind::PortLost:
        return Text::tr("bench: port lost");
    case Finding::Kind::FileRefused:
        return Text::tr("bench: file refused");
    }
    return {};
}

std::variant<FailurePareto, QString> failurePareto(QSqlDatabase& db, int version,
                                                   const ListFilter& filter) {
    FailurePareto pareto;
    if (version < 4) // a store from before plan runs holds none
        return pareto;
    QString statement =
        QStringLiteral("SELECT %1 FROM runs WHERE started_at >= ? AND outcome IS NOT NULL")
            .arg(boundedColumns(
                db, version >= 6
                        ? u"id, unit_serial, started_at, end_state, outcome, failing_step, reason"
                        : u"id, unit_serial, started_at, end_state, outcome, failing_step"));
    QVariantList values{filter.since};
    for (const auto& [column, value] :
         {std::pair{"unit_model", &filter.model}, std::pair{"host", &filter.host}})
        if (!value->isEmpty()) {
            statement += QStringLiteral(" AND %1 = ?").arg(QLatin1String(column));
            values << *value;
        }
    if (!filter.before.isEmpty()) {
        statement += QStringLiteral(" AND started_at < ?");
        values << filter.before;
    }
    statement += QStringLiteral(" ORDER BY started_at, id");
    std::map<FailureCause, int> causes;
    std::map<QString, Unit> units;
    int unnamed = 0, unnamedPassed = 0;
    auto error = eachStoredRow(
        db, statement, values, {Text::tr("run")}, pareto.refused,
        [&](const QString&, StoredRow& row) {
            row.time("started_at");
            const bool completed = row.text("end_state") == QLatin1String("completed");
            const QString outcome = row.text("outcome");
            const QString reason = row.text("reason"), step = row.text("failing_step");
            const QString unit = row.text("unit_serial");
            const auto verdict = parseOutcome(outcome);
            if (!verdict)
                row.refuse(
                    Text::tr("its outcome \"%1\" is none the bench writes").arg(outcome.left(40)));
            // Only a completed run has a verdict.
            else if (completed != (static_cast<int>(*verdict) <= static_cast<int>(Outcome::Fail)))
                row.refuse(Text::tr("its outcome \"%1\" does not go with its end").arg(outcome));
            if (row.refused())
                return;
            if (*verdict == Outcome::Fail || *verdict == Outcome::Error) {
                ++pareto.failures;
                ++causes[causeOf(reason, step)];
            }
            const bool passed = *verdict == Outcome::Pass || *verdict == Outcome::Marginal;
            if (unit.isEmpty()) {
                if (completed) {
                    ++unnamed;
                    unnamedPassed += passed ? 1 : 0;
                }
                return;
            }
            Unit& u = units[unit];
            ++u.runs;
            if (!completed)
                return;
            if (!u.first)
                u.first = passed;
            u.last = passed;
        });
    if (error)
        return *error;
    for (const auto& [cause, runs] : causes)
        pareto.causes.push_back({cause, runs});
    std::stable_sort(pareto.causes.begin(), pareto.causes.end(),
                     [](const CauseCount& a, const CauseCount& b) { return a.runs > b.runs; });
    pareto.units = unnamed;
    pareto.firstPassed = pareto.finallyPassed = unnamedPassed;
    for (const auto& [serial, u] : units) {
        if (u.first) {
            ++pareto.units;
            pareto.firstPassed += *u.first ? 1 : 0;
            pareto.finallyPassed += *u.last ? 1 : 0;
        }
        if (u.runs > 1)
            pareto.retested.push_back({serial, u.runs - 1, u.last.value_or(false)});
    }
    std::stable_sort(pareto.retested.begin(), pareto.retested.end(),
                     [](const Retests& a, const Retests& b) { return a.retests > b.retests; });
    return pareto;
}

} // namespace velmor::results
