#include "Access.h"
#include "WebText.h"

#include "Request.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrlQuery>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmor::web {

namespace {

// Compares in a time that does not depend on where the first difference lies.
bool sameSecret(const QByteArray& given, const QByteArray& token) {
    if (given.size() != token.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < token.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ token[i]);
    return difference == 0;
}

} // namespace

bool isRecordId(const QString& text) {
    return !text.isEmpty() && text.size() <= 36 &&
           std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                      (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                      (c >= QLatin1Char('A') && c <= QLatin1Char('F')) || c == QLatin1Char('-');
           });
}

std::variant<ListenAddress, QString> parseListen(const QString& text) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    const QHostAddress address(host);
    if (colon < 0 || !ok || port > 65535 || address.isNull())
        return WebText::tr("--listen takes ADDRESS:PORT, e.g. 127.0.0.1:8080 or [::1]:8080, "
                           "not \"%1\"")
            .arg(text);
    return ListenAddress{address, static_cast<quint16>(port)};
}

QStringList hostNames(const QHostAddress& address) {
    QStringList names{address.protocol() == QAbstractSocket::IPv6Protocol
                          ? QStringLiteral("[%1]").arg(address.toString())
                          : address.toString()};
    if (address.isLoopback())
        names << QStringLiteral("localhost");
    return names;
}

QString hostName(const Request& request) {
    const QString host = QString::fromLatin1(request.header("host")).toLower();
    // "[::1]:8080" keeps its brackets, "localhost:8080" loses its port.
    if (host.startsWith(QLatin1Char('[')))
        return host.left(host.indexOf(QLatin1Char(']')) + 1);
    return host.left(host.indexOf(QLatin1Char(':')));
}

std::variant<QByteArray, QString> readTokenFile(const QString& path) {
    // Opened without following a link, then judged by what was opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return WebText::tr("%1: cannot open the token file: %2")
            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    QByteArray bytes(4096, Qt::Uninitialized);
    const bool stated = ::fstat(fd, &st) == 0;
    const ssize_t got = stated && S_ISREG(st.st_mode) ? ::read(fd, bytes.data(), 4096) : -1;
    ::close(fd);
    if (!stated || !S_ISREG(st.st_mode))
        return WebText::tr("%1: the token file is not a regular file").arg(path);
    if (st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)
        return WebText::tr("%1: the token file must be this user's and readable by no one else "
                           "(chmod 600)")
            .arg(path);
    bytes.resize(std::max<ssize_t>(got, 0));
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    const bool visible =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > ' ' && c < 0x7f; });
    if (got < 0 || !visible || bytes.size() < 16 || bytes.size() > 256)
        return WebText::tr("%1: the token file must hold one line of 16 to 256 visible ASCII "
                           "characters")
            .arg(path);
    return bytes;
}

Shown tokenShown(const Request& request, const QByteArray& token) {
    const QByteArray authorization = request.header("authorization");
    if (authorization.startsWith("Bearer ") && sameSecret(authorization.mid(7).trimmed(), token))
        return Shown::Header;
    for (const QByteArray& cookie : request.header("cookie").split(';')) {
        const QByteArray c = cookie.trimmed();
        if (c.startsWith("token=") && sameSecret(c.mid(6), token))
            return Shown::Cookie;
    }
    const QString query =
        QUrlQuery(request.url).queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded);
    return !query.isEmpty() && sameSecret(query.toUtf8(), token) ? Shown::Query : Shown::No;
}

} // namespace velmor::web
