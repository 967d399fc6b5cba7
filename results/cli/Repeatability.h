#pragma once

#include "Capability.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// The bench's repeatability on one unit: each measurement of the unit's completed runs of one
// plan, over those runs. A change of limits between runs gives a row of its own.
struct MeasurementSpread {
    int stepSeq = 0;
    QString step;
    QString name; // canonical, as stored
    QString unit;
    std::optional<double> low, high;
    Capability values{0, 0};
    // The tolerance's width (high - low); nothing for a value held to one limit or none.
    std::optional<double> tolerance() const;
    // %GRR = 6σ / tolerance × 100; nothing without both.
    std::optional<double> grr() const;
};

// The usual measurement-system rating of a %GRR: below 10 % good, 10 to 30 % acceptable, above
// 30 % not acceptable.
enum class GrrRating { Good, Acceptable, NotAcceptable };
GrrRating ratingOf(double grr);
// "good", "acceptable", "not acceptable" in the run's language.
QString ratingText(GrrRating rating);

struct Repeatability {
    int runs = 0;
    std::vector<MeasurementSpread> measurements; // in the plan's order
    QStringList refused;                         // each value left out and why
};
std::variant<Repeatability, QString> repeatability(QSqlDatabase& db, int version,
                                                   const QString& serial, const QString& plan);

// velmor-results repeatability: the table and a line on how it is rated.
QString repeatabilityText(const Repeatability& r);

} // namespace velmor::results
