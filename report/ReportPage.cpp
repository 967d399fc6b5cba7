#include "ReportPage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <cstdlib>
#include <ctime>

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

namespace {

// n in `width` decimal digits, leading zeros included; after them.
char16_t* digits(char16_t* out, int n, int width) {
    for (int i = width - 1; i >= 0; --i, n /= 10)
        out[i] = static_cast<char16_t>(u'0' + n % 10);
    return out + width;
}

// What the C library cannot convert (or not in four digits of year), as Qt converts it.
QString convertedByQt(const QDateTime& time) {
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc() / 60;
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(std::abs(offset) / 60, 2, 10, QLatin1Char('0'))
               .arg(std::abs(offset) % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString localTimeText(const QDateTime& time) {
    return time.isValid() ? localTimeText(time.toMSecsSinceEpoch()) : convertedByQt(time);
}

QString localTimeText(qint64 ms) {
    // The C library's conversion, which QDateTime::toLocalTime makes too, without its bookkeeping:
    // a tenth of the time, and a list shows one time per record.
    const auto seconds = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
    std::tm local{};
    tzset();
    if (!localtime_r(&seconds, &local) || local.tm_year + 1900 < 1000 ||
        local.tm_year + 1900 > 9999)
        return convertedByQt(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
    const int offset = static_cast<int>(local.tm_gmtoff) / 60;
    char16_t text[26];
    char16_t* out = digits(text, local.tm_year + 1900, 4);
    *out++ = u'-';
    out = digits(out, local.tm_mon + 1, 2);
    *out++ = u'-';
    out = digits(out, local.tm_mday, 2);
    *out++ = u' ';
    out = digits(out, local.tm_hour, 2);
    *out++ = u':';
    out = digits(out, local.tm_min, 2);
    *out++ = u':';
    out = digits(out, local.tm_sec, 2);
    *out++ = u' ';
    *out++ = offset < 0 ? u'-' : u'+';
    out = digits(out, std::abs(offset) / 60, 2);
    *out++ = u':';
    digits(out, std::abs(offset) % 60, 2);
    return QString(reinterpret_cast<const QChar*>(text), 26);
}

} // namespace velmor
