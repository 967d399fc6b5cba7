#include "HttpFront.h"
#include "WebText.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace velmor::web {

namespace {

// Sends the answer and closes; the connection is dropped when its peer does not take it in time.
void answer(QTcpSocket* socket, const Reply& reply, bool head) {
    socket->write(httpAnswer(reply, !head));
    socket->disconnectFromHost();
}

} // namespace

HttpFront::HttpFront(QTcpServer* server, Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    connect(server, &QTcpServer::newConnection, this, [this, server] {
        while (QTcpSocket* socket = server->nextPendingConnection())
            accept(socket);
    });
}

void HttpFront::accept(QTcpSocket* socket) {
    if (open_ >= maxConnections) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // What is not read stays with the peer: a body or a flood fills no memory here.
    socket->setReadBufferSize(maxRequestHead + 4);
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    auto* headTimer = new QTimer(socket);
    headTimer->setSingleShot(true);
    connect(headTimer, &QTimer::timeout, socket, drop);
    headTimer->start(headTime);
    QTimer::singleShot(openTime, socket, drop);
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, headTimer, received] {
        if (!headTimer->isActive())
            return; // answered or being answered: the rest is not read
        if (read(socket, *received))
            headTimer->stop();
    });
}

bool HttpFront::read(QTcpSocket* socket, QByteArray& received) {
    received += socket->read(maxRequestHead + 4 - received.size());
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0) {
        if (received.size() <= maxRequestHead)
            return false;
        answer(socket, failure(431, WebText::tr("the request's head is too long")), false);
        return true;
    }
    const auto request = readRequestHead(received.left(end));
    if (const auto* refused = std::get_if<Reply>(&request)) {
        answer(socket, *refused, false);
        return true;
    }
    const bool head = std::get<Request>(request).head;
    auto answered = std::make_shared<bool>(false);
    handler_(std::get<Request>(request),
             [socket = QPointer<QTcpSocket>(socket), head, answered](const Reply& reply) {
                 if (*answered || !socket)
                     return;
                 *answered = true;
                 answer(socket, reply, head);
             });
    return true;
}

} // namespace velmor::web

#include "moc_HttpFront.cpp"
