#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <variant>

namespace velmor::web {

struct Request;

// An id as a link names a record: 1 to 36 hex digits and dashes. Checked before any query.
bool isRecordId(const QString& text);

// The address and port of "--listen HOST:PORT" ("127.0.0.1:8080", "[::1]:8080"), or why not.
struct ListenAddress {
    QHostAddress host;
    quint16 port = 0;
};
std::variant<ListenAddress, QString> parseListen(const QString& text);

// The names a request to the address may give as its host: the address as written in a URL
// ("127.0.0.1", "[::1]"), and "localhost" for a loopback address.
QStringList hostNames(const QHostAddress& address);

// The host a request names in its Host header, without the port, in lower case; empty without one.
QString hostName(const Request& request);

// The token in the file: a regular file (no link) of this user that no one else may read or
// write (0600), holding one line of 16 to 256 visible ASCII characters; or why not.
std::variant<QByteArray, QString> readTokenFile(const QString& path);

// How a request shows the token: the header "Authorization: Bearer TOKEN", the cookie
// "token=TOKEN", or the query "?token=TOKEN" (which a browser's first visit may use; the answer
// then sets the cookie).
enum class Shown { No, Header, Cookie, Query };
Shown tokenShown(const Request& request, const QByteArray& token);

} // namespace velmor::web
