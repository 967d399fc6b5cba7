#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <variant>

class QHttpServerRequest;

namespace velmor::web {

// An id as a link names a record: 1 to 36 hex digits and dashes. Checked before any query.
bool isRecordId(const QString& text);

// The address and port of "--listen HOST:PORT" ("127.0.0.1:8080", "[::1]:8080"), or why not.
struct ListenAddress {
    QHostAddress host;
    quint16 port = 0;
};
std::variant<ListenAddress, QString> parseListen(const QString& text);

// The token in the file: a regular file (no link) of this user that no one else may read or
// write (0600), holding one line of 16 to 256 visible ASCII characters; or why not.
std::variant<QByteArray, QString> readTokenFile(const QString& path);

// How a request shows the token: the header "Authorization: Bearer TOKEN", the cookie
// "token=TOKEN", or the query "?token=TOKEN" (which a browser's first visit may use; the answer
// then sets the cookie).
enum class Shown { No, Header, Cookie, Query };
Shown tokenShown(const QHttpServerRequest& request, const QByteArray& token);

} // namespace velmor::web
