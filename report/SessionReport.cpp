#include "SessionReport.h"

#include "Reading.h"
#include "ReportPage.h"
#include "Settling.h"
#include "TimeChart.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace velmor {

namespace {

// Overload cuts as red lines, link losses as grey spans.
void drawMarks(TimeChart& chart, const std::vector<SessionMark>& marks, qint64 spanMs) {
    const QColor gap(120, 120, 120, 90);
    std::optional<qint64> lostAt;
    for (const SessionMark& m : marks) {
        switch (m.kind) {
        case SessionMark::Kind::OverloadCut:
            chart.mark(m.ms, QPen(QColor(210, 0, 0), 1.5));
            break;
        case SessionMark::Kind::LinkLost:
            lostAt = m.ms;
            break;
        case SessionMark::Kind::LinkBack:
            if (lostAt)
                chart.span(*lostAt, m.ms, gap);
            lostAt.reset();
            break;
        }
    }
    if (lostAt)
        chart.span(*lostAt, spanMs, gap);
}

// One of the session's values over time.
void drawSeries(TimeChart& chart, const std::vector<SessionSample>& samples,
                const std::function<double(const SessionSample&)>& value, const QColor& colour) {
    chart.series(
        samples.size(), [&samples](std::size_t i) { return samples[i].ms; },
        [&](std::size_t i) { return std::optional<double>(value(samples[i])); }, QPen(colour, 1.5));
}

struct ChartedOutput {
    const char* name;
    double SessionSample::*volts;
    const UnitOutput* unit;
    double nominal;
    QColor colour;
};

const std::array<ChartedOutput, 3> outputs{
    {{QT_TRANSLATE_NOOP("SessionReport", "+5 V"), &SessionSample::volts5, &output5, 5,
      QColor(140, 0, 170)},
     {QT_TRANSLATE_NOOP("SessionReport", "+12 V"), &SessionSample::volts12, &output12, 12,
      QColor(200, 140, 0)},
     {QT_TRANSLATE_NOOP("SessionReport", "+3.3 V"), &SessionSample::volts33, &output33, 3.3,
      QColor(0, 90, 200)}}};

// The page; its texts are looked up in the catalogue under "SessionReport".
struct SessionPage {
    Q_DECLARE_TR_FUNCTIONS(SessionReport)

public:
    static void draw(QPainter& p, const SessionSheet& session);
    // The three voltages, the load settings and the power over time from top down; where they
    // end.
    static double drawCharts(QPainter& p, const SessionSheet& session, double top);
};

double SessionPage::drawCharts(QPainter& p, const SessionSheet& session, double top) {
    const qint64 span = session.samples.empty() ? 1 : session.samples.back().ms;
    constexpr double left = 110;
    constexpr double width = 1098 - left - 10;
    for (const ChartedOutput& o : outputs) {
        double low = o.nominal * 0.92;
        double high = o.nominal * 1.08;
        for (const SessionSample& s : session.samples) {
            low = std::min(low, s.*o.volts);
            high = std::max(high, s.*o.volts);
        }
        TimeChart chart(p, QRectF(left, top, width, 170), low, high, 0, span);
        chart.band(o.nominal * 0.95, o.nominal * 1.05, QColor(0, 170, 0, 40));
        chart.level(o.nominal, QPen(QColor(0, 130, 0), 1, Qt::DashLine));
        chart.frame(tr("%1, V").arg(tr(o.name)), QString(),
                    o.nominal < 4   ? 0.1
                    : o.nominal < 6 ? 0.25
                                    : 0.5);
        drawSeries(
            chart, session.samples, [&o](const SessionSample& s) { return s.*o.volts; }, o.colour);
        drawMarks(chart, session.marks, span);
        top += 215;
    }
    TimeChart loads(p, QRectF(left, top, width, 150), 0, 255, 0, span);
    loads.frame(tr("Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue"), QString(),
                50);
    drawSeries(
        loads, session.samples, [](const SessionSample& s) { return s.load5; }, outputs[0].colour);
    drawSeries(
        loads, session.samples, [](const SessionSample& s) { return s.load12; }, outputs[1].colour);
    drawSeries(
        loads, session.samples, [](const SessionSample& s) { return s.load33; }, outputs[2].colour);
    drawMarks(loads, session.marks, span);
    top += 195;
    double watts = 50;
    for (const SessionSample& s : session.samples)
        watts = std::max(watts, s.power);
    watts = std::ceil(watts / 50) * 50;
    TimeChart power(p, QRectF(left, top, width, 150), 0, watts, 0, span);
    power.frame(tr("Power, W"), QString(), watts / 5);
    drawSeries(
        power, session.samples, [](const SessionSample& s) { return s.power; }, Qt::black);
    drawMarks(power, session.marks, span);
    power.timeAxis();
    top += 210;

    return top;
}

void SessionPage::draw(QPainter& p, const SessionSheet& session) {
    const qint64 span = session.samples.empty() ? 1 : session.samples.back().ms;
    p.setPen(Qt::black);
    p.setFont(reportFont(16, true));
    p.drawText(QPointF(0, 36), tr("Manual session %1").arg(session.id.left(8)));
    p.setFont(reportFont(9));
    p.drawText(QPointF(0, 70), tr("%1    Bench %2    Port %3    %4 long, ended: %5")
                                   .arg(localTimeText(session.startedAt), session.host,
                                        session.port, clockText(span), session.endState));
    p.drawText(QPointF(0, 96), unitLine(session.unit));
    double top = drawCharts(p, session, 140);
    p.setFont(reportFont(9));
    p.setPen(Qt::black);
    p.drawText(QPointF(0, top), tr("Shaded green: ±5 % of nominal. Red lines: overload cuts. "
                                   "Grey: link to the unit lost."));
    top += 45;
    const std::array<double, 5> columns{0, 160, 340, 520, 700};
    const QStringList heads{tr("Output"), tr("Lowest"), tr("Highest"), tr("Mean"),
                            tr("Outside ±5 %")};
    p.setFont(reportFont(9, true));
    for (int c = 0; c < heads.size(); ++c)
        p.drawText(QPointF(columns[c], top), heads[c]);
    p.setFont(reportFont(9));
    for (const ChartedOutput& o : outputs) {
        top += 34;
        const OutputFigures f = outputFigures(session.samples, o.volts, *o.unit);
        const auto shown = [&o](double v, bool any) {
            return any ? tr("%1 V").arg(shownVolts(*o.unit, v, 3)) : tr("none");
        };
        const QStringList cells{tr(o.name), shown(f.min, f.judged > 0), shown(f.max, f.judged > 0),
                                shown(f.mean, f.averaged > 0), clockText(f.msOutside)};
        for (int c = 0; c < cells.size(); ++c)
            p.drawText(QPointF(columns[c], top), cells[c]);
    }
    const auto cuts =
        std::count_if(session.marks.begin(), session.marks.end(), [](const SessionMark& m) {
            return m.kind == SessionMark::Kind::OverloadCut;
        });
    const auto losses =
        std::count_if(session.marks.begin(), session.marks.end(),
                      [](const SessionMark& m) { return m.kind == SessionMark::Kind::LinkLost; });
    p.drawText(QPointF(0, top + 50),
               tr("Overload cuts: %1    Link losses: %2").arg(cuts).arg(losses));
    const SettledRun settled = settleSession(session.samples);
    p.drawText(QPointF(0, top + 90),
               tr("Figures from %1 of %2 readings; not judged: %3 supply off, %4 before the "
                  "supply was up, %5 after a load jump%6")
                   .arg(settled.judged)
                   .arg(session.samples.size())
                   .arg(settled.supplyOff)
                   .arg(settled.poweringUp)
                   .arg(settled.loadJump)
                   .arg(settled.didNotPowerOn ? tr("; the supply did not power on") : QString()));
}

} // namespace

QImage sessionChartsImage(const SessionSheet& session) {
    return pageImage(voltsImageWidth, sessionChartsImageHeight,
                     [&session](QPainter& p) { SessionPage::drawCharts(p, session, 40); });
}

QByteArray sessionReportPdf(const SessionSheet& session) {
    return onePagePdf(SessionPage::tr("Manual session %1").arg(session.id),
                      [&session](QPainter& painter) { SessionPage::draw(painter, session); });
}

} // namespace velmor
