#pragma once

#include "Capability.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace velmor::web {

// The completed plan runs of one model on one bench on one day (UTC). A run passed with the
// verdict pass or marginal: marginal is inside the limits.
struct RunGroup {
    QString model;
    QString host;
    QString day;
    int runs = 0;
    int passed = 0;
    int units = 0;       // a run of no named unit stands for a unit of its own
    int firstPassed = 0; // units whose first run of the group passed
    QString failingStep; // the step names with the most fail outcomes, ", " between names as
                         // many; empty for none
};

// One output at one reference load point: the volts of a load point of a points step, as that
// step keeps it (the reading furthest from nominal over the point's settled readings), over the
// completed runs of one model and plan, against the limits stored with it as LSL and USL. A
// profile changed between runs gives a row of its own for each pair of limits.
struct PointCapability {
    QString model;
    QString plan;
    QString step;
    int stepSeq = 0; // the lowest seen, to keep the plan's order
    int point = 0;   // 1 for "P1"
    int output = 0;  // 0 +12 V, 1 +5 V, 2 +3.3 V
    results::Capability values;
};

struct RunSummary {
    std::vector<RunGroup> groups;        // by model, bench and day
    std::vector<PointCapability> points; // by model, plan, step, point and output
    QStringList refused;                 // each row left out and why
};

// The output names of PointCapability::output.
QString outputName(int output);

// From the tallies kept as the runs ended (schema version 8 on), or in an older store from three
// queries over every completed run; the runs' readings are never read. Every value is checked
// as the bench writes it; a row that breaks that is left out, named in refused.
std::variant<RunSummary, QString> summariseRuns(QSqlDatabase& db, int version);

} // namespace velmor::web
