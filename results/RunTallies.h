#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <utility>

namespace velmor {
struct UnitOutput;
}

namespace velmor::results {

// The summary's figures of the completed plan runs, kept as each run ends (schema version 8 on)
// so that the summary reads a few hundred rows rather than every run's measurements:
// - run_tallies: each model, bench and day (UTC): its runs, those that passed (pass or
//   marginal), its units (a run of no named unit stands for a unit of its own) and those whose
//   first run of the group passed;
// - step_fail_tallies: the same groups' fail outcomes by step name;
// - point_tallies: each output at each load point of a points step, by model, plan, step and
//   limits: the count, running mean and sum of squared distances from it (Welford's) of the
//   volts the step kept, those at an end of the unit's range left out.
// Only values the bench writes are counted: a run whose outcome is no verdict, volts beyond what
// the unit reads or limits that do not hold nominal are left out, as an older store's summary
// leaves them out, and the run noted in tally_refusals for the summary to name.

// The outputs a points step names, in the order the summary shows them.
inline constexpr const char* pointOutputs[] = {"+12 V", "+5 V", "+3.3 V"};
const UnitOutput& pointOutputUnit(int output);

// "+12 V at P3": the output (its index in pointOutputs) and the point, as a points step names
// its volts; nothing for another name.
std::optional<std::pair<int, int>> pointOf(const QString& name);

// The tallies of the run that ended: its group counted again from the group's runs, its points'
// volts added. In the transaction that ends it; a run not completed changes nothing.
std::optional<QString> keepRunTallies(QSqlDatabase& db, const QString& runId);

// Every tally from the runs stored, into empty tables: a store brought up to version 8.
std::optional<QString> fillRunTallies(QSqlDatabase& db);

} // namespace velmor::results
