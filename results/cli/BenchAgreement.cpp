#include "BenchAgreement.h"
#include "Text.h"

#include "Measurement.h"
#include "Sql.h"
#include "StoredRows.h"
#include "Unit.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <map>
#include <tuple>

namespace velmor::results {

namespace {

struct Sum {
    int values = 0;
    double total = 0;
    void add(double v) {
        ++values;
        total += v;
    }
    double mean() const { return values ? total / values : 0; }
};

} // namespace

std::variant<BenchAgreement, QString> benchAgreement(QSqlDatabase& db, int version,
                                                     const ListFilter& filter) {
    BenchAgreement out;
    if (version < 4)
        return out;
    QString statement =
        QStringLiteral("SELECT %1 FROM run_measurements m JOIN runs r ON r.id = m.run_id "
                       "WHERE r.end_state = 'completed' AND m.unit = 'V' AND m.name LIKE '%at P%' "
                       "AND r.started_at >= ?");
    QVariantList values{filter.since};
    // Every bench: they are compared.
    if (!filter.model.isEmpty()) {
        statement += QStringLiteral(" AND r.unit_model = ?");
        values << filter.model;
    }
    if (!filter.before.isEmpty()) {
        statement += QStringLiteral(" AND r.started_at < ?");
        values << filter.before;
    }
    statement = statement.arg(boundedColumns(
        db, u"r.id, r.unit_model, r.plan_name, r.host, m.name AS measured, m.value, m.unit"));
    static const QRegularExpression point(
        QStringLiteral("^(\\+12 V|\\+5 V|\\+3\\.3 V) at P[0-9]+$"));
    using Key = std::tuple<QString, QString, QString>; // model, plan, name
    std::map<Key, std::pair<Sum, std::map<QString, Sum>>> sums;
    auto error =
        eachStoredRow(db, statement, values, {Text::tr("measurement of run")}, out.refused,
                      [&](const QString&, StoredRow& row) {
                          const QString name = row.text("measured");
                          const double value = row.measured("value");
                          const Key key{row.text("unit_model"), row.text("plan_name"), name};
                          const QString host = row.text("host");
                          if (row.refused())
                              return;
                          if (!point.match(name).hasMatch())
                              return;
                          // Volts at an end of the unit's range are no value to take a mean of.
                          const UnitOutput* output = measuredOutput(name, u"V");
                          if (!output || output->endOf(value) != RangeEnd::Inside)
                              return;
                          auto& [all, benches] = sums[key];
                          all.add(value);
                          benches[host].add(value);
                      });
    if (error)
        return *error;
    for (const auto& [key, s] : sums) {
        const auto& [all, benches] = s;
        PointAgreement p{std::get<0>(key), std::get<1>(key), std::get<2>(key),
                         all.values,       all.mean(),       {}};
        const UnitOutput* output = measuredOutput(p.name, u"V");
        const double step = output->spanVolts() / maxReading;
        for (const auto& [host, sum] : benches) {
            const double volts = sum.mean() - p.mean;
            p.benches.push_back({host, sum.values, sum.mean(), volts, volts / step});
        }
        out.points.push_back(std::move(p));
    }
    return out;
}

} // namespace velmor::results
