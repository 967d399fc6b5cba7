#include "Reply.h"
#include "WebText.h"

#include "Html.h"

#include <QBuffer>

namespace velmor::web {

namespace {

QByteArray reason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 300:
        return "Multiple Choices";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 413:
        return "Content Too Large";
    case 421:
        return "Misdirected Request";
    case 431:
        return "Request Header Fields Too Large";
    case 503:
        return "Service Unavailable";
    default:
        return status < 500 ? "Refused" : "Internal Server Error";
    }
}

} // namespace

Reply failure(int status, const QString& message) {
    const QString title = status == 404   ? WebText::tr("Not found")
                          : status == 400 ? WebText::tr("Not understood")
                          : status == 401 ? WebText::tr("Token needed")
                                          : WebText::tr("Cannot show this");
    return {status, "text/html; charset=utf-8",
            page(title, QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(message)))};
}

Reply pngReply(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return failure(500, WebText::tr("the picture could not be encoded"));
    return {200, "image/png", png};
}

QByteArray httpAnswer(const Reply& reply, bool withBody) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reason(reply.status) +
                     "\r\nContent-Type: " + reply.type +
                     "\r\nContent-Length: " + QByteArray::number(reply.body.size()) +
                     "\r\nConnection: close\r\nCache-Control: no-store\r\n"
                     "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n"
                     // No script of any origin, not even one that got into a page.
                     "Content-Security-Policy: default-src 'none'; img-src 'self'; "
                     "style-src 'self'; form-action 'self'; frame-ancestors 'none'; "
                     "base-uri 'none'\r\n";
    for (const auto& [name, value] : reply.headers)
        out += name + ": " + value + "\r\n";
    out += "\r\n";
    if (withBody)
        out += reply.body;
    return out;
}

} // namespace velmor::web
