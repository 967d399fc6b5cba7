#include "TimeChart.h"

#include "NumberText.h"
#include "ReportPage.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmor {

QString clockText(qint64 ms) {
    const qint64 s = std::max<qint64>(ms, 0) / 1000;
    return s >= 3600 ? QStringLiteral("%1:%2:%3")
                           .arg(s / 3600)
                           .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                           .arg(s % 60, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

qint64 timeStep(qint64 spanMs) {
    for (const qint64 s : {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200})
        if (spanMs / (s * 1000) <= 10)
            return s * 1000;
    // Longer runs: whole multiples of four hours, still about ten labels.
    const qint64 block = 14400 * 1000;
    return std::max<qint64>(1, (spanMs / 10 + block - 1) / block) * block;
}

TimeChart::TimeChart(QPainter& p, QRectF area, double low, double high, qint64 fromMs, qint64 toMs)
    : p_(p), area_(area), low_(low), high_(high > low ? high : low + 1), fromMs_(fromMs),
      spanMs_(std::max<qint64>(toMs - fromMs, 1)) {}

double TimeChart::x(qint64 ms) const {
    return area_.left() + area_.width() * static_cast<double>(ms - fromMs_) / spanMs_;
}

double TimeChart::y(double value) const {
    return area_.bottom() -
           area_.height() * (std::clamp(value, low_, high_) - low_) / (high_ - low_);
}

void TimeChart::frame(const QString& title, const QString& unit, double step) {
    p_.setPen(QPen(Qt::black, 1));
    p_.drawRect(area_);
    p_.setFont(reportFont(9, true));
    p_.drawText(QPointF(area_.left(), area_.top() - 8), title);
    p_.setFont(reportFont(7));
    // Never more than a hundred lines, whatever the range.
    step = std::max(step, (high_ - low_) / 100);
    for (double v = std::ceil(low_ / step) * step; v <= high_ + 1e-9; v += step) {
        p_.setPen(QPen(QColor(220, 220, 220), 1));
        p_.drawLine(QPointF(area_.left(), y(v)), QPointF(area_.right(), y(v)));
        p_.setPen(Qt::black);
        p_.drawText(QRectF(area_.left() - 95, y(v) - 12, 88, 24), Qt::AlignRight | Qt::AlignVCenter,
                    fixed(v, step < 1 ? 2 : 0) + unit);
    }
}

void TimeChart::band(double low, double high, const QColor& colour) {
    p_.fillRect(QRectF(QPointF(area_.left(), y(high)), QPointF(area_.right(), y(low))), colour);
}

void TimeChart::level(double value, const QPen& pen) {
    p_.setPen(pen);
    p_.drawLine(QPointF(area_.left(), y(value)), QPointF(area_.right(), y(value)));
}

void TimeChart::mark(qint64 ms, const QPen& pen) {
    p_.setPen(pen);
    p_.drawLine(QPointF(x(ms), area_.top()), QPointF(x(ms), area_.bottom()));
}

void TimeChart::span(qint64 fromMs, qint64 toMs, const QColor& colour) {
    p_.fillRect(QRectF(QPointF(x(fromMs), area_.top()),
                       QPointF(std::max(x(toMs), x(fromMs) + 2), area_.bottom())),
                colour);
}

void TimeChart::series(std::size_t count, const std::function<qint64(std::size_t)>& ms,
                       const std::function<std::optional<double>(std::size_t)>& value,
                       const QPen& pen) {
    // A page unit is one device pixel at reportDpi.
    const int columns = std::max(1, static_cast<int>(std::ceil(area_.width())) + 1);
    struct Column {
        double lo = 0;
        double hi = 0;
        bool has = false;
        bool afterGap = false; // a reading without a value came before this column's first
    };
    std::vector<Column> range(static_cast<std::size_t>(columns));
    bool gap = false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<double> v = value(i);
        if (!v) {
            gap = true;
            continue;
        }
        const double at = std::clamp(x(ms(i)) - area_.left(), 0.0, area_.width());
        Column& c = range[static_cast<std::size_t>(at)];
        const double clamped = std::clamp(*v, low_, high_);
        c.lo = c.has ? std::min(c.lo, clamped) : clamped;
        c.hi = c.has ? std::max(c.hi, clamped) : clamped;
        c.afterGap = c.has ? c.afterGap : gap;
        c.has = true;
        gap = false;
    }
    p_.setPen(pen);
    QPolygonF line;
    const auto flush = [&] {
        if (line.size() == 2 && line[0] == line[1])
            p_.drawPoint(line[0]);
        else if (!line.isEmpty())
            p_.drawPolyline(line);
        line.clear();
    };
    for (int c = 0; c < columns; ++c) {
        const Column& column = range[static_cast<std::size_t>(c)];
        if (!column.has)
            continue;
        if (column.afterGap)
            flush();
        line << QPointF(area_.left() + c, y(column.lo)) << QPointF(area_.left() + c, y(column.hi));
    }
    flush();
}

void TimeChart::timeAxis() {
    p_.setFont(reportFont(7));
    p_.setPen(Qt::black);
    const qint64 step = timeStep(spanMs_);
    for (qint64 t = 0; t <= spanMs_; t += step)
        p_.drawText(QRectF(x(fromMs_ + t) - 50, area_.bottom() + 14, 100, 24), Qt::AlignHCenter,
                    clockText(t));
}

} // namespace velmor
