#pragma once

#include "Outcome.h"
#include "UnitIdentity.h"

#include <QString>

namespace velmor {

// A test plan asked for on the command line: the file, run without a window on the unit named.
struct PlanRequest {
    QString file;
    bool report = false;         // also write the run's PDF report
    int linkTimeoutSeconds = 30; // how long to wait for a lost or silent unit
    UnitIdentity unit{};         // --unit (required), --model, --operator
};

// How a plan run ends, as the program's exit status. A marginal pass passes: production lines
// take 0 as "ship it", and the run prints MARGINAL for whoever reads the log.
enum PlanExit { planPassed = 0, planCouldNotRun = 1, planFailed = 2 };

constexpr int planExitStatus(Outcome outcome) {
    switch (outcome) {
    case Outcome::Pass:
    case Outcome::Marginal:
        return planPassed;
    case Outcome::Fail:
        return planFailed;
    case Outcome::Error:
    case Outcome::Aborted:
        break;
    }
    return planCouldNotRun;
}

} // namespace velmor
