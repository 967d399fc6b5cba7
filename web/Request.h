#pragma once

#include "Reply.h"

#include <QByteArray>
#include <QUrl>

#include <utility>
#include <variant>
#include <vector>

namespace velmor::web {

// What the view takes of a request: its method, path and query, and its headers. The view only
// reads: a request is its head alone, at most this long, and carries no body.
inline constexpr qsizetype maxRequestHead = 16 * 1024;

struct Request {
    bool head = false; // HEAD: the answer's headers without its body
    QUrl url;          // the path and query
    std::vector<std::pair<QByteArray, QByteArray>> headers; // names in lower case
    // The value of the header, empty when it is missing.
    QByteArray header(const QByteArray& lowerCaseName) const;
};

// The request whose head (up to and without its closing blank line) this is, or the answer that
// refuses it: 400 for what is no HTTP/1 request, 405 for a method other than GET and HEAD, 413
// for a body.
std::variant<Request, Reply> readRequestHead(const QByteArray& head);

} // namespace velmor::web
