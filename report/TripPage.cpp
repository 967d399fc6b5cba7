// A trip step: the load it ramped over time, in watts at nominal volts for the whole supply or in
// amperes for one output, the window the trip must fall in shaded, and the trip point marked
// where the supply stopped being power-good.
#include "ReportPage.h"
#include "StepPages.h"
#include "SupplyLabel.h"
#include "TimeChart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace velmor {

namespace {

struct Ramp {
    QString axis;              // "Load, W at nominal volts"
    QString unit;              // "W" or "A"
    int output = -1;           // 0, 1, 2 for one output's amperes; -1 for watts
    const Measurement* trip{}; // the measurement the window belongs to, if any
    std::optional<std::size_t> tripAt;
    double high = 1;
};

const std::array<const UnitOutput*, 3> rampedOutputs{&output5, &output12, &output33};
const std::array<const char*, 3> outputNames{QT_TRANSLATE_NOOP("RunReport", "+5 V"),
                                             QT_TRANSLATE_NOOP("RunReport", "+12 V"),
                                             QT_TRANSLATE_NOOP("RunReport", "+3.3 V")};

std::array<int, 3> settings(const RunReportReading& r) {
    return {r.load5, r.load12, r.load33};
}

double loadOf(const Ramp& ramp, const RunReportReading& r) {
    const std::array<int, 3> s = settings(r);
    if (ramp.output >= 0)
        return rampedOutputs[static_cast<std::size_t>(ramp.output)]->amps(
            s[static_cast<std::size_t>(ramp.output)]);
    return nominalWatts(loadAmps({r.load5, r.load12, r.load33}));
}

bool powerGoodReading(const RunReportReading& r) {
    const Reading v = readingVolts(r);
    return powerGood(runReading(r.ms, r.supplyOn, {r.load5, r.load12, r.load33}, v.volts5,
                                v.volts12, v.volts33));
}

Ramp rampOf(const RunReportStep& step) {
    Ramp ramp;
    // The trip's measurement is the first in watts or amperes with a window; else the first.
    for (const Measurement& m : step.measurements)
        if (m.unit == QLatin1String("W") || m.unit == QLatin1String("A")) {
            const bool window = m.limits.low && m.limits.high;
            if (!ramp.trip || window)
                ramp.trip = &m;
            if (window)
                break;
        }
    ramp.unit = ramp.trip ? ramp.trip->unit : QStringLiteral("W");
    if (ramp.unit == QLatin1String("A")) {
        // The output whose load moved the most is the one ramped.
        std::array<int, 3> low{255, 255, 255};
        std::array<int, 3> high{0, 0, 0};
        for (const RunReportReading& r : step.readings)
            for (std::size_t o = 0; o < 3; ++o) {
                low[o] = std::min(low[o], settings(r)[o]);
                high[o] = std::max(high[o], settings(r)[o]);
            }
        ramp.output = 0;
        for (int o = 1; o < 3; ++o)
            if (high[o] - low[o] > high[ramp.output] - low[ramp.output])
                ramp.output = o;
        ramp.axis = RunText::tr("%1 load, A").arg(RunText::tr(outputNames[ramp.output]));
    } else {
        ramp.axis = RunText::tr("Load, W at nominal volts");
    }
    bool up = false;
    for (std::size_t i = 0; i < step.readings.size(); ++i) {
        const RunReportReading& r = step.readings[i];
        ramp.high = std::max(ramp.high, loadOf(ramp, r));
        const bool good = powerGoodReading(r);
        if (r.supplyOn && up && !good && !ramp.tripAt)
            ramp.tripAt = i;
        up = up || (r.supplyOn && good);
    }
    if (ramp.trip && ramp.trip->limits.high)
        ramp.high = std::max(ramp.high, std::min(*ramp.trip->limits.high, 4 * ramp.high));
    ramp.high *= 1.1;
    return ramp;
}

// A round step that puts about five lines on the span.
double valueStep(double span) {
    const double raw = span / 5;
    const double magnitude = std::pow(10, std::floor(std::log10(raw)));
    for (const double f : {1.0, 2.0, 5.0})
        if (f * magnitude >= raw)
            return f * magnitude;
    return 10 * magnitude;
}

} // namespace

void addTripPages(PageFlow& flow, const RunReportStep& step) {
    auto ramp = std::make_shared<Ramp>(rampOf(step));
    flow.add(760, [ramp, &step](QPainter& p, double top) {
        if (step.readings.empty())
            return;
        const qint64 from = step.readings.front().ms;
        const qint64 to = step.readings.back().ms;
        TimeChart chart(p, QRectF(110, top + 60, reportPageWidth - 120, 560), 0, ramp->high, from,
                        to);
        const Limits window = ramp->trip ? ramp->trip->limits : Limits{};
        if (window.low && window.high)
            chart.band(*window.low, *window.high, QColor(0, 170, 0, 45));
        chart.frame(ramp->axis, QString(), valueStep(ramp->high));
        chart.series(
            step.readings.size(), [&step](std::size_t i) { return step.readings[i].ms; },
            [&step, ramp](std::size_t i) -> std::optional<double> {
                const RunReportReading& r = step.readings[i];
                return r.supplyOn ? std::optional(loadOf(*ramp, r)) : std::nullopt;
            },
            QPen(QColor(0, 70, 170), 2));
        chart.timeAxis();
        p.setFont(reportFont(9));
        p.setPen(Qt::black);
        double y = chart.area().bottom() + 70;
        if (window.low && window.high)
            p.drawText(QPointF(0, y), RunText::tr("Shaded green: the window, %1 to %2")
                                          .arg(valueText(*window.low, ramp->unit, 1),
                                               valueText(*window.high, ramp->unit, 1)));
        y += 34;
        if (!ramp->tripAt) {
            p.drawText(QPointF(0, y), RunText::tr("The supply did not trip."));
            return;
        }
        const RunReportReading& at = step.readings[*ramp->tripAt];
        const QPointF point(chart.x(at.ms), chart.y(loadOf(*ramp, at)));
        chart.mark(at.ms, QPen(QColor(200, 0, 0), 1.5, Qt::DashLine));
        p.setPen(QPen(QColor(200, 0, 0), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(point, 10, 10);
        p.setPen(Qt::black);
        p.drawText(QPointF(0, y),
                   RunText::tr("Red: the first reading not power-good, %1 after the step began, "
                               "with the load at %2")
                       .arg(clockText(at.ms - step.readings.front().ms),
                            valueText(loadOf(*ramp, at), ramp->unit, 1)));
    });
    addMeasurementList(flow, allMeasurements(step));
}

} // namespace velmor
