#include "RunRows.h"

#include "Outcome.h"
#include "Plan.h"
#include "Printable.h"
#include "RecordText.h"

#include <QCoreApplication>

namespace velmor::results {

namespace {

const QStringList& endStates() {
    static const QStringList states{QStringLiteral("completed"), QStringLiteral("aborted"),
                                    QStringLiteral("link-lost"), QStringLiteral("abandoned")};
    return states;
}

} // namespace

const char16_t* const runColumns =
    u"id, started_at, ended_at, end_state, host, port, unit_serial, unit_model, operator, "
    u"plan_name, plan_file, plan_text, profile, outcome, failing_step, key_figure";
const char16_t* const headerColumns =
    u"id, started_at, ended_at, end_state, host, port, unit_serial, unit_model, operator, "
    u"plan_name, plan_file, profile, outcome, failing_step, key_figure";
const char16_t* const historyColumns =
    u"id, started_at, ended_at, end_state, host, operator, plan_name, outcome, key_figure";

QString withReason(const char16_t* columns, int version) {
    return QString::fromUtf16(columns) + (version >= 6 ? QStringLiteral(", reason") : QString());
}

QString quotedWord(const QString& word) {
    return QLatin1Char('"') + printable(word.left(40)) + QLatin1Char('"');
}

void checkOutcome(const QString& column, const QString& word, QString& problem) {
    if (problem.isEmpty() && !parseOutcome(word))
        problem =
            Text::tr("%1 %2 is not an outcome the bench writes").arg(column, quotedWord(word));
}

void readRun(StoredRow& row, StoredRun& r) {
    r.startedAt = row.time("started_at");
    r.endedAt = row.time("ended_at", true);
    r.endState = row.text("end_state");
    r.host = row.text("host");
    r.port = row.text("port");
    r.unit = {row.text("unit_serial"), row.text("unit_model"), row.text("operator")};
    r.planName = row.text("plan_name");
    r.planFile = row.text("plan_file");
    r.planText = row.text("plan_text");
    r.profile = row.text("profile");
    r.outcome = row.text("outcome");
    r.failingStep = row.text("failing_step");
    r.keyFigure = canonicalRecordText(row.text("key_figure"));
    r.reason = row.text("reason");
    r.calibration = row.text("calibration");
    r.calibrationWarning = row.text("calibration_warning");
    if (row.refused())
        return;
    if (!r.endState.isEmpty() && !endStates().contains(r.endState))
        return row.refuse(
            Text::tr("end state %1 is not one the bench writes").arg(quotedWord(r.endState)));
    if (r.endedAt.isEmpty() != r.endState.isEmpty())
        return row.refuse(
            Text::tr("it has an end time without an end state, or the other way round"));
    if (!r.endedAt.isEmpty() && r.endedAt < r.startedAt)
        return row.refuse(
            Text::tr("it ended (%1) before it started (%2)").arg(r.endedAt, r.startedAt));
    if (r.endState.isEmpty() != r.outcome.isEmpty())
        return row.refuse(
            Text::tr("it has an outcome without an end, or an end without an outcome"));
    if (r.outcome.isEmpty())
        return;
    QString problem;
    checkOutcome(QStringLiteral("outcome"), r.outcome, problem);
    // Only a completed run has a verdict; one that stopped says why it has none.
    const Outcome outcome = parseOutcome(r.outcome).value_or(Outcome::Error);
    const bool verdict = static_cast<int>(outcome) <= static_cast<int>(Outcome::Fail);
    if (problem.isEmpty() && verdict != r.completed())
        problem = Text::tr("outcome %1 does not go with end state %2")
                      .arg(quotedWord(r.outcome), quotedWord(r.endState));
    if (problem.isEmpty() && r.planText.size() > maxPlanBytes)
        problem = Text::tr("its plan text is longer than a plan file may be");
    if (!problem.isEmpty())
        row.refuse(problem);
}

QString readingCountOf(int version) {
    const QString counted =
        QStringLiteral("(SELECT COUNT(*) FROM run_readings r WHERE r.run_id = runs.id)");
    return version >= 5 ? QStringLiteral("COALESCE(reading_count, %1)").arg(counted) : counted;
}

} // namespace velmor::results
