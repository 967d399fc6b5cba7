#include "RunReport.h"

#include "NumberText.h"
#include "RecordText.h"
#include "ReportPage.h"
#include "SafeWrite.h"
#include "StepPages.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmor {

QString outcomeWord(std::optional<Outcome> outcome) {
    if (!outcome)
        return RunText::tr("INCOMPLETE");
    switch (*outcome) {
    case Outcome::Pass:
        return RunText::tr("PASS");
    case Outcome::Marginal:
        return RunText::tr("MARGINAL");
    case Outcome::Fail:
        return RunText::tr("FAIL");
    case Outcome::Error:
        return RunText::tr("ERROR");
    case Outcome::Aborted:
        break;
    }
    return RunText::tr("ABORTED");
}

namespace {

bool finite(const std::optional<double>& v) {
    return !v || std::isfinite(*v);
}

bool finiteLimits(const Limits& l) {
    return finite(l.low) && finite(l.high) && finite(l.guardLow) && finite(l.guardHigh);
}

std::optional<QString> refusedStep(const RunReportStep& step, qint64& lastMs) {
    const QString which = QStringLiteral("\"%1\"").arg(pageText(step.name));
    if (step.measurements.size() > maxStepMeasurements)
        return RunText::tr("step %1 has %2 measurements; a report draws at most %3")
            .arg(which)
            .arg(step.measurements.size())
            .arg(maxStepMeasurements);
    for (const Measurement& m : step.measurements)
        if (!std::isfinite(m.value) || !finite(m.asked) || !finiteLimits(m.limits))
            return RunText::tr("step %1: measurement \"%2\" holds a value or limit that is not a "
                               "finite number")
                .arg(which, pageText(m.name));
    for (std::size_t i = 0; i < step.readings.size(); ++i) {
        const RunReportReading& r = step.readings[i];
        const auto setting = [](int s) { return s >= 0 && s <= maxLoadSetting; };
        if (!setting(r.load5) || !setting(r.load12) || !setting(r.load33))
            return RunText::tr("step %1: reading %2 has a load setting outside 0 to 255")
                .arg(which)
                .arg(i + 1);
        if (r.ms < lastMs || r.ms > maxReportMs)
            return RunText::tr("step %1: reading %2 at %3 ms is out of order or beyond 31 days")
                .arg(which)
                .arg(i + 1)
                .arg(r.ms);
        lastMs = r.ms;
    }
    return std::nullopt;
}

// A percentage as short as it stays exact to two decimals: "5", "-7", "1.5".
QString percentText(double value, bool withSign) {
    const int decimals = value == std::round(value) ? 0 : 2;
    return withSign ? signedFixed(value, decimals, QChar(0x2212)) : fixed(value, decimals);
}

QString toleranceText(const QString& output, const Tolerance& t) {
    return QStringLiteral("%1 %2 … %3 %")
        .arg(output, percentText(t.lowPercent, true), percentText(t.highPercent, true));
}

QString profileText(const Profile& p) {
    return RunText::tr("Profile %1: %2, %3, %4; guard band %5 points")
        .arg(pageText(p.name), toleranceText(RunText::tr("+5 V"), p.out5),
             toleranceText(RunText::tr("+12 V"), p.out12),
             toleranceText(RunText::tr("+3.3 V"), p.out33), percentText(p.guardPercent, false));
}

void text(QPainter& p, double x, double y, const QString& line, const QFont& font,
          const QColor& colour = Qt::black) {
    p.setFont(font);
    p.setPen(colour);
    drawLine(p, x, y, reportPageWidth - x, line);
}

// What the outcome stands for: only a completed run has a verdict.
// What decided the run: the reason of its first step as bad as the run, or empty.
QString decidedBy(const RunReportInput& run) {
    for (const RunReportStep& step : run.steps)
        if (step.outcome == *run.outcome && !step.reason.isEmpty())
            return RunText::tr("%1 (step \"%2\")")
                .arg(pageText(shownFinding(step.reason)), pageText(step.name));
    return {};
}

QString outcomeNote(const RunReportInput& run) {
    if (!run.outcome)
        return RunText::tr("No verdict: the run did not end.");
    const QString decided = decidedBy(run);
    if (*run.outcome == Outcome::Error && !decided.isEmpty())
        return RunText::tr("No verdict: the bench could not test: %1.").arg(decided);
    if (*run.outcome == Outcome::Error || *run.outcome == Outcome::Aborted)
        return RunText::tr("No verdict: the run did not complete (%1).")
            .arg(pageText(run.endState));
    if (!decided.isEmpty())
        return RunText::tr("Decided by: %1.").arg(decided);
    return RunText::tr("The worst outcome of its steps (%1).").arg(run.steps.size());
}

void addFirstPage(PageFlow& flow, const RunReportInput& run) {
    const QString title = RunText::tr("Plan run \"%1\"").arg(pageText(run.planName));
    flow.newPart(60, [title](QPainter& p, double top) {
        text(p, 0, top + 30, RunText::tr("%1 (continued)").arg(title), reportFont(12, true));
    });
    flow.add(430, [&run, title](QPainter& p, double top) {
        text(p, 0, top + 40, title, reportFont(18, true));
        const QFont body = reportFont(9.5);
        UnitIdentity unit = run.unit;
        for (QString* field : {&unit.serial, &unit.model, &unit.operatorName})
            *field = pageText(*field);
        text(p, 0, top + 90, unitLine(unit), body);
        text(p, 0, top + 122,
             RunText::tr("Plan %1 (%2)").arg(pageText(run.planName), pageText(run.planFile)), body);
        text(p, 0, top + 154, profileText(run.profile), body);
        text(p, 0, top + 186,
             RunText::tr("Bench %1    Port %2").arg(pageText(run.host), pageText(run.port)), body);
        text(p, 0, top + 218,
             RunText::tr("Started %1, ended %2 (%3)")
                 .arg(timeText(run.startedAt), timeText(run.endedAt), pageText(run.endState)),
             body);
        text(p, 0, top + 250, calibrationLine(run.calibration, run.calibrationWarning), body);
        if (!run.id.isEmpty()) // none where the run was not recorded
            text(p, 0, top + 282, RunText::tr("Run %1").arg(pageText(run.id)), reportFont(8),
                 Qt::darkGray);
        text(p, 0, top + 350, outcomeWord(run.outcome), reportFont(40, true),
             outcomeColour(run.outcome));
        text(p, 0, top + 400, outcomeNote(run), body);
    });
    static constexpr std::array<double, 5> columns{0, 60, 180, 480, 720};
    flow.add(60, [](QPainter& p, double top) {
        const QStringList heads{RunText::tr("Step"), RunText::tr("Kind"), RunText::tr("Name"),
                                RunText::tr("Outcome"), RunText::tr("Key figure")};
        for (int c = 0; c < heads.size(); ++c)
            text(p, columns[c], top + 40, heads[c], reportFont(9, true));
    });
    for (std::size_t i = 0; i < run.steps.size(); ++i) {
        const RunReportStep& step = run.steps[i];
        flow.add(32, [&step, i](QPainter& p, double top) {
            const QFont font = reportFont(9);
            const double y = top + 24;
            text(p, columns[0], y, QString::number(i + 1), font);
            text(p, columns[1], y, pageText(step.kind), font);
            p.save();
            p.setClipRect(QRectF(columns[2], top, columns[3] - columns[2] - 12, 32));
            text(p, columns[2], y, pageText(step.name), font);
            p.restore();
            text(p, columns[3], y, outcomeWord(step.outcome), reportFont(9, true),
                 outcomeColour(step.outcome));
            text(p, columns[4], y, pageText(shownRecordText(step.keyFigure)), font);
        });
    }
}

} // namespace

QString calibrationLine(const QString& calibration, const QString& warning) {
    QString line = calibration.isEmpty()
                       ? RunText::tr("Judged uncalibrated (the design's formulas)")
                       : RunText::tr("Judged with calibration %1").arg(pageText(calibration));
    if (warning == QLatin1String("overdue"))
        line += RunText::tr("; the bench's calibration was overdue");
    else if (warning == QLatin1String("missing"))
        line += RunText::tr("; the bench had no calibration");
    return line;
}

std::optional<QString> refusedRunReport(const RunReportInput& run) {
    if (run.steps.size() > maxReportSteps)
        return RunText::tr("the run has %1 steps; a report draws at most %2")
            .arg(run.steps.size())
            .arg(maxReportSteps);
    std::size_t readings = 0;
    for (const RunReportStep& step : run.steps)
        readings += step.readings.size();
    if (readings > maxReportReadings)
        return RunText::tr("the run has %1 readings; a report draws at most %2")
            .arg(readings)
            .arg(maxReportReadings);
    const Profile& p = run.profile;
    for (const Tolerance& t : {p.out5, p.out12, p.out33})
        if (!std::isfinite(t.lowPercent) || !std::isfinite(t.highPercent))
            return RunText::tr("profile \"%1\" holds a tolerance that is not a finite number")
                .arg(pageText(p.name));
    if (!std::isfinite(p.guardPercent))
        return RunText::tr("profile \"%1\" holds a guard band that is not a finite number")
            .arg(pageText(p.name));
    qint64 lastMs = 0;
    for (const RunReportStep& step : run.steps)
        if (auto refused = refusedStep(step, lastMs))
            return refused;
    return std::nullopt;
}

std::variant<QByteArray, QString> runReportPdf(const RunReportInput& run) {
    if (auto refused = refusedRunReport(run))
        return *refused;
    PageFlow flow;
    addFirstPage(flow, run);
    const int count = static_cast<int>(run.steps.size());
    for (int i = 0; i < count; ++i) {
        const RunReportStep& step = run.steps[static_cast<std::size_t>(i)];
        addStepHead(flow, step, i, count);
        if (step.kind == QLatin1String("points"))
            addPointsPages(flow, step);
        else if (step.kind == QLatin1String("sweep"))
            addSweepPages(flow, step);
        else if (step.kind == QLatin1String("trip"))
            addTripPages(flow, step);
        else if (step.kind == QLatin1String("hold"))
            addHoldPages(flow, step, run.profile);
        else
            addMeasurementList(flow, allMeasurements(step));
    }
    const QString title = RunText::tr("Plan run \"%1\"").arg(pageText(run.planName));
    const QString unit = pageText(run.unit.serial);
    return flow.pdf(
        title, run.id.isEmpty()
                   ? RunText::tr("%1, unit %2").arg(title, unit)
                   : RunText::tr("%1, unit %2, run %3").arg(title, unit, pageText(run.id.left(8))));
}

std::variant<QImage, QString> runVoltsImage(const RunReportInput& run) {
    if (auto refused = refusedRunReport(run))
        return *refused;
    std::vector<RunReportReading> readings;
    for (const RunReportStep& step : run.steps)
        readings.insert(readings.end(), step.readings.begin(), step.readings.end());
    if (readings.empty())
        return RunText::tr("the run has no readings");
    std::stable_sort(
        readings.begin(), readings.end(),
        [](const RunReportReading& a, const RunReportReading& b) { return a.ms < b.ms; });
    // The page's block without its head room above the first chart.
    constexpr double headRoom = voltsOverTimeHeight - runVoltsImageHeight;
    return pageImage(voltsImageWidth, runVoltsImageHeight,
                     [&](QPainter& p) { drawVoltsOverTime(p, -headRoom, readings, run.profile); });
}

std::optional<QString> saveRunReport(const QString& folder, const QString& fileName,
                                     const RunReportInput& run) {
    auto pdf = runReportPdf(run);
    if (auto* refused = std::get_if<QString>(&pdf))
        return *refused;
    return velmor::writeFilesInFolder(folder, {{fileName, std::get<QByteArray>(std::move(pdf))}});
}

QString runReportFileName(const RunReportInput& run) {
    QString serial = run.unit.serial.left(64);
    for (QChar& c : serial)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.') &&
            c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    return QStringLiteral("run-%1-%2.pdf")
        .arg(serial, run.startedAt.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

} // namespace velmor
