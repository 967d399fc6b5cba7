#include "RunReportOf.h"

#include "Calibrations.h"
#include "Commands.h"
#include "Plan.h"
#include "Printable.h"
#include "SweepStep.h"
#include "Table.h"
#include "Text.h"

#include <QDir>

namespace velmor::results {

namespace {

QDateTime storedTime(const QString& at) {
    return QDateTime::fromString(at, Qt::ISODateWithMs);
}

// The stored words were checked when the run was read.
Outcome outcomeNamedAs(const QString& word) {
    return parseOutcome(word).value_or(Outcome::Error);
}

} // namespace

std::variant<RunReportInput, QString> runReportInput(const StoredRun& run) {
    RunReportInput in;
    in.id = run.id;
    in.unit = run.unit;
    in.host = run.host;
    in.port = run.port;
    in.planName = run.planName;
    in.planFile = run.planFile;
    in.startedAt = storedTime(run.startedAt);
    in.endedAt = run.endedAt.isEmpty() ? QDateTime() : storedTime(run.endedAt);
    in.endState = run.endState;
    if (run.calibration != QLatin1String(uncalibratedName))
        in.calibration = run.calibration;
    in.calibrationWarning = run.calibrationWarning;
    if (!run.outcome.isEmpty())
        in.outcome = outcomeNamedAs(run.outcome);
    // The plan text is input too: read as a plan file is, and only trusted when it reads.
    std::optional<Plan> plan;
    if (auto parsed = parsePlan(run.planText.toUtf8(), run.planFile);
        std::holds_alternative<Plan>(parsed))
        plan = std::get<Plan>(std::move(parsed));
    if (plan)
        in.profile = plan->context.profile;
    else if (auto named = namedProfile(run.profile))
        in.profile = *named;
    else
        return Text::tr("run %1: its profile \"%2\" is not a named one and its plan text does not "
                        "read")
            .arg(shortId(run.id), printable(run.profile));
    for (const StoredRunStep& s : run.steps) {
        RunReportStep step;
        step.kind = s.kind;
        step.name = s.name;
        step.startedAt = storedTime(s.startedAt);
        step.endedAt = storedTime(s.endedAt);
        step.outcome = outcomeNamedAs(s.outcome);
        step.keyFigure = s.keyFigure;
        step.reason = s.reason;
        step.judged = s.judged;
        step.unsettled = s.unsettled;
        for (const StoredMeasurement& m : s.measurements)
            step.measurements.push_back({m.name, m.value, m.unit,
                                         Limits{m.low, m.high, m.guardLow, m.guardHigh},
                                         outcomeNamedAs(m.outcome), m.asked, m.uncertainty});
        if (plan && s.seq >= 0 && static_cast<std::size_t>(s.seq) < plan->steps.size())
            if (const auto* sweep = dynamic_cast<const SweepStepSpec*>(plan->steps[s.seq].get()))
                step.sweepLimits = sweep->limits();
        in.steps.push_back(std::move(step));
    }
    for (const StoredRunReading& r : run.readings) {
        if (r.stepSeq < 0 || static_cast<std::size_t>(r.stepSeq) >= in.steps.size())
            continue;
        const auto byte = [](int b) { return static_cast<quint8>(b); };
        in.steps[static_cast<std::size_t>(r.stepSeq)].readings.push_back(
            {in.startedAt.msecsTo(storedTime(r.at)), r.supplyOn, r.load5, r.load12, r.load33,
             byte(r.b1), byte(r.b2), byte(r.b3), byte(r.b4),
             settlingNamed(r.settling).value_or(Settling::SupplyOff)});
    }
    return in;
}

std::variant<QStringList, QString> reportRun(const StoredRun& run, const QString& folder) {
    const auto input = runReportInput(run);
    if (const auto* error = std::get_if<QString>(&input))
        return *error;
    const auto pdf = runReportPdf(std::get<RunReportInput>(input));
    if (const auto* refused = std::get_if<QString>(&pdf))
        return *refused;
    const QString path = QDir(folder).filePath(QStringLiteral("run-%1.pdf").arg(shortId(run.id)));
    if (auto error = writeFile(path, std::get<QByteArray>(pdf)))
        return *error;
    return QStringList{path};
}

} // namespace velmor::results
