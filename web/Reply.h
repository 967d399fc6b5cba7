#pragma once

#include <QByteArray>
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

} // namespace velmor::web
