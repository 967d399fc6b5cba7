#pragma once

#include "RunRead.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace velmor::results {

// What velmor-results does with a stored plan run.

// show: the run's plan, unit and times, its steps with their measurements and limits, and its
// readings counted by whether they were judged.
QString runText(const StoredRun& run);

// The run as test-record frameworks keep one: the unit, the station, its times and outcome, and
// its steps as phases with their measurements.
QByteArray runJson(const StoredRun& run);
// JUnit XML: one test case per step, a failure for a failing one, an error for one that could
// not go on, a marginal one passing with its outcome as a property.
QByteArray runJunit(const StoredRun& run);
// One line per run: unit, model, date, bench, operator, plan, outcome and key figures.
QByteArray runsCsv(const std::vector<StoredRun>& runs);

// Writes the run as JSON ("json") or JUnit XML ("junit") into the folder as
// run-<short id>.json or .xml; the file written or why not.
std::variant<QStringList, QString> exportRun(const StoredRun& run, const QString& format,
                                             const QString& folder);
// A CSV field, printable: quoted where it holds a comma or a quote.
QString csvField(const QString& text);

// Writes runs.csv into the folder.
std::variant<QStringList, QString> exportRuns(const std::vector<StoredRun>& runs,
                                              const QString& folder);

} // namespace velmor::results
