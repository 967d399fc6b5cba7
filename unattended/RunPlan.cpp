#include "RunPlan.h"

#include "PlanSummary.h"
#include "Printable.h"
#include "UnattendedPlan.h"

#include <cstdio>
#include <unistd.h>

namespace velmor {

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
    UnattendedPlan run(
        std::move(plan),
        {request.unit, request.linkTimeoutSeconds, request.report, reports, recorder}, makePort,
        {stdout, ::isatty(::fileno(stdout)) == 1});
    return run.runToTheEnd(planCouldNotRun);
}

} // namespace velmor
