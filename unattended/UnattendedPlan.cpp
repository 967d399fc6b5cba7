#include "UnattendedPlan.h"

#include "Printable.h"
#include "ProgressLines.h"
#include "RecordText.h"
#include "RunReport.h"

#include <algorithm>

namespace velmor {

namespace {

// A plain progress line in a log this often; a terminal's is redrawn every tick.
constexpr qint64 plainLineMs = 60 * 1000;

} // namespace

UnattendedPlan::UnattendedPlan(Plan plan, PlanRunSettings settings, const PortFactory& makePort,
                               Output output)
    : UnattendedRun(output, planCouldNotRun), run_(std::move(plan), std::move(settings), makePort) {
    follow(run_, run_.settings().linkTimeoutSeconds,
           tr("serial port open again; the plan goes on"));
    connect(&run_, &AutomaticRun::ticked, this,
            [this](const StepReading& reading, const StepAnswer&) { ticked(reading); });
    connect(&run_, &AutomaticRun::switchedOff, this, &UnattendedPlan::switchedOff);
}

UnattendedPlan::~UnattendedPlan() = default;

void UnattendedPlan::showStepsEnded() {
    const PlanRun& run = run_.planRun();
    const auto& results = run.results();
    for (; stepsEnded_ < results.size(); ++stepsEnded_) {
        const int index = static_cast<int>(stepsEnded_);
        const StepResult& r = results[stepsEnded_];
        // A step cut short has no key figure of its own: what ended it instead.
        const QString figure = r.keyFigure.isEmpty() && r.finding ? findingText(*r.finding)
                                                                  : shownRecordText(r.keyFigure);
        line(stepEndLine(index + 1, run_.steps(), results::printable(run.stepSpec(index).name),
                         r.outcome, results::printable(figure)));
    }
}

void UnattendedPlan::ticked(const StepReading& reading) {
    showStepsEnded();
    showProgress(reading.sinceStartMs);
}

void UnattendedPlan::showProgress(qint64 elapsedMs) {
    const auto progress = run_.progress(elapsedMs);
    if (!progress)
        return;
    const bool newStep = stepShown_ != progress->step;
    stepShown_ = progress->step;
    const QString text = planProgressLine(*progress);
    if (output_.terminal) {
        redraw(text);
    } else if (newStep || lineShownMs_ < 0 || elapsedMs - lineShownMs_ >= plainLineMs) {
        lineShownMs_ = elapsedMs;
        line(text);
    }
}

void UnattendedPlan::switchedOff(RunEnd end) {
    showStepsEnded();
    status_ = concluded(end);
}

int UnattendedPlan::concluded(RunEnd end) {
    const PlanRun& run = run_.planRun();
    const int steps = run_.steps();
    const QString plan = results::printable(run.plan().name);
    const QString unit = results::printable(run_.settings().unit.serial);
    if (end == RunEnd::Aborted) {
        line(tr("%1: plan \"%2\" on %3 stopped at step %4 of %5; supply and loads off")
                 .arg(outcomeWord(Outcome::Aborted), plan, unit)
                 .arg(std::min(run.stepIndex() + 1, steps))
                 .arg(steps));
        return planCouldNotRun;
    }
    if (end == RunEnd::LinkLost && run_.portLostReason())
        say(tr("the serial port did not come back within %1 s; the plan run is given up")
                .arg(run_.settings().linkTimeoutSeconds));
    else if (end == RunEnd::LinkLost)
        say(tr("no reply from the unit for %1 s; the plan run is given up")
                .arg(run_.settings().linkTimeoutSeconds));
    const Outcome outcome =
        end == RunEnd::LinkLost ? Outcome::Error : run.outcome().value_or(Outcome::Error);
    const auto& results = run.results();
    const StepResult* deciding = decidingStep(results, outcome);
    QString why;
    const int at = deciding ? static_cast<int>(deciding - results.data()) : 0;
    if (outcome == Outcome::Pass)
        why = tr("%n step(s) passed", nullptr, steps);
    else if (outcome == Outcome::Error && deciding && deciding->finding)
        why = tr("the bench could not test (step %1 of %2): %3")
                  .arg(at + 1)
                  .arg(steps)
                  .arg(findingText(*deciding->finding));
    else if (deciding)
        why =
            tr("step \"%1\": %2")
                .arg(results::printable(run.stepSpec(at).name),
                     results::printable(deciding->finding ? findingText(*deciding->finding)
                                                          : shownRecordText(deciding->keyFigure)));
    else if (end == RunEnd::LinkLost)
        why = tr("the link was lost at step %1 of %2")
                  .arg(std::min(run.stepIndex() + 1, steps))
                  .arg(steps);
    else
        why = tr("stopped at step %1 of %2").arg(std::min(run.stepIndex() + 1, steps)).arg(steps);
    line(tr("%1: plan \"%2\" on %3: %4").arg(outcomeWord(outcome), plan, unit, why));
    if (end == RunEnd::Completed && run_.settings().report && !writeReport())
        return planCouldNotRun;
    return planExitStatus(outcome);
}

bool UnattendedPlan::writeReport() {
    const auto saved = run_.saveReport();
    if (saved.error) {
        say(tr("the report was not written: %1").arg(results::printable(*saved.error)));
        return false;
    }
    line(tr("report: %1").arg(results::printable(saved.path)));
    return true;
}

} // namespace velmor

#include "moc_UnattendedPlan.cpp"
