// A hold step: each output's volts over time in its limit band (the guard band inside it darker),
// judged readings in colour, the others grey, and the load settings beneath. Each trace is
// reduced to the lowest and highest reading of each device pixel across, so eight hours of
// readings draw in a moment.
#include "ReportPage.h"
#include "StepPages.h"
#include "TimeChart.h"

#include <algorithm>
#include <array>

namespace velmor {

namespace {

struct HoldOutput {
    const char* name;
    const UnitOutput* unit;
    Tolerance Profile::*tolerance;
    double Reading::*volts;
    int RunReportReading::*load;
    QColor colour;
};

const std::array<HoldOutput, 3> outputs{
    {{QT_TRANSLATE_NOOP("RunReport", "+5 V"), &output5, &Profile::out5, &Reading::volts5,
      &RunReportReading::load5, QColor(140, 0, 170)},
     {QT_TRANSLATE_NOOP("RunReport", "+12 V"), &output12, &Profile::out12, &Reading::volts12,
      &RunReportReading::load12, QColor(200, 140, 0)},
     {QT_TRANSLATE_NOOP("RunReport", "+3.3 V"), &output33, &Profile::out33, &Reading::volts33,
      &RunReportReading::load33, QColor(0, 90, 200)}}};

constexpr double chartLeft = 110;
constexpr double chartWidth = reportPageWidth - chartLeft - 10;

void voltsChart(QPainter& p, const std::vector<RunReportReading>& readings, const HoldOutput& o,
                const Limits& limits, QRectF area) {
    const double nominal = o.unit->nominalVolts;
    // The limits and what was read, inside the unit's reading span.
    double low = std::min(limits.low.value_or(nominal), nominal) - 0.02 * nominal;
    double high = std::max(limits.high.value_or(nominal), nominal) + 0.02 * nominal;
    for (const RunReportReading& r : readings)
        if (r.settling == Settling::Judged) {
            low = std::min(low, readingVolts(r).*o.volts);
            high = std::max(high, readingVolts(r).*o.volts);
        }
    low = std::max(low, o.unit->lowVolts());
    high = std::min(high, o.unit->lowVolts() + o.unit->spanVolts());
    TimeChart chart(p, area, low, high, readings.front().ms, readings.back().ms);
    if (limits.low && limits.high)
        chart.band(*limits.low, *limits.high, QColor(0, 170, 0, 35));
    if (limits.guardLow && limits.guardHigh)
        chart.band(*limits.guardLow, *limits.guardHigh, QColor(0, 170, 0, 35));
    chart.level(nominal, QPen(QColor(0, 130, 0), 1, Qt::DashLine));
    chart.frame(RunText::tr("%1, V").arg(RunText::tr(o.name)), QString(),
                nominal < 4   ? 0.1
                : nominal < 6 ? 0.25
                              : 0.5);
    const auto ms = [&readings](std::size_t i) { return readings[i].ms; };
    const auto volts = [&readings, &o](std::size_t i, bool judged) -> std::optional<double> {
        const RunReportReading& r = readings[i];
        if ((r.settling == Settling::Judged) != judged)
            return std::nullopt;
        return readingVolts(r).*o.volts;
    };
    chart.series(
        readings.size(), ms, [&volts](std::size_t i) { return volts(i, false); },
        QPen(QColor(160, 160, 160), 1.5));
    chart.series(
        readings.size(), ms, [&volts](std::size_t i) { return volts(i, true); },
        QPen(o.colour, 1.5));
}

} // namespace

void drawVoltsOverTime(QPainter& p, double top, const std::vector<RunReportReading>& readings,
                       const Profile& profile) {
    double y = top + 60;
    for (const HoldOutput& o : outputs) {
        voltsChart(p, readings, o, voltsLimits(*o.unit, profile.*o.tolerance, profile.guardPercent),
                   QRectF(chartLeft, y, chartWidth, 190));
        y += 240;
    }
    TimeChart loads(p, QRectF(chartLeft, y, chartWidth, 130), 0, 255, readings.front().ms,
                    readings.back().ms);
    loads.frame(RunText::tr("Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue"),
                QString(), 50);
    for (const HoldOutput& o : outputs)
        loads.series(
            readings.size(), [&readings](std::size_t i) { return readings[i].ms; },
            [&readings, &o](std::size_t i) { return std::optional<double>(readings[i].*o.load); },
            QPen(o.colour, 1.5));
    loads.timeAxis();
    p.setFont(reportFont(8));
    p.setPen(Qt::black);
    p.drawText(QPointF(0, y + 200), RunText::tr("Shaded green: the profile's limits, darker inside "
                                                "the guard band. Grey: readings not judged."));
}

void addHoldPages(PageFlow& flow, const RunReportStep& step, const Profile& profile) {
    if (!step.readings.empty())
        flow.add(voltsOverTimeHeight, [&step, &profile](QPainter& p, double top) {
            drawVoltsOverTime(p, top, step.readings, profile);
        });
    addMeasurementList(flow, allMeasurements(step));
}

} // namespace velmor
