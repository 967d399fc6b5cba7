#include "UnattendedPlan.h"

#include "Printable.h"
#include "Reading.h"
#include "RecordText.h"
#include "RunOutput.h"
#include "RunReport.h"

#include <QDir>
#include <QSysInfo>

#include <algorithm>

namespace velmor {

namespace {

void say(const QString& line) {
    std::fprintf(stderr, "velmor-test: %s\n", qPrintable(line));
    std::fflush(stderr);
}

// A plain progress line in a log this often; a terminal's is redrawn every tick.
constexpr qint64 plainLineMs = 60 * 1000;

} // namespace

UnattendedPlan::UnattendedPlan(Plan plan, PlanRequest request, const PortFactory& makePort,
                               Output output, MapsFolder reports, PlanRecorder* recorder)
    : request_(std::move(request)), output_(output), reports_(std::move(reports)),
      recorders_(recorder, request_.report ? &report_ : nullptr),
      run_(std::move(plan), request_.unit, &recorders_),
      engine_(run_, makePort, request_.linkTimeoutSeconds, &run_) {
    progress_.steps = static_cast<int>(run_.plan().steps.size());
    connect(&engine_, &TestRun::ticked, this, &UnattendedPlan::ticked);
    connect(&engine_, &TestRun::linkChanged, this, &UnattendedPlan::linkChanged);
    connect(&engine_, &TestRun::switchedOff, this, &UnattendedPlan::switchedOff);
    connect(&engine_, &TestRun::finished, this, [this] { emit finished(status_); });
}

UnattendedPlan::~UnattendedPlan() = default;

std::optional<QString> UnattendedPlan::start() {
    return engine_.start();
}

void UnattendedPlan::interrupt() {
    engine_.interrupt();
}

void UnattendedPlan::line(const QString& text) {
    if (output_.terminal && drawnWidth_ > 0) {
        std::fprintf(output_.stream, "\r%*s\r", drawnWidth_, "");
        drawnWidth_ = 0;
    }
    std::fprintf(output_.stream, "%s\n", qPrintable(text));
    flush();
}

void UnattendedPlan::flush() {
    // Stopped once the tick that wrote has been answered.
    if (outputJustLost(output_.stream, outputLost_))
        QMetaObject::invokeMethod(this, &UnattendedPlan::interrupt, Qt::QueuedConnection);
}

void UnattendedPlan::showStepsEnded() {
    const auto& results = run_.results();
    for (; stepsShown_ < results.size(); ++stepsShown_) {
        const int index = static_cast<int>(stepsShown_);
        const StepResult& r = results[stepsShown_];
        // A step cut short has no key figure of its own: what ended it instead.
        const QString figure = r.keyFigure.isEmpty() && r.finding ? findingText(*r.finding)
                                                                  : shownRecordText(r.keyFigure);
        line(stepEndLine(index + 1, progress_.steps, results::printable(run_.stepSpec(index).name),
                         r.outcome, results::printable(figure)));
    }
}

void UnattendedPlan::ticked(const StepReading& reading, const StepAnswer&) {
    showStepsEnded();
    if (reading.reply) {
        const Reading volts = graphReading(*reading.reply);
        progress_.volts5 = volts.volts5;
        progress_.volts12 = volts.volts12;
        progress_.volts33 = volts.volts33;
    }
    showProgress(reading.sinceStartMs);
}

void UnattendedPlan::showProgress(qint64 elapsedMs) {
    const int index = run_.stepIndex();
    if (index < 0 || index >= progress_.steps)
        return;
    const Plan& plan = run_.plan();
    const bool newStep = progress_.step != index + 1;
    PlanProgress& p = progress_;
    p.step = index + 1;
    p.name = results::printable(run_.stepSpec(index).name);
    p.fraction = run_.stepProgress();
    p.elapsedMs = elapsedMs;
    double remaining =
        static_cast<double>(plan.steps[index]->estimatedMs(plan.context)) * (1 - p.fraction);
    for (int i = index + 1; i < p.steps; ++i)
        remaining += static_cast<double>(plan.steps[i]->estimatedMs(plan.context));
    p.remainingMs = static_cast<qint64>(remaining);
    const QString text = planProgressLine(p);
    if (output_.terminal) {
        const int width = static_cast<int>(text.size());
        std::fprintf(output_.stream, "\r%s%*s", qPrintable(text), std::max(0, drawnWidth_ - width),
                     "");
        drawnWidth_ = width;
        flush();
    } else if (newStep || lineShownMs_ < 0 || elapsedMs - lineShownMs_ >= plainLineMs) {
        lineShownMs_ = elapsedMs;
        line(text);
    }
}

void UnattendedPlan::linkChanged(const std::optional<QString>& lostReason) {
    if (output_.terminal && drawnWidth_ > 0) {
        std::fputc('\n', output_.stream);
        drawnWidth_ = 0;
    }
    if (lostReason)
        say(tr("serial port lost (%1); waiting up to %2 s for it")
                .arg(*lostReason)
                .arg(request_.linkTimeoutSeconds));
    else
        say(tr("serial port open again; the plan goes on"));
}

void UnattendedPlan::switchedOff(RunEnd end) {
    showStepsEnded();
    status_ = concluded(end);
}

int UnattendedPlan::concluded(RunEnd end) {
    const QString plan = results::printable(run_.plan().name);
    const QString unit = results::printable(request_.unit.serial);
    if (end == RunEnd::Aborted) {
        line(tr("%1: plan \"%2\" on %3 stopped at step %4 of %5; supply and loads off")
                 .arg(outcomeWord(Outcome::Aborted), plan, unit)
                 .arg(std::min(run_.stepIndex() + 1, progress_.steps))
                 .arg(progress_.steps));
        return planCouldNotRun;
    }
    if (end == RunEnd::LinkLost && engine_.portLostReason())
        say(tr("the serial port did not come back within %1 s; the plan run is given up")
                .arg(request_.linkTimeoutSeconds));
    else if (end == RunEnd::LinkLost)
        say(tr("no reply from the unit for %1 s; the plan run is given up")
                .arg(request_.linkTimeoutSeconds));
    const Outcome outcome =
        end == RunEnd::LinkLost ? Outcome::Error : run_.outcome().value_or(Outcome::Error);
    const auto& results = run_.results();
    const StepResult* deciding = decidingStep(results, outcome);
    QString why;
    const int at = deciding ? static_cast<int>(deciding - results.data()) : 0;
    if (outcome == Outcome::Pass)
        why = tr("%n step(s) passed", nullptr, progress_.steps);
    else if (outcome == Outcome::Error && deciding && deciding->finding)
        why = tr("the bench could not test (step %1 of %2): %3")
                  .arg(at + 1)
                  .arg(progress_.steps)
                  .arg(findingText(*deciding->finding));
    else if (deciding)
        why =
            tr("step \"%1\": %2")
                .arg(results::printable(run_.stepSpec(at).name),
                     results::printable(deciding->finding ? findingText(*deciding->finding)
                                                          : shownRecordText(deciding->keyFigure)));
    else if (end == RunEnd::LinkLost)
        why = tr("the link was lost at step %1 of %2")
                  .arg(std::min(run_.stepIndex() + 1, progress_.steps))
                  .arg(progress_.steps);
    else
        why = tr("stopped at step %1 of %2")
                  .arg(std::min(run_.stepIndex() + 1, progress_.steps))
                  .arg(progress_.steps);
    line(tr("%1: plan \"%2\" on %3: %4").arg(outcomeWord(outcome), plan, unit, why));
    if (end == RunEnd::Completed && request_.report && !writeReport())
        return planCouldNotRun;
    return planExitStatus(outcome);
}

bool UnattendedPlan::writeReport() {
    RunReportInput run = report_.input();
    run.host = QSysInfo::machineHostName();
    run.port = engine_.device();
    run.id = recorders_.recordId(); // the store's record of the run, if one is kept
    const QString file = runReportFileName(run);
    std::optional<QString> error = prepareMapsFolder(reports_);
    if (!error)
        error = saveRunReport(reports_.path, file, run);
    if (error) {
        say(tr("the report was not written: %1").arg(results::printable(*error)));
        return false;
    }
    line(tr("report: %1").arg(results::printable(QDir(reports_.path).filePath(file))));
    return true;
}

} // namespace velmor
