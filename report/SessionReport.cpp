#include "SessionReport.h"

#include "MapExport.h"
#include "ReportPage.h"

#include <QCoreApplication>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace velmor {

namespace {

QString clock(qint64 ms) {
    const qint64 s = std::max<qint64>(ms, 0) / 1000;
    return s >= 3600 ? QStringLiteral("%1:%2:%3")
                           .arg(s / 3600)
                           .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                           .arg(s % 60, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

bool outsideBand(double volts, double nominal) {
    return std::abs(volts - nominal) >= 0.05 * nominal;
}

// One chart: a plot area, its value range, and the session's time span across it.
class Chart {
public:
    Chart(QPainter& p, QRectF area, double low, double high, qint64 spanMs)
        : p_(p), area_(area), low_(low), high_(high), spanMs_(std::max<qint64>(spanMs, 1)) {}

    double x(qint64 ms) const { return area_.left() + area_.width() * ms / spanMs_; }
    double y(double value) const {
        return area_.bottom() - area_.height() * (value - low_) / (high_ - low_);
    }

    void frame(const QString& title, const QString& unit, double step) {
        p_.setPen(QPen(Qt::black, 1));
        p_.drawRect(area_);
        p_.setFont(reportFont(9, true));
        p_.drawText(QPointF(area_.left(), area_.top() - 8), title);
        p_.setFont(reportFont(7));
        for (double v = std::ceil(low_ / step) * step; v <= high_ + 1e-9; v += step) {
            p_.setPen(QPen(QColor(220, 220, 220), 1));
            p_.drawLine(QPointF(area_.left(), y(v)), QPointF(area_.right(), y(v)));
            p_.setPen(Qt::black);
            p_.drawText(QRectF(area_.left() - 95, y(v) - 12, 88, 24),
                        Qt::AlignRight | Qt::AlignVCenter, fixed(v, step < 1 ? 2 : 0) + unit);
        }
    }

    void band(double nominal) {
        p_.fillRect(QRectF(QPointF(area_.left(), y(nominal * 1.05)),
                           QPointF(area_.right(), y(nominal * 0.95))),
                    QColor(0, 170, 0, 40));
        p_.setPen(QPen(QColor(0, 130, 0), 1, Qt::DashLine));
        p_.drawLine(QPointF(area_.left(), y(nominal)), QPointF(area_.right(), y(nominal)));
    }

    // The series with a low-high bar per page unit of time, so an hour of 200 ms ticks keeps its
    // spikes and the file stays small.
    void series(const std::vector<SessionSample>& samples,
                const std::function<double(const SessionSample&)>& value, const QColor& colour) {
        QPolygonF line;
        int column = -1;
        double lo = 0;
        double hi = 0;
        const auto flush = [&] {
            if (column >= 0) {
                line << QPointF(area_.left() + column, y(lo))
                     << QPointF(area_.left() + column, y(hi));
            }
        };
        for (const SessionSample& s : samples) {
            const int c = static_cast<int>(x(s.ms) - area_.left());
            const double v = std::clamp(value(s), low_, high_);
            if (c != column) {
                flush();
                column = c;
                lo = hi = v;
            } else {
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
        }
        flush();
        p_.setPen(QPen(colour, 1.5));
        p_.drawPolyline(line);
    }

    void marks(const std::vector<SessionMark>& marks) {
        std::optional<qint64> lostAt;
        for (const SessionMark& m : marks) {
            switch (m.kind) {
            case SessionMark::Kind::OverloadCut:
                p_.setPen(QPen(QColor(210, 0, 0), 1.5));
                p_.drawLine(QPointF(x(m.ms), area_.top()), QPointF(x(m.ms), area_.bottom()));
                break;
            case SessionMark::Kind::LinkLost:
                lostAt = m.ms;
                break;
            case SessionMark::Kind::LinkBack:
                if (lostAt)
                    linkGap(*lostAt, m.ms);
                lostAt.reset();
                break;
            }
        }
        if (lostAt)
            linkGap(*lostAt, spanMs_);
    }

    void timeAxis(qint64 stepMs) {
        p_.setFont(reportFont(7));
        p_.setPen(Qt::black);
        for (qint64 t = 0; t <= spanMs_; t += stepMs)
            p_.drawText(QRectF(x(t) - 50, area_.bottom() + 4, 100, 24), Qt::AlignHCenter, clock(t));
    }

private:
    void linkGap(qint64 from, qint64 to) {
        p_.fillRect(QRectF(QPointF(x(from), area_.top()),
                           QPointF(std::max(x(to), x(from) + 2), area_.bottom())),
                    QColor(120, 120, 120, 90));
    }

    QPainter& p_;
    QRectF area_;
    double low_;
    double high_;
    qint64 spanMs_;
};

qint64 timeStep(qint64 spanMs) {
    for (const qint64 s : {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200})
        if (spanMs / (s * 1000) <= 10)
            return s * 1000;
    // Longer sessions: whole multiples of four hours, still about ten labels.
    const qint64 block = 14400 * 1000;
    return std::max<qint64>(1, (spanMs / 10 + block - 1) / block) * block;
}

struct Output {
    const char* name;
    double SessionSample::*volts;
    double nominal;
    QColor colour;
};

const std::array<Output, 3> outputs{
    {{QT_TRANSLATE_NOOP("SessionReport", "+5 V"), &SessionSample::volts5, 5, QColor(140, 0, 170)},
     {QT_TRANSLATE_NOOP("SessionReport", "+12 V"), &SessionSample::volts12, 12,
      QColor(200, 140, 0)},
     {QT_TRANSLATE_NOOP("SessionReport", "+3.3 V"), &SessionSample::volts33, 3.3,
      QColor(0, 90, 200)}}};

// The page; its texts are looked up in the catalogue under "SessionReport".
struct SessionPage {
    Q_DECLARE_TR_FUNCTIONS(SessionReport)

public:
    static void draw(QPainter& p, const SessionSheet& session);
};

void SessionPage::draw(QPainter& p, const SessionSheet& session) {
    const qint64 span = session.samples.empty() ? 1 : session.samples.back().ms;
    p.setPen(Qt::black);
    p.setFont(reportFont(16, true));
    p.drawText(QPointF(0, 36), tr("Manual session %1").arg(session.id.left(8)));
    p.setFont(reportFont(9));
    p.drawText(QPointF(0, 70), tr("%1    Bench %2    Port %3    %4 long, ended: %5")
                                   .arg(localTimeText(session.startedAt), session.host,
                                        session.port, clock(span), session.endState));
    p.drawText(QPointF(0, 96), unitLine(session.unit));
    constexpr double left = 110;
    constexpr double width = 1098 - left - 10;
    double top = 140;
    const qint64 step = timeStep(span);
    for (const Output& o : outputs) {
        double low = o.nominal * 0.92;
        double high = o.nominal * 1.08;
        for (const SessionSample& s : session.samples) {
            low = std::min(low, s.*o.volts);
            high = std::max(high, s.*o.volts);
        }
        Chart chart(p, QRectF(left, top, width, 170), low, high, span);
        chart.band(o.nominal);
        chart.frame(tr("%1, V").arg(tr(o.name)), QString(),
                    o.nominal < 4   ? 0.1
                    : o.nominal < 6 ? 0.25
                                    : 0.5);
        chart.series(
            session.samples, [&o](const SessionSample& s) { return s.*o.volts; }, o.colour);
        chart.marks(session.marks);
        top += 215;
    }
    Chart loads(p, QRectF(left, top, width, 150), 0, 255, span);
    loads.frame(tr("Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue"), QString(),
                50);
    loads.series(
        session.samples, [](const SessionSample& s) { return s.load5; }, outputs[0].colour);
    loads.series(
        session.samples, [](const SessionSample& s) { return s.load12; }, outputs[1].colour);
    loads.series(
        session.samples, [](const SessionSample& s) { return s.load33; }, outputs[2].colour);
    loads.marks(session.marks);
    top += 195;
    double watts = 50;
    for (const SessionSample& s : session.samples)
        watts = std::max(watts, s.power);
    watts = std::ceil(watts / 50) * 50;
    Chart power(p, QRectF(left, top, width, 150), 0, watts, span);
    power.frame(tr("Power, W"), QString(), watts / 5);
    power.series(
        session.samples, [](const SessionSample& s) { return s.power; }, Qt::black);
    power.marks(session.marks);
    power.timeAxis(step);
    top += 210;

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
    for (const Output& o : outputs) {
        top += 34;
        const OutputFigures f = outputFigures(session.samples, o.volts, o.nominal);
        const auto shown = [&f](double v) {
            return f.judged ? tr("%1 V").arg(fixed(v, 3)) : tr("none");
        };
        const QStringList cells{tr(o.name), shown(f.min), shown(f.max), shown(f.mean),
                                clock(f.msOutside)};
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

SettledRun settleSession(const std::vector<SessionSample>& samples) {
    std::vector<RunReading> readings;
    readings.reserve(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const SessionSample& s = samples[i];
        RunReading r{s.ms, i > 0, 0, 0, 0, s.volts5 / 5, s.volts12 / 12, s.volts33 / 3.3};
        if (i > 0 && !samples[i - 1].overload) {
            r.load5 = samples[i - 1].load5;
            r.load12 = samples[i - 1].load12;
            r.load33 = samples[i - 1].load33;
        }
        readings.push_back(r);
    }
    return settleRun(readings);
}

OutputFigures outputFigures(const std::vector<SessionSample>& samples, double SessionSample::*volts,
                            double nominal) {
    OutputFigures f;
    const SettledRun settled = settleSession(samples);
    if (settled.judged == 0)
        return f;
    bool first = true;
    double sum = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (settled.settling[i] != Settling::Judged)
            continue;
        const double v = samples[i].*volts;
        f.min = first ? v : std::min(f.min, v);
        f.max = first ? v : std::max(f.max, v);
        first = false;
        sum += v;
        if (i + 1 < samples.size() && outsideBand(v, nominal))
            f.msOutside += samples[i + 1].ms - samples[i].ms;
    }
    f.judged = settled.judged;
    f.mean = sum / settled.judged;
    return f;
}

QByteArray sessionReportPdf(const SessionSheet& session) {
    return onePagePdf(SessionPage::tr("Manual session %1").arg(session.id),
                      [&session](QPainter& painter) { SessionPage::draw(painter, session); });
}

} // namespace velmor
