#include "GoldenDrift.h"
#include "Text.h"

#include "Measurement.h"
#include "Sql.h"
#include "StoredRows.h"
#include "Unit.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <tuple>

namespace velmor::results {

namespace {} // namespace

std::variant<GoldenDrift, QString> goldenDrift(QSqlDatabase& db, int version,
                                               const QString& serial) {
    GoldenDrift out;
    if (version < 4)
        return out;
    static const QRegularExpression point(
        QStringLiteral("^(\\+12 V|\\+5 V|\\+3\\.3 V) at P[0-9]+$"));
    struct Values {
        std::vector<double> values;
        QString latestAt;
    };
    std::map<std::pair<QString, QString>, Values> found;
    auto error = eachStoredRow(
        db,
        QStringLiteral("SELECT %1 FROM run_measurements m JOIN runs r ON r.id = m.run_id "
                       "WHERE r.unit_serial = ? AND r.end_state = 'completed' AND m.unit = 'V' "
                       "ORDER BY r.started_at, r.id, m.step_seq, m.seq")
            .arg(boundedColumns(db, u"r.id, r.host, r.started_at, m.name AS measured, m.value")),
        {serial}, {Text::tr("measurement of run")}, out.refused,
        [&](const QString&, StoredRow& row) {
            const QString bench = row.text("host");
            const QString at = row.time("started_at");
            const QString measured = row.text("measured");
            const double volts = row.measured("value");
            if (row.refused())
                return;
            const UnitOutput* output = measuredOutput(measured, u"V");
            // Volts at an end of the unit's range are no reading to compare.
            if (!point.match(measured).hasMatch() || !output ||
                output->endOf(volts) != RangeEnd::Inside)
                return;
            Values& f = found[{bench, measured}];
            f.values.push_back(volts);
            f.latestAt = at;
        });
    if (error)
        return *error;
    for (const auto& [key, f] : found) {
        GoldenPoint p;
        std::tie(p.host, p.name) = key;
        p.runs = static_cast<int>(f.values.size());
        const std::size_t firsts =
            std::min(f.values.size(), static_cast<std::size_t>(GoldenPoint::firstRuns));
        for (std::size_t i = 0; i < firsts; ++i)
            p.first += f.values[i] / static_cast<double>(firsts);
        p.latest = f.values.back();
        p.latestAt = f.latestAt;
        p.volts = p.latest - p.first;
        p.steps = p.volts / (measuredOutput(p.name, u"V")->spanVolts() / maxReading);
        out.points.push_back(p);
    }
    return out;
}

} // namespace velmor::results
