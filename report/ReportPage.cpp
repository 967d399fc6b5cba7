#include "ReportPage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>

namespace velmor {

QByteArray onePagePdf(const QString& title, const std::function<void(QPainter&)>& draw) {
    return pagesPdf(title, 1, [&draw](QPainter& painter, int) { draw(painter); });
}

QByteArray pagesPdf(const QString& title, int pages,
                    const std::function<void(QPainter&, int)>& draw) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        writer.setResolution(reportDpi);
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                writer.newPage();
            painter.save();
            draw(painter, page);
            painter.restore();
        }
    }
    return pdf;
}

QImage pageImage(int width, int height, const std::function<void(QPainter&)>& draw) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(reportDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

QFont reportFont(qreal points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: an id or name copied out of the report ("…bff") must read as it was typed.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString unitLine(const UnitIdentity& unit) {
    const auto shown = [](const QString& given) {
        return given.isEmpty() ? QStringLiteral("-") : given;
    };
    return QCoreApplication::translate("ReportPage", "Unit %1    Model %2    Operator %3")
        .arg(shown(unit.serial), shown(unit.model), shown(unit.operatorName));
}

} // namespace velmor
