#include "Repeatability.h"
#include "Text.h"

#include "Measurement.h"
#include "NumberText.h"
#include "Printable.h"
#include "RecordText.h"
#include "Sql.h"
#include "StoredRows.h"
#include "Table.h"
#include "Unit.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <tuple>

namespace velmor::results {

namespace {

QString orDash(const std::optional<double>& value, int decimals) {
    return value ? fixed(*value, decimals) : QStringLiteral("-");
}

} // namespace

std::optional<double> MeasurementSpread::tolerance() const {
    if (!low || !high || *high <= *low)
        return std::nullopt;
    return *high - *low;
}

std::optional<double> MeasurementSpread::grr() const {
    const auto width = tolerance();
    const auto sigma = values.sigma();
    if (!width || !sigma)
        return std::nullopt;
    return 6 * *sigma / *width * 100;
}

GrrRating ratingOf(double grr) {
    return grr < 10    ? GrrRating::Good
           : grr <= 30 ? GrrRating::Acceptable
                       : GrrRating::NotAcceptable;
}

QString ratingText(GrrRating rating) {
    switch (rating) {
    case GrrRating::Good:
        return Text::tr("good");
    case GrrRating::Acceptable:
        return Text::tr("acceptable");
    case GrrRating::NotAcceptable:
        break;
    }
    return Text::tr("not acceptable");
}

std::variant<Repeatability, QString> repeatability(QSqlDatabase& db, int version,
                                                   const QString& serial, const QString& plan) {
    Repeatability out;
    if (version < 4) // a store from before plan runs holds none
        return out;
    using Key =
        std::tuple<int, QString, QString, QString, std::optional<double>, std::optional<double>>;
    std::map<Key, MeasurementSpread> found;
    std::vector<Key> order;
    std::set<QString> runs;
    auto error = eachStoredRow(
        db,
        QStringLiteral("SELECT %1 FROM run_measurements m "
                       "JOIN run_steps s ON s.run_id = m.run_id AND s.seq = m.step_seq "
                       "JOIN runs r ON r.id = m.run_id "
                       "WHERE r.unit_serial = ? AND r.plan_name = ? AND r.end_state = 'completed' "
                       "ORDER BY m.step_seq, m.seq, r.started_at")
            .arg(boundedColumns(db, u"m.run_id, m.step_seq, s.name AS step_name, m.name AS "
                                    u"measured, m.value, m.unit, m.low, m.high")),
        {serial, plan}, {Text::tr("measurement of run"), "run_id"}, out.refused,
        [&](const QString& run, StoredRow& row) {
            MeasurementSpread m;
            m.stepSeq = row.number("step_seq", 0, std::numeric_limits<int>::max());
            m.step = row.text("step_name");
            m.name = canonicalRecordText(row.text("measured"));
            m.unit = row.text("unit");
            const double measured = row.measured("value");
            m.low = row.optionalMeasured("low");
            m.high = row.optionalMeasured("high");
            if (row.refused())
                return;
            runs.insert(run);
            // Volts at an end of the unit's range say only that the output was there or beyond.
            const UnitOutput* output = measuredOutput(m.name, m.unit);
            if (output && output->endOf(measured) != RangeEnd::Inside)
                return;
            const Key key{m.stepSeq, m.step, m.name, m.unit, m.low, m.high};
            auto at = found.find(key);
            if (at == found.end()) {
                at = found.emplace(key, m).first;
                order.push_back(key);
            }
            at->second.values.add(measured);
        });
    if (error)
        return *error;
    out.runs = static_cast<int>(runs.size());
    for (const Key& key : order)
        out.measurements.push_back(found.at(key));
    return out;
}

QString repeatabilityText(const Repeatability& r) {
    if (r.runs == 0)
        return Text::tr("no completed run of this unit on this plan\n");
    std::vector<QStringList> rows;
    for (const MeasurementSpread& m : r.measurements) {
        const auto grr = m.grr();
        rows.push_back({QString::number(m.stepSeq + 1), printable(m.step),
                        printable(shownRecordText(m.name)), QString::number(m.values.count()),
                        fixed(m.values.mean(), 4), orDash(m.values.sigma(), 5), printable(m.unit),
                        orDash(m.tolerance(), 4), grr ? fixed(*grr, 2) + " %" : QStringLiteral("-"),
                        grr ? ratingText(ratingOf(*grr)) : QStringLiteral("-")});
    }
    return alignedTable({Text::tr("step"), Text::tr("name"), Text::tr("measurement"), Text::tr("n"),
                         Text::tr("mean"), Text::tr("sigma"), Text::tr("unit"),
                         Text::tr("tolerance"), Text::tr("%GRR"), Text::tr("rating")},
                        rows) +
           Text::tr("%1 completed runs; %GRR = 6 sigma / tolerance x 100: below 10 % good, 10 to "
                    "30 % acceptable, above 30 % not acceptable\n")
               .arg(r.runs);
}

} // namespace velmor::results
