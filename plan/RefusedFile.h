#pragma once

#include "PlanError.h"
#include "PlanRecorder.h"

namespace velmor {

// A plan or models file refused as a unit was to be tested: the bench could not test. Kept as a
// run of its own, outcome error with the refusal as its reason, as a run whose link was lost is.
void recordRefusedFile(PlanRecorder& recorder, const PlanError& error, const UnitIdentity& unit);

} // namespace velmor
