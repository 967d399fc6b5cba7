#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>

namespace velmor {

// "1:05" or "2:01:05": a time from the start of a run, as the charts' axes label it.
QString clockText(qint64 ms);

// A step between time labels that puts about ten of them on the span.
qint64 timeStep(qint64 spanMs);

// One chart of values over time: a plot area, its value range, and a time span across it.
class TimeChart {
public:
    TimeChart(QPainter& p, QRectF area, double low, double high, qint64 fromMs, qint64 toMs);

    double x(qint64 ms) const;
    double y(double value) const; // held inside the area
    const QRectF& area() const { return area_; }

    // The frame, the title above it and a labelled line every `step` of the value.
    void frame(const QString& title, const QString& unit, double step);
    // A shaded band between two values, held inside the area.
    void band(double low, double high, const QColor& colour);
    void level(double value, const QPen& pen);
    // A vertical line at a time across the area.
    void mark(qint64 ms, const QPen& pen);
    // A shaded span of time across the area.
    void span(qint64 fromMs, qint64 toMs, const QColor& colour);

    // Values over time, reduced to the lowest and highest of each device pixel across, so that
    // hours of 100 ms readings keep their spikes and draw in a moment. Readings without a value
    // leave a gap. `count` readings, the i-th at ms(i); the times must not go back.
    void series(std::size_t count, const std::function<qint64(std::size_t)>& ms,
                const std::function<std::optional<double>(std::size_t)>& value, const QPen& pen);

    void timeAxis();

private:
    QPainter& p_;
    QRectF area_;
    double low_;
    double high_;
    qint64 fromMs_;
    qint64 spanMs_;
};

} // namespace velmor
