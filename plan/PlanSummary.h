#pragma once

#include "Plan.h"

#include <QString>

namespace velmor {

// What --check-plan prints of a plan that was read: its name, the supply, the profile, one line
// per step with its estimated time, and the total. Lines end in '\n'.
QString describePlan(const Plan& plan);

// A duration for a person: "45 s", "3 min 20 s", "2 h 5 min".
QString durationText(qint64 ms);

} // namespace velmor
