#include "SweepReport.h"

#include "BoxPaint.h"
#include "Conversions.h"
#include "Deviation.h"
#include "MapSummary.h"
#include "MapSummaryText.h"
#include "NumberText.h"
#include "OutcomeColour.h"
#include "ReportPage.h"
#include "RunReport.h"
#include "Sweep.h"
#include "SweepSettling.h"
#include "Twips.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace velmor {

namespace {

// The page's minus sign, which a reader tells from a dash.
constexpr QChar typographicMinus{0x2212};

// The current one map cell spans on each axis: that of one load step.
constexpr double amps12PerColumn = nominalCurrent12(1);
constexpr double amps5PerRow = nominalCurrent5(1);
constexpr int cellsPerSide = 128;

// The part of the map the sweep reached, enlarged by a whole factor so that every cell stays a
// sharp block of the map's own pixels.
struct MapView {
    QRect source;    // in the map's pixels
    int scale = 1;   // page units per map pixel
    qreal ratio = 1; // map pixels per logical pixel

    // Where a load lands, in page units from the view's top-left corner.
    QPointF at(double amps12, double amps5) const {
        const double x = amps12 / amps12PerColumn * cellTwips * ratio / twipsPerPixel;
        const double y = (mapBaseTwips - amps5 / amps5PerRow * cellTwips) * ratio / twipsPerPixel;
        return (QPointF(x, y) - QPointF(source.topLeft())) * scale;
    }
    QSizeF size() const { return QSizeF(source.size()) * scale; }
    double amps12Span() const {
        return source.width() * twipsPerPixel / ratio / cellTwips * amps12PerColumn;
    }
    double amps5Span() const {
        return source.height() * twipsPerPixel / ratio / cellTwips * amps5PerRow;
    }
};

// The rows and columns the limits allow and the cells painted, and two cells more each way.
MapView mapView(const FinishedSweep& sweep, const QSizeF& room) {
    int rows = sweep.limits.loadLimit1 / 2 + 1;
    int columns = (sweep.limits.loadLimit2 + 1) / 2;
    for (const MapCell& cell : sweep.record) {
        rows = std::max(rows, cell.row + 1);
        columns = std::max(columns, cell.column + 1);
    }
    rows = std::min(rows + 2, cellsPerSide);
    columns = std::min(columns + 2, cellsPerSide);
    MapView view;
    view.ratio = sweep.mapPixelRatio;
    const auto pixel = [&view](int twips) { return qRound(twips * view.ratio / twipsPerPixel); };
    const QRect reached(QPoint(0, pixel(mapBaseTwips - cellTwips * rows)),
                        QPoint(pixel(cellTwips * columns) - 1, pixel(mapBaseTwips) - 1));
    view.source = reached.intersected(sweep.map.rect());
    if (view.source.isEmpty())
        view.source = sweep.map.rect();
    view.scale = std::max(1, static_cast<int>(std::min(room.width() / view.source.width(),
                                                       room.height() / view.source.height())));
    return view;
}

// A step for axis ticks that puts at most ten of them on the span.
double tickStep(double span) {
    for (const double step : {0.25, 0.5, 1.0, 2.0, 5.0})
        if (span / step <= 10)
            return step;
    return 10;
}

constexpr std::array<const char*, 7> classRanges{
    QT_TRANSLATE_NOOP("SweepReport", "under 1 %"),   QT_TRANSLATE_NOOP("SweepReport", "1 to 2 %"),
    QT_TRANSLATE_NOOP("SweepReport", "2 to 3 %"),    QT_TRANSLATE_NOOP("SweepReport", "3 to 4 %"),
    QT_TRANSLATE_NOOP("SweepReport", "4 to 5 %"),    QT_TRANSLATE_NOOP("SweepReport", "5 to 6 %"),
    QT_TRANSLATE_NOOP("SweepReport", "6 % and more")};

std::array<int, 7> cellsPerClass(const MapRecord& record) {
    std::array<int, 7> counts{};
    for (const MapCell& cell : record)
        ++counts[static_cast<std::size_t>(std::min(cellClass(cell.k5, cell.k12), 6))];
    return counts;
}

class SweepPage {
    Q_DECLARE_TR_FUNCTIONS(SweepReport)

public:
    SweepPage(QPainter& painter, const FinishedSweep& sweep)
        : p_(painter), sweep_(sweep), summary_(summarize(sweep.record, sweep.calibration)),
          view_(mapView(sweep, mapRoom)) {}

    void draw() {
        title();
        map();
        legend();
        verdictAndFigures();
    }

    double mapAndLegend(double top) {
        p_.save();
        p_.translate(0, top - mapTop);
        map();
        legend();
        p_.restore();
        return top + std::max(mapHeight(), 330.0) + 80;
    }

private:
    static constexpr double mapLeft = 90;
    static constexpr double mapTop = 140;
    static constexpr QSizeF mapRoom{680, 700};

    double mapWidth() const { return view_.size().width(); }
    double mapHeight() const { return view_.size().height(); }

    void text(double x, double y, const QString& line, const QFont& font,
              const QColor& colour = Qt::black) {
        p_.setFont(font);
        p_.setPen(colour);
        p_.drawText(QPointF(x, y), line);
    }

    void title() {
        text(0, 40, tr("Cross-load test \"%1\"").arg(sweep_.name), reportFont(18, true));
        text(0, 80,
             tr("%1    Bench %2    Port %3")
                 .arg(localTimeText(sweep_.finishedAt), sweep_.bench, sweep_.port),
             reportFont(10));
        text(0, 110, unitLine(sweep_.unit), reportFont(10));
    }

    void map() {
        const QRectF frame(QPointF(mapLeft, mapTop), view_.size());
        // Enlarged here, pixel by pixel: a viewer would smooth the cells' edges.
        p_.drawImage(frame.topLeft(), sweep_.map.copy(view_.source)
                                          .scaled(view_.size().toSize(), Qt::IgnoreAspectRatio,
                                                  Qt::FastTransformation));
        p_.save();
        p_.translate(mapLeft, mapTop);
        p_.setClipRect(QRectF(QPointF(0, 0), view_.size()));
        // The power bound: 5 V * I5 + 12 V * I12 = 2 * PowerLimit W.
        const double watts = powerLimitWatts(sweep_.limits.powerLimit);
        const QLineF bound(view_.at(0, watts / 5), view_.at(watts / 12, 0));
        if (watts > 0) {
            p_.setPen(QPen(Qt::black, 6));
            p_.drawLine(bound);
            p_.setPen(QPen(Qt::white, 3, Qt::DashLine));
            p_.drawLine(bound);
        }
        p_.restore();
        const QPointF label = frame.topLeft() + view_.at(watts / 24, watts / 10) + QPointF(10, -10);
        if (watts > 0 && frame.adjusted(0, 40, -200, 0).contains(label))
            text(label.x(), label.y(), tr("%1 W bound").arg(watts), reportFont(10, true),
                 Qt::white);
        axes();
    }

    void axes() {
        const QFont font = reportFont(8);
        p_.setPen(Qt::black);
        p_.drawRect(QRectF(mapLeft, mapTop, mapWidth(), mapHeight()));
        const double bottom = mapTop + mapHeight();
        const double step12 = tickStep(view_.amps12Span());
        for (double amps = 0; amps <= view_.amps12Span(); amps += step12) {
            const double x = mapLeft + view_.at(amps, 0).x();
            p_.drawLine(QPointF(x, bottom), QPointF(x, bottom + 8));
            text(x - 10, bottom + 30, QString::number(amps), font);
        }
        const double step5 = tickStep(view_.amps5Span());
        for (double amps = 0; amps <= view_.amps5Span(); amps += step5) {
            const double y = mapTop + view_.at(0, amps).y();
            p_.drawLine(QPointF(mapLeft - 8, y), QPointF(mapLeft, y));
            text(mapLeft - 48, y + 6, QString::number(amps), font);
        }
        text(mapLeft + mapWidth() / 2 - 90, bottom + 62, tr("+12 V current, A"), reportFont(9));
        p_.save();
        p_.translate(mapLeft - 58, mapTop + mapHeight() / 2 + 80);
        p_.rotate(-90);
        text(0, 0, tr("+5 V current, A"), reportFont(9));
        p_.restore();
    }

    void legend() {
        const double left = mapLeft + mapWidth() + 30;
        text(left, mapTop + 20, tr("Deviation"), reportFont(10, true));
        text(left + 200, mapTop + 20, tr("Cells"), reportFont(10, true));
        const auto counts = cellsPerClass(sweep_.record);
        for (std::size_t k = 0; k < counts.size(); ++k) {
            const double y = mapTop + 45 + 38 * static_cast<double>(k);
            p_.fillRect(QRectF(left, y, 28, 28), standardQColor(classColour(static_cast<int>(k))));
            p_.setPen(Qt::black);
            p_.drawRect(QRectF(left, y, 28, 28));
            text(left + 40, y + 21, tr(classRanges[k]), reportFont(9));
            text(left + 200, y + 21, QString::number(counts[k]), reportFont(9));
        }
        const double y = mapTop + 45 + 38 * static_cast<double>(counts.size()) + 14;
        if (sweep_.limits.powerLimit <= 0)
            return;
        p_.setPen(QPen(Qt::black, 6));
        p_.drawLine(QPointF(left, y), QPointF(left + 28, y));
        p_.setPen(QPen(Qt::white, 3, Qt::DashLine));
        p_.drawLine(QPointF(left, y), QPointF(left + 28, y));
        text(left + 40, y + 7,
             tr("%1 W power bound").arg(powerLimitWatts(sweep_.limits.powerLimit)), reportFont(9));
    }

    QString worstLine(const QString& label, Output output) {
        QString line = tr("Worst %1: ").arg(label);
        const MapCell* cell = worstCell(sweep_.record, summary_, output);
        if (!cell)
            return line + tr("none");
        const OutputReading r = outputReading(*cell, output);
        return line + tr("%1 V, %2 V (%3 %) at +5 V %4 A, +12 V %5 A (row %6, column %7)")
                          .arg(fixed(r.volts, 3), signedFixed(r.deviation(), 3, typographicMinus),
                               signedFixed(r.percent(), 2, typographicMinus),
                               fixed(nominalCurrent5(cell->row), 2),
                               fixed(nominalCurrent12(cell->column), 2))
                          .arg(cell->row)
                          .arg(cell->column);
    }

    void verdictAndFigures() {
        double y = mapTop + std::max(mapHeight(), 330.0) + 150;
        const MapSummary& s = summary_;
        const Verdict verdict = verdictOf(s, sweep_.completed);
        text(0, y, verdictWord(verdict), reportFont(36, true),
             outcomeColour(verdict == Verdict::Pass   ? std::optional(Outcome::Pass)
                           : verdict == Verdict::Fail ? std::optional(Outcome::Fail)
                                                      : std::nullopt));
        const auto shutDown = shutDownText(sweep_.record, s);
        const QString share =
            shutDown          ? *shutDown
            : s.didNotPowerOn ? tr("the supply did not power on: not all three outputs within "
                                   "±10 % %1 s after switch-on")
                                    .arg(powerOnTimeoutMs / 1000)
            : s.judged == 0 ? tr("no judged cells")
                            : tr("%1 of %2 judged cells inside the ATX ±5 % band on both +5 V and "
                                 "+12 V, %3 %")
                                  .arg(s.insideBand)
                                  .arg(s.judged)
                                  .arg(percentOf(s.insideBand, s.judged));
        text(0, y += 45, share, reportFont(10));
        const QFont body = reportFont(10);
        text(0, y += 30,
             calibrationLine(sweep_.calibration.isCalibrated() ? sweep_.calibration.id : QString(),
                             sweep_.calibrationWarning),
             body);
        y += 60;
        const SweepLimits& l = sweep_.limits;
        text(0, y,
             tr("Limits: LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3 (%4 W)")
                 .arg(l.loadLimit1)
                 .arg(l.loadLimit2)
                 .arg(l.powerLimit)
                 .arg(powerLimitWatts(l.powerLimit)),
             body);
        text(0, y += 40, worstLine(tr("+5 V"), Output::Plus5), body);
        text(0, y += 40, worstLine(tr("+12 V"), Output::Plus12), body);
        text(0, y += 40, range33(), body);
        // Wrapped at the page's edge: the Russian runs longer than the English.
        p_.setFont(reportFont(8));
        p_.setPen(Qt::darkGray);
        const double top = (y += 60) - p_.fontMetrics().ascent();
        p_.drawText(QRectF(0, top, p_.window().width(), 120), Qt::TextWordWrap,
                    tr("On the map but not judged: %1 answering the all-off frame, %2 read before "
                       "the supply was up, %3 just after a load jump (a row wrap), %4 after a "
                       "shutdown.")
                        .arg(s.supplyOff)
                        .arg(s.poweringUp)
                        .arg(s.loadJump)
                        .arg(s.afterShutdown));
    }

    QString range33() const {
        std::optional<double> low;
        std::optional<double> high;
        const SettledRun settled = settleSweep(sweep_.record);
        for (std::size_t i = 0; i < sweep_.record.size(); ++i)
            if (settled.settling[i] == Settling::Judged) {
                const double volts = cellReading(sweep_.record[i]).volts33;
                low = std::min(low.value_or(volts), volts);
                high = std::max(high.value_or(volts), volts);
            }
        if (!low)
            return tr("+3.3 V seen: none");
        return tr("+3.3 V seen: %1 V to %2 V").arg(fixed(*low, 3), fixed(*high, 3));
    }

    QPainter& p_;
    const FinishedSweep& sweep_;
    MapSummary summary_;
    MapView view_;
};

} // namespace

double drawSweepMap(QPainter& painter, const FinishedSweep& sweep, double top) {
    return SweepPage(painter, sweep).mapAndLegend(top);
}

QByteArray sweepReportPdf(const FinishedSweep& sweep) {
    return onePagePdf(SweepPage::tr("Cross-load test \"%1\"").arg(sweep.name),
                      [&sweep](QPainter& painter) { SweepPage(painter, sweep).draw(); });
}

} // namespace velmor
