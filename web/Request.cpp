#include "Request.h"
#include "WebText.h"

namespace velmor::web {

namespace {

constexpr int maxHeaders = 100;

Reply notUnderstood() {
    return failure(400, WebText::tr("this is no request the view understands"));
}

} // namespace

QByteArray Request::header(const QByteArray& lowerCaseName) const {
    for (const auto& [name, value] : headers)
        if (name == lowerCaseName)
            return value;
    return {};
}

std::variant<Request, Reply> readRequestHead(const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> start = lines.front().trimmed().split(' ');
    if (start.size() != 3 || (start[2] != "HTTP/1.1" && start[2] != "HTTP/1.0") ||
        !start[1].startsWith('/') || lines.size() > maxHeaders + 1)
        return notUnderstood();
    Request request;
    request.head = start[0] == "HEAD";
    if (start[0] != "GET" && !request.head) {
        Reply refused = failure(405, WebText::tr("the records are only read here"));
        refused.headers.push_back({"Allow", "GET, HEAD"});
        return refused;
    }
    request.url = QUrl::fromEncoded(start[1], QUrl::StrictMode);
    if (!request.url.isValid())
        return notUnderstood();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return notUnderstood();
        request.headers.push_back(
            {line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }
    const QByteArray length = request.header("content-length");
    if (!request.header("transfer-encoding").isEmpty() || (!length.isEmpty() && length != "0"))
        return failure(413, WebText::tr("the records are only read here: a request carries no "
                                        "body"));
    return request;
}

} // namespace velmor::web
