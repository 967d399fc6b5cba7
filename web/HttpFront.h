#pragma once

#include "Reply.h"
#include "Request.h"

#include <QObject>

#include <chrono>
#include <functional>

class QTcpServer;
class QTcpSocket;

namespace velmor::web {

// The web view's side of its connections, so that no client can hold it: at most
// maxConnections open at once (one more is closed at once), a request's head whole within
// headTime or the connection dropped, never more than its head read, every connection closed
// after one answer and dropped at the latest openTime after it came. A request readRequestHead
// refuses is answered here; the handler gets the others and answers each once through its
// Respond, at once or later (on this thread; a second answer is dropped).
class HttpFront final : public QObject {
    Q_OBJECT
public:
    static constexpr int maxConnections = 64;
    static constexpr std::chrono::milliseconds headTime{5000};
    static constexpr std::chrono::milliseconds openTime{60000};

    using Respond = std::function<void(const Reply&)>;
    using Handler = std::function<void(const Request&, const Respond&)>;

    HttpFront(QTcpServer* server, Handler handler, QObject* parent = nullptr);

private:
    void accept(QTcpSocket* socket);
    // Reads what came of the head; true once it is whole (or too long) and handed on.
    bool read(QTcpSocket* socket, QByteArray& received);

    Handler handler_;
    int open_ = 0;
};

} // namespace velmor::web
