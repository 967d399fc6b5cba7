#pragma once

#include "MapsFolder.h"
#include "Plan.h"
#include "PlanRecorder.h"
#include "PlanRequest.h"
#include "SerialPort.h"

#include <QString>

#include <optional>

namespace velmor {

// The plan file read and checked in full; a refusal is printed on stderr as
// "file:line:column: what".
std::optional<Plan> loadPlan(const QString& file);

// --check-plan: the plan's steps and its estimated duration on stdout; 0 when the plan is good,
// 1 when it is refused.
int checkPlan(const QString& file);

// Runs the plan on port 1 to its end, or until SIGINT, SIGTERM or SIGHUP, keeping the machine
// awake meanwhile, and returns the exit status (PlanExit). The recorder, if any, keeps the run's
// test record; the report, if asked for, goes into the maps folder.
int runUnattendedPlan(Plan plan, const PlanRequest& request, const PortFactory& makePort,
                      const MapsFolder& reports, PlanRecorder* recorder = nullptr);

} // namespace velmor
