#include "PlanRun.h"

#include "LoadFrame.h"
#include "Reading.h"

#include <cmath>

namespace velmor {

namespace {

// A reply as the settled rule sees it: the frame it answers and its volts over nominal.
RunReading replyReading(const StepReading& reading) {
    const LoadSettings loads = loadSettings(reading.answers);
    const Reading volts = graphReading(*reading.reply);
    return runReading(reading.sinceStartMs, reading.answers.supplyOn(), loads, volts.volts5,
                      volts.volts12, volts.volts33);
}

} // namespace

const StepResult* decidingStep(const std::vector<StepResult>& steps, Outcome outcome) {
    if (outcome == Outcome::Pass)
        return nullptr;
    for (const StepResult& step : steps)
        if (step.outcome == outcome)
            return &step;
    return nullptr;
}

Outcome planOutcome(RunEnd end, const std::vector<StepResult>& steps) {
    switch (end) {
    case RunEnd::Aborted:
        return Outcome::Aborted;
    case RunEnd::LinkLost:
        return Outcome::Error;
    case RunEnd::Completed:
        break;
    }
    Outcome worst = Outcome::Pass;
    for (const StepResult& step : steps)
        worst = worse(worst, step.outcome);
    return worst;
}

PlanRun::PlanRun(Plan plan, UnitIdentity unit, PlanRecorder* recorder)
    : plan_(std::move(plan)), unit_(std::move(unit)), recorder_(recorder),
      settle_(settleTime(plan_.context.settleMs, plan_.context.paceByReplies, planTickMs)) {
    if (!plan_.steps.empty()) {
        step_ = plan_.steps.front()->make(plan_.context);
        first_ = step_->firstFrame();
        lastSent_ = *first_;
    }
}

PlanRun::~PlanRun() = default;

std::optional<ControlFrame> PlanRun::firstFrame() const {
    return first_;
}

std::optional<ControlFrame> PlanRun::endFrame() const {
    return controlFrame(lastSent_.supplyOn(), 0, 0, 0);
}

int PlanRun::tickMs() const {
    return planTickMs;
}

double PlanRun::stepProgress() const {
    return step_ && index_ < static_cast<int>(plan_.steps.size()) ? step_->progress() : 1;
}

void PlanRun::endStep(StepResult result) {
    results_.push_back(std::move(result));
    ++index_;
    step_ = index_ < static_cast<int>(plan_.steps.size()) ? stepSpec(index_).make(plan_.context)
                                                          : nullptr;
}

// The step under way fails at once with what decided it and nothing more is run; the
// answer is the step's end, so its end frame takes the loads off on this tick.
StepAnswer PlanRun::endRun(StepResult result, Finding finding) {
    result.outcome = Outcome::Fail; // whatever the step made of the readings before
    result.finding = std::move(finding);
    ++result.unsettled;
    results_.push_back(std::move(result));
    index_ = static_cast<int>(plan_.steps.size());
    step_.reset();
    taken_->stepEnded = true;
    StepAnswer answer;
    answer.use = ReadingUse::Unsettled;
    answer.done = true;
    return answer;
}

StepAnswer PlanRun::take(const StepReading& reading) {
    taken_.reset();
    StepAnswer answer;
    if (!step_) {
        answer.done = true;
        return answer;
    }
    lastMs_ = reading.sinceStartMs;
    if (!reading.reply)
        return answer; // no reading: nothing for the settled rule or the step
    const RunReading r = replyReading(reading);
    const Settling settling = settle_.next(r);
    taken_ = Taken{index_, settling, false};
    lastReplyMs_ = reading.sinceStartMs;
    if (settle_.didNotPowerOn()) {
        StepResult result = step_->result();
        result.measurements.push_back({QStringLiteral("supply did not power on"),
                                       0,
                                       QString(),
                                       {},
                                       Outcome::Fail,
                                       std::nullopt});
        result.keyFigure = QStringLiteral("the supply did not power on within %1 s")
                               .arg(powerOnTimeoutMs / 1000.0);
        return endRun(std::move(result), Finding{Finding::Kind::NoPower, {}, {}, {}});
    }
    if (shutdown_.shutDown(r) && !step_->expectsShutdown()) {
        taken_->settling = Settling::ShutDown;
        StepResult result = step_->result();
        return endRun(std::move(result),
                      Finding{Finding::Kind::ShutDown,
                              {},
                              step_->where(),
                              loadsText(loadAmps(loadSettings(reading.answers)))});
    }
    answer = step_->take(reading, settling);
    if (answer.done) {
        StepResult result = step_->result();
        // A step that judged nothing because the supply never came up: it did not power on.
        if (result.outcome == Outcome::Error && r.supplyOn && !shutdown_.up())
            return endRun(std::move(result), Finding{Finding::Kind::NoPower, {}, {}, {}});
        taken_->stepEnded = true;
        endStep(std::move(result));
        if (step_) {
            answer.frame = step_->firstFrame();
            answer.done = false;
        }
    }
    if (answer.frame)
        lastSent_ = *answer.frame;
    return answer;
}

void PlanRun::runStarted() {
    if (recorder_) {
        recorder_->runStarted(plan_, unit_);
        if (!plan_.steps.empty())
            recorder_->stepStarted(0, stepSpec(0));
    }
}

void PlanRun::readingTaken(const StepReading& reading, const StepAnswer&) {
    if (!recorder_ || !taken_)
        return;
    recorder_->readingTaken(taken_->step, reading, taken_->settling);
    if (taken_->stepEnded) {
        recorder_->stepEnded(taken_->step, results_.at(static_cast<std::size_t>(taken_->step)));
        if (step_)
            recorder_->stepStarted(index_, stepSpec(index_));
    }
    taken_.reset();
}

void PlanRun::runEnded(RunEnd end) {
    if (step_) { // the step under way keeps what it has, with the run's outcome
        StepResult partial = step_->result();
        partial.outcome = worse(partial.outcome, planOutcome(end, {}));
        // The port gone, or how long the unit had been silent when the run gave up.
        if (end == RunEnd::LinkLost && portLost_)
            partial.finding = Finding{Finding::Kind::PortLost, *portLost_, {}, {}};
        else if (end == RunEnd::LinkLost)
            partial.finding = Finding{
                Finding::Kind::NoReply,
                QString::number(std::lround(static_cast<double>(lastMs_ - lastReplyMs_) / 1000)),
                {},
                {}};
        results_.push_back(std::move(partial));
        step_.reset();
        if (recorder_)
            recorder_->stepEnded(index_, results_.back());
    }
    outcome_ = planOutcome(end, results_);
    if (recorder_)
        recorder_->runEnded(*outcome_, end);
}

QString runEndState(Outcome outcome, RunEnd how) {
    if (how == RunEnd::LinkLost)
        return QStringLiteral("link-lost");
    if (outcome == Outcome::Error || outcome == Outcome::Aborted)
        return QStringLiteral("aborted");
    return QStringLiteral("completed");
}

} // namespace velmor
