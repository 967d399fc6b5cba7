#include "SweepReport.h"

#include "Conversions.h"
#include "Deviation.h"
#include "ReportPage.h"
#include "Sweep.h"
#include "SweepVerdict.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <algorithm>
#include <array>

namespace velmor {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SweepReport", text);
}

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString signedFixed(double value, int decimals) {
    return (value >= 0 ? QStringLiteral("+") : QStringLiteral("−")) +
           fixed(std::abs(value), decimals);
}

// The map in page units (one logical screen pixel each): twips of the plot surface over 15.
constexpr double unitsPerTwip = 1.0 / 15;
constexpr double amps12PerColumn = 21.0 / 128;
constexpr double amps5PerRow = 40.0 / 128;

QPointF mapPoint(double amps12, double amps5) {
    return {amps12 / amps12PerColumn * cellTwips * unitsPerTwip,
            (mapBaseTwips - amps5 / amps5PerRow * cellTwips) * unitsPerTwip};
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
public:
    SweepPage(QPainter& painter, const FinishedSweep& sweep)
        : p_(painter), sweep_(sweep), verdict_(judgeSweep(sweep.record)) {}

    void draw() {
        title();
        map();
        legend();
        verdictAndFigures();
    }

private:
    static constexpr double mapLeft = 80;
    static constexpr double mapTop = 150;

    double mapWidth() const { return sweep_.map.width() / sweep_.mapPixelRatio; }
    double mapHeight() const { return sweep_.map.height() / sweep_.mapPixelRatio; }

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
                 .arg(sweep_.finishedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                      QSysInfo::machineHostName(), sweep_.port),
             reportFont(10));
    }

    void map() {
        const QRectF frame(mapLeft, mapTop, mapWidth(), mapHeight());
        p_.drawImage(frame, sweep_.map);
        p_.save();
        p_.translate(mapLeft, mapTop);
        p_.setClipRect(QRectF(0, 0, mapWidth(), mapHeight()));
        // The power bound: 5 V * I5 + 12 V * I12 = 2 * PowerLimit W.
        const double watts = powerLimitWatts(sweep_.limits.powerLimit);
        p_.setPen(QPen(Qt::white, 2, Qt::DashLine));
        p_.drawLine(mapPoint(0, watts / 5), mapPoint(watts / 12, 0));
        p_.restore();
        const QPointF label =
            mapPoint(std::min(watts / 12, 20.0) / 2, watts / 10) + QPointF(mapLeft + 8, mapTop - 8);
        if (frame.contains(label))
            text(label.x(), label.y(), tr("%1 W").arg(watts), reportFont(9, true), Qt::white);
        axes();
    }

    void axes() {
        const QFont font = reportFont(8);
        p_.setPen(Qt::black);
        p_.drawRect(QRectF(mapLeft, mapTop, mapWidth(), mapHeight()));
        const double bottom = mapTop + mapHeight();
        for (int amps = 0; amps <= 20; amps += 2) {
            const double x = mapLeft + mapPoint(amps, 0).x();
            p_.drawLine(QPointF(x, bottom), QPointF(x, bottom + 8));
            text(x - 8, bottom + 28, QString::number(amps), font);
        }
        for (int amps = 0; amps <= 40; amps += 5) {
            const double y = mapTop + mapPoint(0, amps).y();
            p_.drawLine(QPointF(mapLeft - 8, y), QPointF(mapLeft, y));
            text(mapLeft - 40, y + 6, QString::number(amps), font);
        }
        text(mapLeft + mapWidth() / 2 - 90, bottom + 58, tr("+12 V current, A"), reportFont(9));
        p_.save();
        p_.translate(mapLeft - 50, mapTop + mapHeight() / 2 + 80);
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
            p_.fillRect(QRectF(left, y, 28, 28), ui::toQColor(classColour(static_cast<int>(k))));
            p_.setPen(Qt::black);
            p_.drawRect(QRectF(left, y, 28, 28));
            text(left + 40, y + 21, tr(classRanges[k]), reportFont(9));
            text(left + 200, y + 21, QString::number(counts[k]), reportFont(9));
        }
    }

    QString worstLine(const char* output, const std::optional<std::size_t>& index, bool five) {
        QString line = tr("Worst %1: ").arg(QString::fromUtf8(output));
        if (!index)
            return line + tr("none");
        const MapCell& cell = verdict_.judged[*index];
        const double volts = five ? volts5Graph(cell.b2) : volts12(cell.b3);
        const double nominal = five ? 5 : 12;
        return line + tr("%1 V, %2 V (%3 %) at +5 V %4 A, +12 V %5 A (row %6, column %7)")
                          .arg(fixed(volts, 3), signedFixed(volts - nominal, 3),
                               signedFixed((volts - nominal) / nominal * 100, 2),
                               fixed(cellCurrent5(cell), 2), fixed(cellCurrent12(cell), 2))
                          .arg(cell.row)
                          .arg(cell.column);
    }

    void verdictAndFigures() {
        double y = mapTop + mapHeight() + 140;
        const MapSummary& s = verdict_.summary;
        const bool passed = verdict_.passed();
        text(0, y, passed ? tr("PASS") : tr("FAIL"), reportFont(36, true),
             passed ? QColor(0, 140, 0) : QColor(200, 0, 0));
        const QString share =
            s.cells == 0 ? tr("no judged cells")
                         : tr("%1 of %2 judged cells inside the ATX ±5 % band on both +5 V and "
                              "+12 V, %3 %")
                               .arg(s.insideBand)
                               .arg(s.cells)
                               .arg(fixed(100.0 * s.insideBand / s.cells, 2));
        text(250, y - 14, share, reportFont(10));
        const QFont body = reportFont(10);
        y += 70;
        const SweepLimits& l = sweep_.limits;
        text(0, y,
             tr("Limits: LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3 (%4 W)")
                 .arg(l.loadLimit1)
                 .arg(l.loadLimit2)
                 .arg(l.powerLimit)
                 .arg(powerLimitWatts(l.powerLimit)),
             body);
        text(0, y += 40, worstLine("+5 V", s.worst5, true), body);
        text(0, y += 40, worstLine("+12 V", s.worst12, false), body);
        text(0, y += 40, range33(), body);
        text(0, y += 60,
             tr("Cell (0, 0) shows the reply to the all-off frame sent before the supply is "
                "switched on; it is on the map but not judged."),
             reportFont(8), Qt::darkGray);
    }

    QString range33() const {
        if (verdict_.judged.empty())
            return tr("+3.3 V seen: none");
        const auto [low, high] =
            std::minmax_element(verdict_.judged.begin(), verdict_.judged.end(),
                                [](const MapCell& a, const MapCell& b) { return a.b4 < b.b4; });
        return tr("+3.3 V seen: %1 V to %2 V")
            .arg(fixed(volts33(low->b4), 3), fixed(volts33(high->b4), 3));
    }

    QPainter& p_;
    const FinishedSweep& sweep_;
    SweepVerdict verdict_;
};

} // namespace

QByteArray sweepReportPdf(const FinishedSweep& sweep) {
    return onePagePdf(tr("Cross-load test \"%1\"").arg(sweep.name),
                      [&sweep](QPainter& painter) { SweepPage(painter, sweep).draw(); });
}

} // namespace velmor
