#pragma once

#include "RunRead.h"
#include "RunReport.h"

#include <QStringList>

#include <variant>

namespace velmor::results {

// A stored run as its report takes it: times from the run's start, the profile and each sweep
// step's limits from the plan text kept with it (each sweep's map is drawn from its readings).
std::variant<RunReportInput, QString> runReportInput(const StoredRun& run);

// `report ID` of a run: "run-<id8>.pdf" in the folder; the path written, or why not.
std::variant<QStringList, QString> reportRun(const StoredRun& run, const QString& folder);

} // namespace velmor::results
