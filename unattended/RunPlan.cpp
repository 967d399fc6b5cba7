#include "RunPlan.h"

#include "PlanSummary.h"
#include "Printable.h"
#include "SleepInhibitor.h"
#include "TerminationSignals.h"
#include "UnattendedPlan.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdio>
#include <unistd.h>

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "RunPlan".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RunPlan)
};

} // namespace

std::optional<Plan> loadPlan(const QString& file) {
    auto read = readPlan(file);
    if (auto* error = std::get_if<PlanError>(&read)) {
        std::fprintf(stderr, "%s\n", qPrintable(results::printable(error->text())));
        return std::nullopt;
    }
    return std::get<Plan>(std::move(read));
}

int checkPlan(const QString& file) {
    const auto plan = loadPlan(file);
    if (!plan)
        return planCouldNotRun;
    std::fputs(qPrintable(describePlan(*plan)), stdout);
    return planPassed;
}

int runUnattendedPlan(Plan plan, const PlanRequest& request, const PortFactory& makePort,
                      const MapsFolder& reports, PlanRecorder* recorder) {
    // Held from before the first frame to after the last: a sleeping machine would leave the
    // supply loaded and the run's timing broken.
    const SleepInhibitor awake(
        Text::tr("test plan \"%1\" on %2 under way").arg(plan.name, request.unit.serial));
    if (awake.error())
        std::fprintf(stderr, "velmor-test: %s\n",
                     qPrintable(results::printable(
                         Text::tr("cannot keep the machine from sleeping (%1); the plan runs "
                                  "all the same")
                             .arg(*awake.error()))));
    UnattendedPlan run(std::move(plan), request, makePort,
                       {stdout, ::isatty(::fileno(stdout)) == 1}, reports, recorder);
    // Caught from before the first frame, so a stop always ends with the loads off.
    TerminationSignals stop;
    QObject::connect(&stop, &TerminationSignals::received, &run, &UnattendedPlan::interrupt);
    if (const auto error = run.start()) {
        std::fprintf(stderr, "velmor-test: %s\n", qPrintable(*error));
        return planCouldNotRun;
    }
    QEventLoop loop;
    QObject::connect(&run, &UnattendedPlan::finished, &loop, &QEventLoop::exit);
    return loop.exec();
}

} // namespace velmor
