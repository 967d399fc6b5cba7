#include "PseudoTerminal.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#if defined(__APPLE__)
#include <util.h>
#else
#include <pty.h>
#endif

namespace velmor::sim {

namespace {

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

std::variant<PtyMaster, QString> openPtyMaster() {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return systemError("openpty");

    termios raw{};
    QString error;
    if (::tcgetattr(master, &raw) != 0) {
        error = systemError("tcgetattr");
    } else {
        ::cfmakeraw(&raw);
        ::cfsetispeed(&raw, B9600);
        ::cfsetospeed(&raw, B9600);
        if (::tcsetattr(master, TCSANOW, &raw) != 0)
            error = systemError("tcsetattr");
    }
    const int flags = ::fcntl(master, F_GETFL);
    if (error.isEmpty() && (flags < 0 || ::fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0 ||
                            ::fcntl(master, F_SETFD, FD_CLOEXEC) != 0))
        error = systemError("fcntl");
    ::close(slave);
    if (!error.isEmpty()) {
        ::close(master);
        return error;
    }
    return PtyMaster{master, QString::fromLocal8Bit(name)};
}

bool slaveIsOpen(int masterFd) {
    pollfd p{masterFd, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0)
        return false;
    return (p.revents & POLLHUP) == 0;
}

std::optional<QString> pointSymlink(const QString& link, const QString& target) {
    const QFileInfo existing(link);
    if (existing.exists() && !existing.isSymLink())
        return QStringLiteral("%1 exists and is not a symbolic link; not replacing it").arg(link);
    // Make the new link beside the old one and rename it over, so the path never goes missing.
    const QByteArray finalPath = QFile::encodeName(link);
    const QByteArray tempPath = finalPath + ".new." + QByteArray::number(::getpid());
    ::unlink(tempPath.constData());
    if (::symlink(QFile::encodeName(target).constData(), tempPath.constData()) != 0)
        return QStringLiteral("%1: %2").arg(link, systemError("symlink"));
    if (::rename(tempPath.constData(), finalPath.constData()) != 0) {
        const QString error = QStringLiteral("%1: %2").arg(link, systemError("rename"));
        ::unlink(tempPath.constData());
        return error;
    }
    return std::nullopt;
}

void removeSymlinkTo(const QString& link, const QString& target) {
    const QByteArray path = QFile::encodeName(link);
    char buffer[4096];
    const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
    if (n > 0 && QByteArray(buffer, n) == QFile::encodeName(target))
        ::unlink(path.constData());
}

} // namespace velmor::sim
