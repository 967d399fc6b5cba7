#include "GoldenDrift.h"
#include "Text.h"

#include "Measurement.h"
#include "Sql.h"
#include "StoredValues.h"
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
    const auto rows = selectRows(
        db,
        QStringLiteral("SELECT %1 FROM run_measurements m JOIN runs r ON r.id = m.run_id "
                       "WHERE r.unit_serial IN (%2) AND r.end_state = 'completed' AND m.unit = 'V' "
                       "ORDER BY r.started_at, r.id, m.step_seq, m.seq")
            .arg(boundedColumns(db, columns), marks.join(QStringLiteral(", "))),
        values);
    if (const auto* error = std::get_if<QString>(&rows))
        return *error;
    const Rows& answer = std::get<Rows>(rows);
    const Column id = answer.column("id"), serial = answer.column("unit_serial"),
                 host = answer.column("host"), started = answer.column("started_at"),
                 name = answer.column("measured"), value = answer.column("value"),
                 uncertainty = answer.column("uncertainty");
    static const QRegularExpression point(
        QStringLiteral("^(\\+12 V|\\+5 V|\\+3\\.3 V) at P[0-9]+$"));
    std::map<std::tuple<QString, QString, QString>, std::vector<GoldenReading>> found;
    for (const Row& row : answer.rows) {
        QString problem;
        StoredValues v(row, &problem);
        GoldenReading reading{v.id(id), v.time(started), v.measured(value), std::nullopt};
        const QString unit = v.text(serial);
        const QString bench = v.text(host);
        const QString measured = v.text(name);
        if (!v.null(uncertainty))
            reading.uncertainty = v.real(uncertainty, 0, 1e9);
        if (!problem.isEmpty()) {
            out.refused << refusal(Text::tr("measurement of run"), reading.run, problem);
            continue;
        }
        const UnitOutput* output = measuredOutput(measured, u"V");
        // Volts at an end of the unit's range are no reading to compare.
        if (!point.match(measured).hasMatch() || !output ||
            output->endOf(reading.volts) != RangeEnd::Inside)
            continue;
        found[{unit, bench, measured}].push_back(reading);
    }
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
