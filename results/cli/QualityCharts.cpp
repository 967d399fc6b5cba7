#include "QualityCharts.h"
#include "Text.h"

#include "Measurement.h"
#include "Outcome.h"
#include "Sql.h"
#include "StoredRows.h"
#include "StoredValues.h"
#include "Unit.h"

#include <QCoreApplication>

#include <map>
#include <set>
#include <tuple>

namespace velmor::results {

namespace {

// " AND …" for the filter's model, bench and period over the runs table `r`; the values bound.
QString filtered(const ListFilter& filter, QVariantList& values) {
    QString where = QStringLiteral(" AND r.started_at >= ?");
    values << filter.since;
    for (const auto& [column, value] :
         {std::pair{"r.unit_model", &filter.model}, std::pair{"r.host", &filter.host}})
        if (!value->isEmpty()) {
            where += QStringLiteral(" AND %1 = ?").arg(QLatin1String(column));
            values << *value;
        }
    if (!filter.before.isEmpty()) {
        where += QStringLiteral(" AND r.started_at < ?");
        values << filter.before;
    }
    return where;
}

} // namespace

std::optional<std::pair<double, double>> ControlValues::controlLimits() const {
    const auto sigma = spread.sigma();
    if (!sigma)
        return std::nullopt;
    return std::pair{spread.mean() - 3 * *sigma, spread.mean() + 3 * *sigma};
}

std::variant<YieldByDay, QString> yieldByDay(QSqlDatabase& db, int version,
                                             const ListFilter& filter) {
    YieldByDay out;
    if (version < 4)
        return out;
    QVariantList values;
    const QString statement =
        QStringLiteral("SELECT %1 FROM runs r WHERE r.end_state = 'completed'%2 "
                       "ORDER BY r.started_at, r.id")
            .arg(boundedColumns(db, u"r.id, r.unit_model, r.unit_serial, r.started_at, r.outcome"),
                 filtered(filter, values));
    std::map<std::pair<QString, QString>, DayYield> days;
    std::set<std::pair<QString, QString>> seen; // model and serial of the units counted
    auto error = eachStoredRow(
        db, statement, values, {Text::tr("run")}, out.refused, [&](const QString&, StoredRow& row) {
            const QString model = row.text("unit_model");
            const QString serial = row.text("unit_serial");
            const QString day = row.time("started_at").left(10);
            const auto verdict = parseOutcome(row.text("outcome"));
            if (!verdict || static_cast<int>(*verdict) > static_cast<int>(Outcome::Fail))
                row.refuse(Text::tr("its outcome is no verdict the bench writes"));
            if (row.refused())
                return;
            if (!serial.isEmpty() && !seen.insert({model, serial}).second)
                return; // a retest
            DayYield& d = days[{model, day}];
            ++d.units;
            d.firstPassed += *verdict != Outcome::Fail ? 1 : 0;
        });
    if (error)
        return *error;
    for (auto& [key, d] : days) {
        std::tie(d.model, d.day) = key;
        out.days.push_back(d);
    }
    return out;
}

std::variant<ControlValues, QString> controlValues(QSqlDatabase& db, int version,
                                                   const ListFilter& filter, const QString& name) {
    ControlValues out;
    if (version < 4)
        return out;
    QVariantList values{name};
    const QString statement =
        QStringLiteral("SELECT %1 FROM run_measurements m JOIN runs r ON r.id = m.run_id "
                       "WHERE m.name = ? AND r.end_state = 'completed'%2 "
                       "ORDER BY r.started_at, r.id, m.step_seq, m.seq")
            .arg(boundedColumns(db, u"r.id, r.started_at, m.value, m.unit, m.low, m.high"),
                 filtered(filter, values));
    const auto rows = selectRows(db, statement, values);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const Rows& answer = std::get<Rows>(rows);
    const Column id = answer.column("id"), started = answer.column("started_at"),
                 value = answer.column("value"), unit = answer.column("unit"),
                 low = answer.column("low"), high = answer.column("high");
    for (const Row& row : answer.rows) {
        QString problem;
        StoredValues v(row, &problem);
        const QString run = v.id(id);
        ChartPoint p{v.time(started), v.measured(value)};
        const QString units = v.text(unit);
        const auto lsl = v.null(low) ? std::nullopt : std::optional(v.measured(low));
        const auto usl = v.null(high) ? std::nullopt : std::optional(v.measured(high));
        if (!problem.isEmpty()) {
            out.refused << refusal(Text::tr("measurement of run"), run, problem);
            continue;
        }
        const UnitOutput* output = measuredOutput(name, units);
        if (output && output->endOf(p.value) != RangeEnd::Inside)
            continue;
        out.points.push_back(p);
        out.low = lsl;
        out.high = usl;
    }
    out.spread = Capability(out.low.value_or(0), out.high.value_or(0));
    for (const ChartPoint& p : out.points)
        out.spread.add(p.value);
    return out;
}

} // namespace velmor::results
