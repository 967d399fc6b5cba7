#include "Html.h"
#include "WebText.h"

#include "Printable.h"

#include <QUrl>

namespace velmor::web {

QString html(const QString& text) {
    QString escaped = results::printable(text).toHtmlEscaped();
    return escaped.replace(QLatin1Char('\''), QLatin1String("&#39;"));
}

QString urlPart(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString link(const QString& href, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(href.toHtmlEscaped(), html(text));
}

QString preformatted(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = html(line);
    return QStringLiteral("<pre>%1</pre>\n").arg(lines.join(QLatin1Char('\n')));
}

QString table(const QStringList& header, const std::vector<QStringList>& rows) {
    QString out = QStringLiteral("<table>\n<tr>");
    for (const QString& h : header)
        out += QStringLiteral("<th>") + html(h) + QStringLiteral("</th>");
    out += QStringLiteral("</tr>\n");
    for (const QStringList& row : rows) {
        out += QStringLiteral("<tr>");
        for (const QString& cell : row)
            out += QStringLiteral("<td>") + cell + QStringLiteral("</td>");
        out += QStringLiteral("</tr>\n");
    }
    return out + QStringLiteral("</table>\n");
}

QByteArray page(const QString& title, const QString& body) {
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%2</title>\n<link rel=\"stylesheet\" href=\"/style.css\">\n"
                          "</head>\n<body>\n<nav>%3 %4</nav>\n<h1>%2</h1>\n%5</body>\n</html>\n")
        .arg(WebText::tr("en", "the language of the pages, as HTML names it"), html(title),
             link(QStringLiteral("/"), WebText::tr("Records")),
             link(QStringLiteral("/summary"), WebText::tr("Summary")), body)
        .toUtf8();
}

QByteArray styleSheet() {
    return QByteArrayLiteral(
        "body { font-family: 'DejaVu Sans', 'Liberation Sans', sans-serif; margin: 1.5em; "
        "color: #222; }\n"
        "nav { margin-bottom: 1em; } nav a { margin-right: 1.5em; }\n"
        "h1 { font-size: 1.4em; }\n"
        "table { border-collapse: collapse; margin: 0.5em 0 1em; }\n"
        "th, td { border: 1px solid #bbb; padding: 0.2em 0.6em; text-align: left; "
        "white-space: nowrap; }\n"
        "th { background: #eee; }\n"
        "tr:nth-child(even) td { background: #f7f7f7; }\n"
        "form { margin-bottom: 1em; } label { margin-right: 0.8em; }\n"
        "input, select { margin-left: 0.3em; }\n"
        "pre { background: #f4f4f4; padding: 0.6em; border: 1px solid #ddd; }\n"
        ".pass { color: #176b1f; font-weight: bold; } .fail { color: #a31515; "
        "font-weight: bold; }\n"
        ".refused { color: #a31515; }\n"
        ".record { display: flex; gap: 2em; align-items: flex-start; flex-wrap: wrap; }\n"
        "img.map { border: 1px solid #888; image-rendering: pixelated; }\n"
        "img.volts { border: 1px solid #888; display: block; margin: 1em 0; }\n");
}

} // namespace velmor::web
