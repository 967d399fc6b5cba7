#include "RefusedFile.h"

#include <QFileInfo>

namespace velmor {

void recordRefusedFile(PlanRecorder& recorder, const PlanError& error, const UnitIdentity& unit) {
    Plan plan;
    plan.name = QFileInfo(error.file).completeBaseName();
    plan.file = error.file;
    recorder.runStarted(plan, unit);
    StepResult refused;
    refused.outcome = Outcome::Error;
    refused.finding = Finding{Finding::Kind::FileRefused, error.text(), {}, {}};
    recorder.stepEnded(0, refused);
    recorder.runEnded(Outcome::Error, RunEnd::Aborted);
}

} // namespace velmor
