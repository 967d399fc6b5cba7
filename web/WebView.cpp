#include "WebView.h"
#include "WebText.h"

#include "Access.h"
#include "Html.h"
#include "ListPage.h"
#include "RecordPage.h"
#include "SummaryPage.h"
#include "UnitPage.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QUrlQuery>

namespace velmor::web {

namespace {

void send(QHttpServerResponder& responder, const Reply& reply, bool withBody) {
    responder.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(reply.status));
    responder.writeHeader("Content-Type", reply.type);
    responder.writeHeader("Content-Length", QByteArray::number(reply.body.size()));
    responder.writeHeader("Cache-Control", "no-store");
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("Referrer-Policy", "no-referrer");
    // No script of any origin, not even one that got into a page.
    responder.writeHeader("Content-Security-Policy",
                          "default-src 'none'; img-src 'self'; style-src 'self'; "
                          "form-action 'self'; frame-ancestors 'none'; base-uri 'none'");
    for (const auto& [name, value] : reply.headers)
        responder.writeHeader(name, value);
    if (withBody)
        responder.writeBody(reply.body);
}

} // namespace

WebView::WebView(QSqlDatabase db, int version, QByteArray token, QObject* parent)
    : QAbstractHttpServer(parent), db_(std::move(db)), version_(version), token_(std::move(token)) {
}

Reply WebView::answer(const QUrl& url) {
    const QString path = url.path(QUrl::FullyDecoded);
    const QUrlQuery query(url);
    if (path == QLatin1String("/"))
        return listPage(db_, version_, query);
    if (path == QLatin1String("/summary"))
        return summaryPage(db_, version_);
    if (path == QLatin1String("/unit"))
        return unitPage(db_, version_, query);
    if (path == QLatin1String("/style.css"))
        return {200, "text/css; charset=utf-8", styleSheet()};
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() >= 3 && parts.size() <= 4 && parts[0].isEmpty() &&
        parts[1] == QLatin1String("record")) {
        if (parts.size() == 3)
            return recordPage(db_, version_, parts[2]);
        if (parts[3] == QLatin1String("map.png"))
            return mapPicture(db_, version_, parts[2]);
        if (parts[3] == QLatin1String("volts.png"))
            return voltsPicture(db_, version_, parts[2]);
        return recordFile(db_, version_, parts[2], parts[3]);
    }
    return failure(404, WebText::tr("no such page"));
}

bool WebView::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = makeResponder(request, socket);
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    if (request.method() != QHttpServerRequest::Method::Get && !head) {
        send(responder, failure(405, WebText::tr("the records are only read here")), true);
        return true;
    }
    Reply reply;
    const Shown shown = token_.isEmpty() ? Shown::Header : tokenShown(request, token_);
    if (shown == Shown::No) {
        reply = failure(401, WebText::tr("this view needs its token: the header "
                                         "\"Authorization: Bearer TOKEN\", the cookie token or "
                                         "?token=TOKEN"));
        reply.headers.push_back({"WWW-Authenticate", "Bearer"});
    } else {
        reply = answer(request.url());
        // A browser that came with the token in its address keeps it for the links it follows.
        if (shown == Shown::Query)
            reply.headers.push_back(
                {"Set-Cookie", "token=" + token_ + "; Path=/; HttpOnly; SameSite=Strict"});
    }
    send(responder, reply, !head);
    return true;
}

void WebView::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = makeResponder(request, socket);
    send(responder, failure(404, WebText::tr("no such page")), true);
}

} // namespace velmor::web
