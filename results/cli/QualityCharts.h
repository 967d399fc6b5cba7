#pragma once

#include "Capability.h"
#include "RecordList.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// The first-pass yield of each day for each model: the units first tested that day (UTC) over
// the completed plan runs of the filter's model, bench and period, and how many of them passed
// their first run (pass or marginal). A run of no serial stands for a unit of its own.
struct DayYield {
    QString model;
    QString day;
    int units = 0;
    int firstPassed = 0;
};
struct YieldByDay {
    std::vector<DayYield> days; // by model, then day
    QStringList refused;
};
std::variant<YieldByDay, QString> yieldByDay(QSqlDatabase& db, int version,
                                             const ListFilter& filter);

// A control chart's values: one measurement (by its stored name, "+12 V at P1") of the completed
// runs of the filter's model, bench and period, in the order the runs started, with the limits of
// the newest and the spread of all. Volts at an end of the unit's range are left out.
struct ChartPoint {
    QString at; // the run's start
    double value = 0;
};
struct ControlValues {
    std::vector<ChartPoint> points;
    std::optional<double> low, high; // the newest run's limits
    Capability spread{0, 0};         // against those limits
    QStringList refused;
    // The mean ± 3σ; nothing for fewer than two values.
    std::optional<std::pair<double, double>> controlLimits() const;
};
std::variant<ControlValues, QString> controlValues(QSqlDatabase& db, int version,
                                                   const ListFilter& filter, const QString& name);

} // namespace velmor::results
