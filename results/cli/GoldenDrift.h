#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace velmor::results {

// One completed run's volts of a golden unit at a reference point.
struct GoldenReading {
    QString run;
    QString at; // the run's start, UTC
    double volts = 0;
    std::optional<double> uncertainty; // ± volts (k = 2), where the run was judged calibrated
};

// A golden unit, a known-good supply a lab tests now and then, on each bench: for each output's
// volts at a reference point ("+12 V at P1"), its readings there over time against its first
// runs' mean on that bench (the first three), in volts and the unit's reading steps. A bench has
// drifted when the latest reading moved by more than its uncertainty, where that run was judged
// with a calibration, else by more than two steps.
struct GoldenPoint {
    QString serial;
    QString host;
    QString name;
    std::vector<GoldenReading> readings; // oldest first
    double first = 0;                    // the mean of its first three values on the bench
    double stepVolts = 0;                // one reading step of the output

    const GoldenReading& latest() const { return readings.back(); }
    // A reading's distance from the first runs' mean.
    double moved(const GoldenReading& r) const { return r.volts - first; }
    double inSteps(const GoldenReading& r) const { return moved(r) / stepVolts; }
    // The move the bench is held to, in volts, and whether the reading's uncertainty set it.
    bool byUncertainty() const { return latest().uncertainty.has_value(); }
    double boundVolts() const { return latest().uncertainty.value_or(stepsMoved * stepVolts); }
    bool drifted() const {
        const double m = moved(latest());
        return m > boundVolts() || m < -boundVolts();
    }
    static constexpr double stepsMoved = 2;
    static constexpr int firstRuns = 3;
};
struct GoldenDrift {
    std::vector<GoldenPoint> points; // by serial, then bench, then name
    QStringList refused;
};
std::variant<GoldenDrift, QString> goldenDrift(QSqlDatabase& db, int version,
                                               const QStringList& serials);

} // namespace velmor::results
