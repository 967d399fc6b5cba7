#pragma once

#include "PlanStep.h"
#include "PlanTable.h"

#include <memory>
#include <span>

namespace velmor {

// A kind of step the plan files may name: its word and how a step of it is read from its table
// (nothing when the table had an error, which the table holds).
struct StepKind {
    const char* name;
    std::shared_ptr<StepSpec> (*read)(PlanTable& table);
};

// Every kind, in the order --check-plan lists them.
std::span<const StepKind> stepKinds();

// Each kind's reader, defined in the kind's own file.
std::shared_ptr<StepSpec> readPointsStep(PlanTable& table);
std::shared_ptr<StepSpec> readSweepStep(PlanTable& table);
std::shared_ptr<StepSpec> readTripStep(PlanTable& table);
std::shared_ptr<StepSpec> readHoldStep(PlanTable& table);

} // namespace velmor
