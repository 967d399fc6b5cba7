#include "LinkTrace.h"

#include <QCoreApplication>

namespace velmor {

LinkTrace::LinkTrace(const QString& path, std::function<void(const QString&)> failed)
    : file_(path), failed_(std::move(failed)) {
    clock_.start();
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        broken_ = true;
        if (failed_)
            failed_(QCoreApplication::translate("velmor::LinkTrace",
                                                "Не удаётся записать трассу связи %1: %2")
                        .arg(path, file_.errorString()));
    }
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
            failed_(QCoreApplication::translate("velmor::LinkTrace",
                                                "Не удаётся записать трассу связи %1: %2")
                        .arg(file_.fileName(), file_.errorString()));
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
