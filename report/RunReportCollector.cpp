#include "RunReportCollector.h"

#include "SweepStep.h"

namespace velmor {

void RunReportCollector::runStarted(const Plan& plan, const UnitIdentity& unit) {
    run_ = {};
    run_.unit = unit;
    run_.planName = plan.name;
    run_.planFile = plan.file;
    run_.profile = plan.context.profile;
    if (plan.context.calibration.isCalibrated())
        run_.calibration = plan.context.calibration.id;
    run_.calibrationWarning = plan.calibrationWarning;
    run_.startedAt = QDateTime::currentDateTimeUtc();
}

RunReportStep* RunReportCollector::step(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= run_.steps.size())
        return nullptr;
    return &run_.steps[static_cast<std::size_t>(index)];
}

void RunReportCollector::stepStarted(int index, const StepSpec& spec) {
    if (index < 0)
        return;
    if (static_cast<std::size_t>(index) >= run_.steps.size())
        run_.steps.resize(static_cast<std::size_t>(index) + 1);
    RunReportStep& s = run_.steps[static_cast<std::size_t>(index)];
    s.kind = spec.kind();
    s.name = spec.name;
    s.startedAt = QDateTime::currentDateTimeUtc();
    if (const auto* sweep = dynamic_cast<const SweepStepSpec*>(&spec))
        s.sweepLimits = sweep->limits();
}

void RunReportCollector::readingTaken(int stepIndex, const StepReading& reading,
                                      Settling settling) {
    RunReportStep* s = step(stepIndex);
    if (!s || !reading.reply) // no link: nothing was read
        return;
    const ReplyFrame& r = *reading.reply;
    const ControlFrame& f = reading.answers;
    const LoadSettings loads = loadSettings(f);
    s->readings.push_back({reading.sinceStartMs, f.supplyOn(), loads.load5, loads.load12,
                           loads.load33, r.b1, r.b2, r.b3, r.b4, settling});
}

void RunReportCollector::stepEnded(int index, const StepResult& result) {
    RunReportStep* s = step(index);
    if (!s)
        return;
    s->endedAt = QDateTime::currentDateTimeUtc();
    s->outcome = result.outcome;
    s->measurements = result.measurements;
    s->keyFigure = result.keyFigure;
    s->reason = storedFinding(result.finding);
    s->judged = result.judged;
    s->unsettled = result.unsettled;
}

void RunReportCollector::runEnded(Outcome outcome, RunEnd how) {
    run_.endedAt = QDateTime::currentDateTimeUtc();
    run_.outcome = outcome;
    run_.endState = runEndState(outcome, how);
}

} // namespace velmor
