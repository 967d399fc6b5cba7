#pragma once

#include "RecordList.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace velmor::results {

// Bench against bench: for each model, plan and output's volts at a reference point ("+12 V at
// P1"), each bench's mean over the completed runs of the filter's period against the mean over
// all benches' values, in volts and in the unit's reading steps (the filter's bench unused). A
// bench more than two steps apart reads differently from the others.
struct BenchMean {
    QString host;
    int values = 0;
    double mean = 0;
    double volts = 0; // its mean less the mean over all benches
    double steps = 0; // the same in reading steps of the output
    bool apart() const { return steps > stepsApart || steps < -stepsApart; }
    static constexpr double stepsApart = 2;
};
struct PointAgreement {
    QString model;
    QString plan;
    QString name; // "+12 V at P1"
    int values = 0;
    double mean = 0;                // over all benches
    std::vector<BenchMean> benches; // by name
};
struct BenchAgreement {
    std::vector<PointAgreement> points; // by model, plan and name
    QStringList refused;
};
std::variant<BenchAgreement, QString> benchAgreement(QSqlDatabase& db, int version,
                                                     const ListFilter& filter);

} // namespace velmor::results
