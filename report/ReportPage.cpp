#include "ReportPage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>

namespace velmor {

QByteArray onePagePdf(const QString& title, const std::function<void(QPainter&)>& draw) {
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
        draw(painter);
    }
    return pdf;
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

} // namespace velmor
