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

QString shownWord(const QString& word) {
    static const struct {
        const char* word;
        const char* shown;
    } words[] = {
        {"pass", QT_TRANSLATE_NOOP("web", "pass")},
        {"marginal", QT_TRANSLATE_NOOP("web", "marginal")},
        {"fail", QT_TRANSLATE_NOOP("web", "fail")},
        {"error", QT_TRANSLATE_NOOP("web", "error")},
        {"aborted", QT_TRANSLATE_NOOP("web", "aborted")},
        {"none", QT_TRANSLATE_NOOP("web", "none")},
        {"incomplete", QT_TRANSLATE_NOOP("web", "incomplete")},
        {"completed", QT_TRANSLATE_NOOP("web", "completed")},
        {"link-lost", QT_TRANSLATE_NOOP("web", "link-lost")},
        {"abandoned", QT_TRANSLATE_NOOP("web", "abandoned")},
        {"switched-off", QT_TRANSLATE_NOOP("web", "switched-off")},
        {"open", QT_TRANSLATE_NOOP("web", "open")},
        {"sweep", QT_TRANSLATE_NOOP("web", "sweep")},
        {"session", QT_TRANSLATE_NOOP("web", "session")},
        {"run", QT_TRANSLATE_NOOP("web", "run")},
    };
    for (const auto& w : words)
        if (word == QLatin1String(w.word))
            return html(WebText::tr(w.shown));
    return html(word);
}

QString outcomeCell(const QString& outcome) {
    if (outcome.isEmpty() || outcome == QLatin1String("-"))
        return QStringLiteral("-");
    const bool known = outcome == QLatin1String("pass") || outcome == QLatin1String("marginal") ||
                       outcome == QLatin1String("fail") || outcome == QLatin1String("error");
    const QString kind = known                                 ? outcome
                         : outcome == QLatin1String("aborted") ? QStringLiteral("error")
                                                               : QString();
    if (kind.isEmpty())
        return shownWord(outcome);
    return QStringLiteral("<span class=\"%1\">%2</span>").arg(kind, shownWord(outcome));
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
                          "</head>\n<body>\n<nav>%3</nav>\n<h1>%2</h1>\n%4</body>\n</html>\n")
        .arg(WebText::tr("en", "the language of the pages, as HTML names it"), html(title),
             QStringList{link(QStringLiteral("/"), WebText::tr("Records")),
                         link(QStringLiteral("/summary"), WebText::tr("Summary")),
                         link(QStringLiteral("/pareto"), WebText::tr("Failures by cause")),
                         link(QStringLiteral("/charts"), WebText::tr("Charts")),
                         link(QStringLiteral("/repeatability"), WebText::tr("Repeatability")),
                         link(QStringLiteral("/benches"), WebText::tr("Bench against bench")),
                         link(QStringLiteral("/golden"), WebText::tr("Golden unit")),
                         link(QStringLiteral("/calibrations"), WebText::tr("Calibrations"))}
                 .join(QLatin1Char(' ')),
             body)
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
        "vertical-align: top; max-width: 40em; overflow-wrap: anywhere; }\n"
        "td.n { text-align: right; white-space: nowrap; }\n"
        "th { background: #eee; }\n"
        "tr:nth-child(even) td { background: #f7f7f7; }\n"
        "form { margin-bottom: 1em; } label { margin-right: 0.8em; }\n"
        "input, select { margin-left: 0.3em; }\n"
        "pre { background: #f4f4f4; padding: 0.6em; border: 1px solid #ddd; overflow-x: auto; "
        "}\n"
        ".pass { color: #176b1f; font-weight: bold; } .marginal { color: #8a5a00; "
        "font-weight: bold; }\n"
        ".fail { color: #a31515; font-weight: bold; } .error { color: #5a2a82; "
        "font-weight: bold; }\n"
        "tr.fail td { background: #fbe4e4; } tr.marginal td { background: #fdf3dc; }\n"
        "tr.error td { background: #efe6f6; }\n"
        "meter { width: 12em; }\n"
        "img.chart { border: 1px solid #888; display: block; margin: 1em 0; max-width: 100%; }\n"
        ".refused { color: #a31515; }\n"
        ".record { display: flex; gap: 2em; align-items: flex-start; flex-wrap: wrap; }\n"
        "img.map { border: 1px solid #888; image-rendering: pixelated; }\n"
        "img.volts { border: 1px solid #888; display: block; margin: 1em 0; }\n");
}

QString headerTable(const std::vector<std::pair<QString, QString>>& fields) {
    QString out = QStringLiteral("<table>\n");
    for (const auto& [name, value] : fields)
        out += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n").arg(html(name), value);
    return out + QStringLiteral("</table>\n");
}

} // namespace velmor::web
