#include "AutomaticPlanRun.h"

#include "Printable.h"
#include "Reading.h"
#include "RunReport.h"

#include <QDir>
#include <QSysInfo>

namespace velmor {

AutomaticPlanRun::AutomaticPlanRun(Plan plan, PlanRunSettings settings, const PortFactory& makePort)
    : AutomaticRun(tr("test plan \"%1\" on %2 under way").arg(plan.name, settings.unit.serial)),
      settings_(std::move(settings)),
      recorders_(settings_.recorder, settings_.report ? &report_ : nullptr),
      run_(std::move(plan), settings_.unit, &recorders_) {
    compose(run_, makePort, settings_.linkTimeoutSeconds, &run_);
}

AutomaticPlanRun::~AutomaticPlanRun() = default;

void AutomaticPlanRun::taken(const StepReading& reading) {
    if (!reading.reply)
        return;
    const Reading volts = graphReading(*reading.reply);
    volts_[0] = volts.volts5;
    volts_[1] = volts.volts12;
    volts_[2] = volts.volts33;
}

std::optional<PlanProgress> AutomaticPlanRun::progress(qint64 elapsedMs) const {
    const int index = run_.stepIndex();
    if (index < 0 || index >= steps())
        return std::nullopt;
    const Plan& plan = run_.plan();
    PlanProgress p;
    p.step = index + 1;
    p.steps = steps();
    p.name = results::printable(run_.stepSpec(index).name);
    p.fraction = run_.stepProgress();
    p.elapsedMs = elapsedMs;
    double remaining =
        static_cast<double>(plan.steps[index]->estimatedMs(plan.context)) * (1 - p.fraction);
    for (int i = index + 1; i < p.steps; ++i)
        remaining += static_cast<double>(plan.steps[i]->estimatedMs(plan.context));
    p.remainingMs = static_cast<qint64>(remaining);
    p.volts5 = volts_[0];
    p.volts12 = volts_[1];
    p.volts33 = volts_[2];
    return p;
}

AutomaticPlanRun::SavedReport AutomaticPlanRun::saveReport() {
    RunReportInput& input = report_.input();
    input.host = QSysInfo::machineHostName();
    input.port = device();
    input.id = recorders_.recordId(); // the store's record of the run, if one is kept
    const QString file = runReportFileName(input);
    std::optional<QString> error = prepareMapsFolder(settings_.reports);
    if (!error)
        error = saveRunReport(settings_.reports.path, file, input);
    return {QDir(settings_.reports.path).filePath(file), error};
}

} // namespace velmor

#include "moc_AutomaticPlanRun.cpp"
