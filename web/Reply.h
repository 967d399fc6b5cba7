#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace velmor::web {

// One answer of the web view: its status, type, body and any further headers.
struct Reply {
    int status = 200;
    QByteArray type = "text/html; charset=utf-8";
    QByteArray body;
    std::vector<std::pair<QByteArray, QByteArray>> headers{};
};

// A page saying what went wrong, under the status.
Reply failure(int status, const QString& message);

// A picture as PNG, or the failure to encode it.
Reply pngReply(const QImage& image);

// The answer as it goes over the connection, which it closes: the status line, the headers
// (those of every answer, then the reply's own) and the closing blank line, then the body unless
// the request was a HEAD.
QByteArray httpAnswer(const Reply& reply, bool withBody);

} // namespace velmor::web
