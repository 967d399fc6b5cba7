#include "ChartPictures.h"
#include "WebText.h"

#include "NumberText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>

namespace velmor::web {

namespace {

constexpr int width = 900;
constexpr int height = 360;
constexpr QMargins margins{70, 30, 150, 40};

// The plot's box and the scale from values to its pixels.
struct Plot {
    QRectF box{QPointF(margins.left(), margins.top()),
               QPointF(width - margins.right(), height - margins.bottom())};
    double low = 0, high = 1;
    int count = 1; // values along the bottom
    double x(int i) const {
        return box.left() + (count <= 1 ? box.width() / 2 : box.width() * i / (count - 1));
    }
    double y(double v) const { return box.bottom() - box.height() * (v - low) / (high - low); }
};

QImage canvas() {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void frame(QPainter& p, const Plot& plot, int ticks, int decimals, const QString& suffix) {
    p.setPen(QColor(0x88, 0x88, 0x88));
    p.drawRect(plot.box);
    for (int i = 0; i <= ticks; ++i) {
        const double v = plot.low + (plot.high - plot.low) * i / ticks;
        const double y = plot.y(v);
        p.setPen(QColor(0xe4, 0xe4, 0xe4));
        p.drawLine(QPointF(plot.box.left(), y), QPointF(plot.box.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - 10, margins.left() - 6, 20), Qt::AlignRight | Qt::AlignVCenter,
                   fixed(v, decimals) + suffix);
    }
}

// A level across the plot with its name at the right.
void level(QPainter& p, const Plot& plot, double v, const QColor& colour, Qt::PenStyle style,
           const QString& name) {
    p.setPen(QPen(colour, 1.5, style));
    const double y = plot.y(v);
    p.drawLine(QPointF(plot.box.left(), y), QPointF(plot.box.right(), y));
    p.drawText(QRectF(plot.box.right() + 6, y - 10, margins.right() - 8, 20),
               Qt::AlignLeft | Qt::AlignVCenter, name);
}

// A line through points from left to right as it shows: where several fall in one pixel column,
// their first, lowest, highest and last, so that thousands of values draw in a moment and the
// line still reaches each one.
QPolygonF columnLine(const std::vector<QPointF>& points) {
    QPolygonF line;
    for (std::size_t i = 0; i < points.size();) {
        const double column = std::floor(points[i].x());
        std::size_t end = i;
        double top = points[i].y(), bottom = top;
        for (; end < points.size() && std::floor(points[end].x()) == column; ++end) {
            top = std::min(top, points[end].y());
            bottom = std::max(bottom, points[end].y());
        }
        line << points[i];
        if (end - i > 1)
            line << QPointF(points[i].x(), top) << QPointF(points[i].x(), bottom)
                 << points[end - 1];
        i = end;
    }
    return line;
}

// A value's dot, drawn once, round the middle of its middle pixel.
QImage dotImage(const QColor& colour) {
    QImage dot(7, 7, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(3.5, 3.5), 2.5, 2.5);
    return dot;
}

const QColor valueColour(0x1f, 0x5f, 0xa8);

const QColor lineColours[] = {QColor(0x1f, 0x5f, 0xa8), QColor(0xc0, 0x60, 0x00),
                              QColor(0x17, 0x6b, 0x1f), QColor(0x7a, 0x2a, 0x92),
                              QColor(0x80, 0x80, 0x80)};

} // namespace

QImage yieldPicture(const results::YieldByDay& yields) {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    std::vector<QString> days;
    std::map<QString, std::vector<const results::DayYield*>> models;
    for (const results::DayYield& d : yields.days) {
        days.push_back(d.day);
        models[d.model].push_back(&d);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    Plot plot;
    plot.low = 0;
    plot.high = 100;
    plot.count = static_cast<int>(days.size());
    frame(p, plot, 5, 0, QStringLiteral(" %"));
    if (days.empty()) {
        p.drawText(plot.box, Qt::AlignCenter, WebText::tr("no completed runs"));
        return image;
    }
    // The first and last day under the plot, and every day's place marked.
    p.setPen(Qt::black);
    p.drawText(QRectF(plot.box.left() - 40, plot.box.bottom() + 4, 80, 20), Qt::AlignCenter,
               days.front());
    if (days.size() > 1)
        p.drawText(QRectF(plot.box.right() - 40, plot.box.bottom() + 4, 80, 20), Qt::AlignCenter,
                   days.back());
    std::size_t colour = 0;
    for (const auto& [model, list] : models) {
        const QColor c = lineColours[std::min(colour++, std::size(lineColours) - 1)];
        QPainterPath path;
        for (const results::DayYield* d : list) {
            const bool first = d == list.front();
            const int i =
                static_cast<int>(std::lower_bound(days.begin(), days.end(), d->day) - days.begin());
            const QPointF at(plot.x(i), plot.y(100.0 * d->firstPassed / d->units));
            first ? path.moveTo(at) : path.lineTo(at);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(at, 3, 3);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c, 2));
        p.drawPath(path);
        p.drawText(QRectF(plot.box.right() + 6,
                          margins.top() + 20.0 * static_cast<double>(colour - 1),
                          margins.right() - 8, 20),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   model.isEmpty() ? QStringLiteral("-") : model.left(20));
    }
    return image;
}

QImage controlPicture(const results::ControlValues& values, const QString& title) {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Plot plot;
    plot.count = static_cast<int>(values.points.size());
    p.setPen(Qt::black);
    p.drawText(QRectF(margins.left(), 4, width - margins.left() - margins.right(), 22),
               Qt::AlignLeft | Qt::AlignVCenter, title.left(80));
    if (values.points.empty()) {
        frame(p, plot, 4, 2, QString());
        p.drawText(plot.box, Qt::AlignCenter, WebText::tr("no values"));
        return image;
    }
    // The scale holds the values, the limits and ±3σ.
    double low = values.points.front().value, high = low;
    const auto extend = [&](double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    };
    for (const results::ChartPoint& point : values.points)
        extend(point.value);
    const auto control = values.controlLimits();
    for (const auto& v : {values.low, values.high})
        if (v)
            extend(*v);
    if (control) {
        extend(control->first);
        extend(control->second);
    }
    const double pad = high > low ? (high - low) * 0.08 : 0.5;
    plot.low = low - pad;
    plot.high = high + pad;
    frame(p, plot, 4, 3, QString());
    const QColor red(0xc0, 0x10, 0x10);
    if (values.low)
        level(p, plot, *values.low, red, Qt::SolidLine,
              WebText::tr("LSL %1").arg(fixed(*values.low, 3)));
    if (values.high)
        level(p, plot, *values.high, red, Qt::SolidLine,
              WebText::tr("USL %1").arg(fixed(*values.high, 3)));
    level(p, plot, values.spread.mean(), QColor(0x17, 0x6b, 0x1f), Qt::SolidLine,
          WebText::tr("mean %1").arg(fixed(values.spread.mean(), 3)));
    if (control) {
        level(p, plot, control->first, QColor(0x55, 0x55, 0x55), Qt::DashLine,
              WebText::tr("−3σ %1").arg(fixed(control->first, 3)));
        level(p, plot, control->second, QColor(0x55, 0x55, 0x55), Qt::DashLine,
              WebText::tr("+3σ %1").arg(fixed(control->second, 3)));
    }
    std::vector<QPointF> at;
    at.reserve(values.points.size());
    for (int i = 0; i < plot.count; ++i)
        at.emplace_back(plot.x(i), plot.y(values.points[static_cast<std::size_t>(i)].value));
    p.setPen(QPen(valueColour, 1.2));
    // Segment by segment: the rasterizer fills one long line of thousands of points in time
    // that grows with the square of its points.
    const QPolygonF line = columnLine(at);
    std::vector<QLineF> segments;
    for (qsizetype i = 1; i < line.size(); ++i)
        segments.emplace_back(line[i - 1], line[i]);
    p.drawLines(segments.data(), static_cast<int>(segments.size()));
    // Each value's dot stamped from one drawn dot; a value beyond ±3σ drawn in full and ringed.
    const QImage dot = dotImage(valueColour);
    for (int i = 0; i < plot.count; ++i) {
        const double v = values.points[static_cast<std::size_t>(i)].value;
        const QPointF& point = at[static_cast<std::size_t>(i)];
        if (!control || (v >= control->first && v <= control->second)) {
            p.drawImage(QPoint(static_cast<int>(std::floor(point.x())) - dot.width() / 2,
                               static_cast<int>(std::floor(point.y())) - dot.height() / 2),
                        dot);
            continue;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawEllipse(point, 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(red, 2));
        p.drawEllipse(point, 7, 7);
    }
    p.setPen(Qt::black);
    p.drawText(QRectF(plot.box.left(), plot.box.bottom() + 4, plot.box.width(), 20),
               Qt::AlignLeft | Qt::AlignVCenter, values.points.front().at.left(10));
    p.drawText(QRectF(plot.box.left(), plot.box.bottom() + 4, plot.box.width(), 20),
               Qt::AlignRight | Qt::AlignVCenter, values.points.back().at.left(10));
    return image;
}

} // namespace velmor::web
