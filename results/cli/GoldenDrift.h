#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace velmor::results {

// A golden unit, a known-good supply a lab tests now and then, on each bench: for each output's
// volts at a reference point ("+12 V at P1"), its first runs' mean on that bench (the first
// three) against its latest value there, in volts and the unit's reading steps. A bench whose
// golden readings moved by more than two steps has drifted.
struct GoldenPoint {
    QString host;
    QString name;
    int runs = 0;
    double first = 0; // the mean of its first three values on the bench
    double latest = 0;
    QString latestAt;
    double volts = 0; // latest less first
    double steps = 0;
    bool drifted() const { return steps > stepsMoved || steps < -stepsMoved; }
    static constexpr double stepsMoved = 2;
    static constexpr int firstRuns = 3;
};
struct GoldenDrift {
    std::vector<GoldenPoint> points; // by bench, then name
    QStringList refused;
};
std::variant<GoldenDrift, QString> goldenDrift(QSqlDatabase& db, int version,
                                               const QString& serial);

} // namespace velmor::results
