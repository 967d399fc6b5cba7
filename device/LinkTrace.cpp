#include "LinkTrace.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmor {

namespace {

QString cannotTrace(const QString& path, const QString& reason) {
    return QCoreApplication::translate("velmor::LinkTrace",
                                       "Не удаётся записать трассу связи %1: %2")
        .arg(path, reason);
}

} // namespace

std::optional<QString> traceTargetRefused(const QString& tracePath, const QString& portDevice) {
    const QFileInfo trace(tracePath);
    const QFileInfo port(portDevice);
    if (!portDevice.isEmpty() && (trace.absoluteFilePath() == port.absoluteFilePath() ||
                                  (trace.exists() && port.exists() &&
                                   trace.canonicalFilePath() == port.canonicalFilePath())))
        return QCoreApplication::translate("velmor::LinkTrace", "%1 is the serial port")
            .arg(tracePath);
    if (trace.isSymLink())
        return QCoreApplication::translate("velmor::LinkTrace", "%1 is a symbolic link")
            .arg(tracePath);
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(tracePath).constData(), &st) == 0 &&
        (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)))
        return QCoreApplication::translate("velmor::LinkTrace", "%1 is a device").arg(tracePath);
#endif
    return std::nullopt;
}

LinkTrace::LinkTrace(const QString& path, std::function<void(const QString&)> failed)
    : file_(path), failed_(std::move(failed)) {
    clock_.start();
    if (const auto error = open(path)) {
        broken_ = true;
        if (failed_)
            failed_(cannotTrace(path, *error));
    }
}

std::optional<QString> LinkTrace::open(const QString& path) {
#ifdef Q_OS_UNIX
    if (const auto refused = traceTargetRefused(path, QString()))
        return refused;
    const int fd =
        ::open(QFile::encodeName(path).constData(),
               O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == ENXIO)
            return QCoreApplication::translate("velmor::LinkTrace", "a FIFO with no reader");
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
        ::close(fd);
        return QCoreApplication::translate("velmor::LinkTrace", "%1 is a device").arg(path);
    }
    if (file_.open(fd, QIODevice::WriteOnly | QIODevice::Text, QFileDevice::AutoCloseHandle))
        return std::nullopt;
    ::close(fd);
    return file_.errorString();
#else
    if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return std::nullopt;
    return file_.errorString();
#endif
}

QString LinkTrace::formatLine(double milliseconds, const char* direction, const QString& body) {
    QString line =
        QString::number(milliseconds, 'f', 3) + QLatin1Char(' ') + QLatin1String(direction);
    if (!body.isEmpty())
        line += QLatin1Char(' ') + body;
    return line + QLatin1Char('\n');
}

QString LinkTrace::hex(const QByteArray& data) {
    return QString::fromLatin1(data.toHex(' ').toUpper());
}

void LinkTrace::bytesIn(const QByteArray& data) {
    write("IN", hex(data));
}

void LinkTrace::bytesOut(const QByteArray& data) {
    write("OUT", hex(data));
}

void LinkTrace::event(const char* what, const QString& text) {
    write(what, text);
}

void LinkTrace::write(const char* direction, const QString& body) {
    if (broken_)
        return;
    const double ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
    const QByteArray line = formatLine(ms, direction, body).toUtf8();
    if (file_.write(line) != line.size() || !file_.flush()) {
        broken_ = true;
        if (failed_)
            failed_(cannotTrace(file_.fileName(), file_.errorString()));
    }
}

TracingPort::TracingPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<LinkTrace> trace)
    : inner_(std::move(inner)), trace_(std::move(trace)) {}

TracingPort::~TracingPort() {
    flushOut();
}

std::optional<QString> TracingPort::open(int portNumber, const LineSettings& lineSettings) {
    auto error = inner_->open(portNumber, lineSettings);
    trace_->event(
        "OPEN",
        error ? *error
              : QStringLiteral("port %1 %2").arg(portNumber).arg(lineSettingsText(lineSettings)));
    lostSeen_ = false;
    return error;
}

bool TracingPort::writeByte(quint8 byte) {
    const bool ok = inner_->writeByte(byte);
    if (ok)
        pendingOut_.append(static_cast<char>(byte));
    if (pendingOut_.size() == 4)
        flushOut();
    return ok;
}

QByteArray TracingPort::readAll() {
    flushOut();
    QByteArray data = inner_->readAll();
    if (!data.isEmpty())
        trace_->bytesIn(data);
    if (!lostSeen_ && inner_->lostReason()) {
        lostSeen_ = true;
        trace_->event("LOST", *inner_->lostReason());
    }
    return data;
}

void TracingPort::close() {
    flushOut();
    inner_->close();
    trace_->event("CLOSE");
}

void TracingPort::flushOut() {
    if (pendingOut_.isEmpty())
        return;
    trace_->bytesOut(pendingOut_);
    pendingOut_.clear();
}

} // namespace velmor
