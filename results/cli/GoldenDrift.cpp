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

std::variant<GoldenDrift, QString> goldenDrift(QSqlDatabase& db, int version,
                                               const QStringList& serials) {
    GoldenDrift out;
    if (version < 4 || serials.isEmpty())
        return out;
    // A store from before calibrations keeps no uncertainty.
    const QString columns =
        QStringLiteral("r.id, r.unit_serial, r.host, r.started_at, m.name AS measured, m.value, ") +
        (version >= 7 ? QStringLiteral("m.uncertainty") : QStringLiteral("NULL AS uncertainty"));
    QStringList marks;
    QVariantList values;
    for (const QString& serial : serials) {
        marks << QStringLiteral("?");
        values << serial;
    }
    static const QRegularExpression point(
        QStringLiteral("^(\\+12 V|\\+5 V|\\+3\\.3 V) at P[0-9]+$"));
    std::map<std::tuple<QString, QString, QString>, std::vector<GoldenReading>> found;
    auto error = eachStoredRow(
        db,
        QStringLiteral("SELECT %1 FROM run_measurements m JOIN runs r ON r.id = m.run_id "
                       "WHERE r.unit_serial IN (%2) AND r.end_state = 'completed' AND m.unit = 'V' "
                       "ORDER BY r.started_at, r.id, m.step_seq, m.seq")
            .arg(boundedColumns(db, columns), marks.join(QStringLiteral(", "))),
        values, {Text::tr("measurement of run")}, out.refused,
        [&](const QString& run, StoredRow& row) {
            GoldenReading reading{run, row.time("started_at"), row.measured("value"), std::nullopt};
            const QString unit = row.text("unit_serial");
            const QString bench = row.text("host");
            const QString measured = row.text("measured");
            if (!row.null("uncertainty"))
                reading.uncertainty = row.real("uncertainty", 0, 1e9);
            if (row.refused())
                return;
            const UnitOutput* output = measuredOutput(measured, u"V");
            // Volts at an end of the unit's range are no reading to compare.
            if (!point.match(measured).hasMatch() || !output ||
                output->endOf(reading.volts) != RangeEnd::Inside)
                return;
            found[{unit, bench, measured}].push_back(reading);
        });
    if (error)
        return *error;
    for (auto& [key, readings] : found) {
        GoldenPoint p;
        std::tie(p.serial, p.host, p.name) = key;
        const std::size_t firsts =
            std::min(readings.size(), static_cast<std::size_t>(GoldenPoint::firstRuns));
        for (std::size_t i = 0; i < firsts; ++i)
            p.first += readings[i].volts / static_cast<double>(firsts);
        p.stepVolts = measuredOutput(p.name, u"V")->spanVolts() / maxReading;
        p.readings = std::move(readings);
        out.points.push_back(std::move(p));
    }
    return out;
}

} // namespace velmor::results
